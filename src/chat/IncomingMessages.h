// Incoming messages: talk, emotes, whispers and their confirmations,
// broadcasts, channel refusals and the plain text dump, shown in their panes
// and colours, logged, published on the session's stream and offered to the
// automation engine in a fixed order; the whisperers, the whisper panes and the
// URL bar.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/AlertSettings.h"
#include "chat/ChatLog.h"
#include "chat/HighlightMatcher.h"
#include "chat/SessionEvents.h"
#include "chat/SessionView.h"
#include "chat/SoundBoard.h"
#include "chat/WhisperReplies.h"
#include "chat/WindowControls.h"
#include "platform/Platform.h"

namespace verdo {

class ChatDocument;
class ChatFunctions;

class IncomingMessages {
  public:
    IncomingMessages(Platform& platform, SessionView& view, WindowControls& controls,
                     ChatDocument& document, ChatLog& log, ChatFunctions& engine,
                     SoundBoard& sounds, SessionEvents& stream);

    // A whisper that no item of the command table matches, offered to the bot
    // scripts' commands before it goes on to the whisper answers.
    std::function<void(const std::string& user, const std::string& text)> OnUnmatchedCommand;

    void bcChatTalk(const std::string& user, const std::string& text);
    void bcChatEmote(const std::string& user, const std::string& text);
    void bcChatWhisper(const std::string& user, const std::string& text);
    void bcChatWhisperSent(const std::string& user, const std::string& text);
    void bcChatBroadcast(const std::string& text);
    // "Channel is full." and its kin: `shown` here, the server's text logged.
    void channelRefused(const std::string& shown, std::string_view serverText);
    void tcChatData(std::string_view line);

    WhisperReplies& replies() { return replies_; }
    // Highlight words, colours and sound; the own name comes at each log-on.
    void setAlerts(const AlertSettings& alerts);
    const AlertSettings& alerts() const { return alerts_; }
    HighlightMatcher& highlights() { return highlights_; }
    const HighlightMatcher& highlights() const { return highlights_; }
    const std::vector<std::string>& Whisperers() const { return replies_.Whisperers(); }
    // The URL bar's link was clicked.
    void lblUrlClick();
    // Whisper windows register their pane for a user; the latest one wins.
    void registerWhisperPane(const std::string& user, PaneId pane);
    void unregisterWhisperPane(PaneId pane);
    PaneId whisperTarget(const std::string& user) const;

  private:
    struct SpeakerColors {
        std::uint32_t name;
        std::uint32_t text;
    };
    SpeakerColors speakerColors(const std::string& user, bool whisper) const;
    void addLine(PaneId pane, const std::string& first, std::uint32_t firstColor,
                 const std::string& second, std::uint32_t secondColor);
    void ShowUrlBar(const std::string& user, const std::string& text);
    EventResult publish(SessionEventKind kind, const std::string& user, const std::string& text);
    // A line of someone else's that mentions the user: in the mention colours,
    // with the highlight sound.
    void addMessageLine(PaneId pane, SessionEventKind kind, const std::string& user,
                        const std::string& text, const ChatLine& line);

    Platform& platform_;
    SessionView& view_;
    WindowControls& controls_;
    ChatDocument& document_;
    ChatLog& log_;
    ChatFunctions& engine_;
    SoundBoard& sounds_;
    SessionEvents& stream_;
    WhisperReplies replies_;
    AlertSettings alerts_;
    HighlightMatcher highlights_;
    std::string receivedUrl_;
    std::vector<std::pair<std::string, PaneId>> whisperPanes_;
};

}  // namespace verdo
