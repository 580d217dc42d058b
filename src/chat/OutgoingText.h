// Outgoing text: talk, emotes and whispers typed by the user, the whisper lock,
// Tab through recent whisperers, the key macros and the sounds sent to others.
// The entry line's text and the user lists' selection come as parameters; what
// becomes of the entry line goes to the window's controls.
#pragma once

#include <optional>
#include <string>

#include "chat/ChatLog.h"
#include "chat/EventScope.h"
#include "chat/LineSender.h"
#include "chat/SessionView.h"
#include "chat/SoundBoard.h"
#include "chat/WhisperReplies.h"
#include "chat/WindowControls.h"

namespace verdo {

class ChatDocument;
class ChatFunctions;

// The one selected row of the roster and of the custom user list.
struct UserSelection {
    std::optional<std::string> roster;
    std::optional<std::string> custom;
};

class OutgoingText {
  public:
    OutgoingText(SessionView& view, WindowControls& controls, EventScope& events,
                 LineSender& sender, ChatDocument& document, ChatLog& log, ChatFunctions& engine,
                 WhisperReplies& replies, SoundBoard& sounds);

    // Talk, or a "/" command to the server, while logged on; echoed and logged.
    void send(const std::string& text);
    void emote(const std::string& text);
    // "No User Selected." without a target.
    void whisper(const std::optional<std::string>& target, const std::string& text);

    // The entry line's Send (Enter), Emote and Whisper buttons; under the
    // whisper lock Send and Emote whisper too. Whispers go to the custom
    // list's selection, else the roster's.
    void btnSendClick(const std::string& entry, const UserSelection& selection);
    void btnEmoteClick(const std::string& entry, const UserSelection& selection);
    void btnWhisperClick(const std::string& entry, const UserSelection& selection);
    void acLockExecute();
    bool whisperLock() const { return whisperLock_; }

    // Tab in the entry: offers a whisper reply to the recent whisperers in turn.
    void CycleWhisperReply(const std::string& entry);
    // Ctrl+Alt+key while logged on: every macro on that key, in list order,
    // "<user>" the roster's selection, else the custom list's.
    void runMacros(char key, const std::string& entry, const UserSelection& selection);

    void SendSoundToChannel(const SoundEntry& entry);
    // To the roster's selected user.
    void SendSoundToUser(const SoundEntry& entry, const std::optional<std::string>& user);

  private:
    void echo(const std::string& text);

    SessionView& view_;
    WindowControls& controls_;
    EventScope& events_;
    LineSender& sender_;
    ChatDocument& document_;
    ChatLog& log_;
    ChatFunctions& engine_;
    WhisperReplies& replies_;
    SoundBoard& sounds_;
    bool whisperLock_ = false;
};

}  // namespace verdo
