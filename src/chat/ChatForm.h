// ChatForm: the main window's behaviour without any widget. It owns the parts
// of the session and connects them: the chat file, the connection and its
// connect loop, the away modes, incoming and outgoing text, timed messages,
// playback and the pause. It talks to the screen only through SessionView and,
// in the window, WindowControls. The window and the headless runner come in
// through its gestures (never the decoder); what happens goes out as data on
// events() and as formatted lines on the view.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "chat/AwayModes.h"
#include "chat/ChatAction.h"
#include "chat/ChatDocument.h"
#include "chat/ChatEngineHost.h"
#include "chat/ChatLog.h"
#include "chat/ChatPause.h"
#include "chat/ConnectLoop.h"
#include "chat/EventScope.h"
#include "chat/IncomingMessages.h"
#include "chat/OutgoingText.h"
#include "chat/Playback.h"
#include "chat/RosterEvents.h"
#include "chat/Session.h"
#include "chat/SessionEvents.h"
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
    // playback file of Chat.ini. A window that arranges itself from the chat
    // file and Chat.ini (sound menus, layout) calls the two steps around that,
    // so a message about the playback file shows over the arranged window.
    void FormShow() {
        openStartFiles();
        loadStartBatch();
    }
    void openStartFiles();
    void loadStartBatch();
    // The chat file to open at start is large enough (over SlowStartBytes,
    // its three files together) that the window shows "Loading..." first.
    static constexpr std::uintmax_t SlowStartBytes = 4 * 1024 * 1024;
    bool startIsSlow() const;
    // Closing the window: false keeps it open (the user cancelled).
    bool FormCloseQuery() { return document_.FormCloseQuery(); }
    // Once closing is agreed: Last File, Batch File and Batch User to Chat.ini.
    void FormClose();
    // The idle update: runs once after each batch of events.
    void ActionListUpdate();
    // An action of the table that the session runs.
    void runAction(ChatAction action);
    void toggleSwitch(ChatAction action);
    // The configuration dialog's "&Ok": stores its values, hands the log-on
    // texts and the server to the connection, shows the new options and
    // reopens the log. Settings it changed count as modified.
    void applySetup(const SetupValues& values);
    // The "Alerts" tab's "&Ok": used at once and written to Chat.ini, which
    // leaves the chat file unmodified; false (and a message) when Chat.ini
    // could not be written.
    bool applyAlerts(const AlertSettings& alerts);
    const AlertSettings& alerts() const { return incoming_.alerts(); }

    // Gestures of the window and the headless runner. The Connect action
    // connects, or disconnects while connected.
    void connect() { connectLoop_.acConnectExecute(); }
    void disconnect() {
        if (connected()) connectLoop_.acConnectExecute();
    }
    void cancelConnect() { connectLoop_.btnCancelClick(); }
    void nextServer() { connectLoop_.btnNextClick(); }
    // The Join Channel and List Channel actions' choice.
    void joinChannel(const std::string& channel);
    void listChannel(const std::string& channel);
    // Talk or a "/" command, as typed in the entry line.
    void sendLine(const std::string& text) { text_.send(text); }
    void whisper(const std::string& user, const std::string& text) { text_.whisper(user, text); }
    // A line a window built, carriage return included (whisper windows, URLs).
    void sendBuiltLine(const std::string& bytes) { session_.sendRaw(bytes, SendClass::Typed); }
    // The custom user list's reorder dialog result.
    void replaceCustomList(const tStringList& names) { userCommands_.replaceCustomList(names); }
    bool LoggedOn() const { return session_.LoggedOn(); }
    bool connected() const { return session_.connected(); }

    // What happens in the session, as data.
    SessionEvents& events() { return stream_; }

    ChatDocument& document() { return document_; }
    const ChatDocument& document() const { return document_; }
    Session& session() { return session_; }
    const Session& session() const { return session_; }
    ConnectLoop& connectLoop() { return connectLoop_; }
    const ConnectLoop& connectLoop() const { return connectLoop_; }
    AwayModes& away() { return away_; }
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
    void wireDocument();
    void TimerTimer();
    void reopenLog();

    Platform& platform_;
    SessionView& view_;
    WindowControls noControls_;
    WindowControls& controls_;
    EventScope events_;
    SessionEvents stream_;
    ChatLog log_;
    ChatDocument document_;
    SoundBoard sounds_;
    // The session first: the parts after it send through it.
    Session session_;
    ChatPause pause_;
    ConnectLoop connectLoop_;
    ChatEngineHost engineHost_;
    ChatFunctions engine_;
    RosterEvents roster_;
    AwayModes away_;
    IncomingMessages incoming_;
    OutgoingText text_;
    TimedMessages timed_;
    Playback playback_;
    TextFilePlayback textPlayback_;
    UserCommands userCommands_;
    std::unique_ptr<Timer> timer_;

    // The chat file named on the command line, else the last one of Chat.ini.
    std::optional<std::string> startPath() const;
    std::string startChatFile_;
    bool remembersLastFile_ = true;
};

}  // namespace verdo
