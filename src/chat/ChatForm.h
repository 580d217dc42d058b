// ChatForm: the main window's behaviour without any widget. It owns the parts
// of the session and connects them: the chat file, the connection, incoming
// and outgoing text, timed messages, playback and the pause. It talks to the
// screen only through SessionView and, in the window, WindowControls.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "chat/ChatActions.h"
#include "chat/ChatDocument.h"
#include "chat/ChatEngineHost.h"
#include "chat/ChatLog.h"
#include "chat/ChatPause.h"
#include "chat/EventScope.h"
#include "chat/IncomingMessages.h"
#include "chat/OutgoingText.h"
#include "chat/Playback.h"
#include "chat/RosterEvents.h"
#include "chat/Session.h"
#include "chat/SessionView.h"
#include "chat/SoundBoard.h"
#include "chat/TextFilePlayback.h"
#include "chat/TimedMessages.h"
#include "chat/UserCommands.h"
#include "chat/WindowControls.h"
#include "engine/ChatFunctions.h"
#include "engine/SetupValues.h"
#include "platform/Platform.h"

namespace verdo {

class ChatForm {
  public:
    ChatForm(Platform& platform, SessionView& view, WindowControls& controls);
    // Without a window: the controls do nothing.
    ChatForm(Platform& platform, SessionView& view);
    ~ChatForm();
    ChatForm(const ChatForm&) = delete;
    ChatForm& operator=(const ChatForm&) = delete;

    // The start options, set before FormShow. A chat file named on the command
    // line opens instead of the last one of Chat.ini; a start server is tried
    // first by every connect round of this run and never saved.
    void setStartChatFile(const std::string& path) { startChatFile_ = path; }
    void setStartServer(const std::optional<std::string>& server);
    // The folder the program runs from, where the "Sounds" folder is.
    void setProgramFolder(const std::string& folder) { sounds_.setProgramFolder(folder); }
    // Whether closing writes "Last File" to Chat.ini (not for a bot run on a
    // chat file of its own).
    void setRemembersLastFile(bool remember) { remembersLastFile_ = remember; }

    // The first showing of the window: built-in lists, the chat file, the
    // playback file of Chat.ini.
    void FormShow();
    // Closing the window: false keeps it open (the user cancelled).
    bool FormCloseQuery() { return document_.FormCloseQuery(); }
    // Once closing is agreed: Last File, Batch File and Batch User to Chat.ini.
    void FormClose();
    // The idle update: runs once after each batch of events.
    void ActionListUpdate();
    // An action of the table that the session runs.
    void runAction(ChatAction action);
    void toggleSwitch(SwitchId id);
    // The configuration dialog's "&Ok": stores its values, hands the log-on
    // texts and the server to the connection, shows the new options and
    // reopens the log. Settings it changed count as modified.
    void applySetup(const SetupValues& values);
    // The "Alerts" tab's "&Ok": used at once and written to Chat.ini, which
    // leaves the chat file unmodified; false (and a message) when Chat.ini
    // could not be written.
    bool applyAlerts(const AlertSettings& alerts);
    const AlertSettings& alerts() const { return incoming_.alerts(); }

    ChatDocument& document() { return document_; }
    const ChatDocument& document() const { return document_; }
    Session& session() { return session_; }
    const Session& session() const { return session_; }
    RosterEvents& roster() { return roster_; }
    const RosterEvents& roster() const { return roster_; }
    IncomingMessages& incoming() { return incoming_; }
    OutgoingText& text() { return text_; }
    TimedMessages& timed() { return timed_; }
    Playback& playback() { return playback_; }
    // The playback as the text-file window controls it.
    TextPlayback& textPlayback() { return textPlayback_; }
    ChatPause& pause() { return pause_; }
    // The user-list popups, double-clicks and drops, and the custom list.
    UserCommands& userCommands() { return userCommands_; }
    const ChatPause& pause() const { return pause_; }
    SoundBoard& sounds() { return sounds_; }
    const SoundBoard& sounds() const { return sounds_; }
    ChatLog& chatLog() { return log_; }
    ChatFunctions& engine() { return engine_; }
    // The one-second timer of timed messages and playback.
    Timer& ChatTimer() { return *timer_; }

  private:
    void wireDecoder();
    void wireDocument();
    void TimerTimer();
    void reopenLog();

    Platform& platform_;
    SessionView& view_;
    WindowControls noControls_;
    WindowControls& controls_;
    EventScope events_;
    ChatLog log_;
    ChatDocument document_;
    SoundBoard sounds_;
    ChatEngineHost engineHost_;
    ChatFunctions engine_;
    RosterEvents roster_;
    Session session_;
    IncomingMessages incoming_;
    OutgoingText text_;
    TimedMessages timed_;
    Playback playback_;
    TextFilePlayback textPlayback_;
    ChatPause pause_;
    UserCommands userCommands_;
    std::unique_ptr<Timer> timer_;
    std::string startChatFile_;
    bool remembersLastFile_ = true;
};

}  // namespace verdo
