// ChatForm: the main window's behaviour without any widget. It owns the
// connection, the interpreters, the options record and the session state, runs
// the connect loop as a state machine driven by events and timer ticks, and
// talks to the screen only through ChatView.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "chat/ChatLog.h"
#include "chat/ChatView.h"
#include "chat/EngineBridge.h"
#include "engine/ChatFunctions.h"
#include "engine/ChatLists.h"
#include "interp/BnetChat.h"
#include "net/ChatInterface.h"
#include "platform/Platform.h"
#include "records/Options.h"
#include "records/UserRecords.h"

namespace verdo {

inline constexpr std::string_view ProgramTitle = "VerdoChat Version 6";
inline constexpr std::uint16_t DefaultGatewayPort = 6112;
inline constexpr std::string_view DefaultChannel = "Blizzard Chat Verdo-1";

class ChatForm {
  public:
    ChatForm(Platform& platform, ChatView& view);
    ~ChatForm();
    ChatForm(const ChatForm&) = delete;
    ChatForm& operator=(const ChatForm&) = delete;

    // The first showing of the window: the start steps that exist so far.
    void FormShow();

    // What the window and the configuration edit.
    tOptions& options() { return options_; }
    const tOptions& options() const { return options_; }
    // The lists of the current chat file, the product actions among them.
    ChatLists& lists() { return lists_; }
    const ChatLists& lists() const { return lists_; }
    // The user information database.
    tUserList& users() { return users_; }
    ChatFunctions& engine() { return engine_; }
    // Talk and whispers beginning with it get no automatic answer.
    const std::string& ignorePrefix() const { return ignorePrefix_; }
    void setIgnorePrefix(const std::string& prefix) { ignorePrefix_ = prefix; }
    ChatLog& chatLog() { return log_; }
    // Copies the log-on name and password into the interpreter; done whenever
    // a chat file is loaded or the options are confirmed.
    void applyLogonOptions();

    // Session state.
    bool LoggedOn() const { return loggedOn_; }
    bool ConnectPhase() const { return connectPhase_; }
    bool connectLoopRunning() const { return loopRunning_; }
    bool AwayOn() const { return awayOn_; }
    bool DNDOn() const { return dndOn_; }
    bool awayChecked() const { return awayChecked_; }
    bool dndChecked() const { return dndChecked_; }
    int TimeoutCount() const { return timeoutCount_; }
    const std::string& UniqueName() const { return uniqueName_; }
    const std::string& CurrentServer() const { return currentServer_; }
    const std::string& channelName() const { return channelName_; }
    // The names of the channel's users, in roster order.
    std::vector<std::string> rosterNames() const;
    bool settingsModified() const { return settingsModified_; }
    void setSettingsModified(bool modified) { settingsModified_ = modified; }

    TChatInterface& ChatInterface() { return *chatInterface_; }
    TBnetChat& bcChat() { return *bcChat_; }
    Timer& ServerTimer() { return *serverTimer_; }

    // Gestures of the window.
    void acConnectExecute();
    void acAwayExecute();
    void acDNDExecute();
    void btnCancelClick();
    void btnNextClick();
    // The entry line's Send: talk, or a "/" command to the server.
    void sendEntryText(const std::string& text);
    // The idle update: runs once after each batch of events.
    void ActionListUpdate();

    // Appends a status line of the program in one colour.
    void addStatusLine(const std::string& text, std::uint32_t color, PaneId pane = ChatPane);
    void EchoOwnText(const std::string& text);
    void WriteChatLog(const std::string& text, LogKind kind);

  private:
    friend class ChatEngineHost;

    // Every event from outside (socket, timer, gesture) runs inside inEvent; when
    // the outermost one returns, the connect loop takes its next step. A modal
    // question nests events the way the loop's own wait would, so the loop never
    // moves while one is open.
    void inEvent(const std::function<void()>& handler);
    void afterEvents();
    void wireConnection();
    void wireInterpreter();

    // The connect loop, one step per event.
    void startConnectLoop();
    void tryServer();
    void advanceConnectLoop();
    void finishConnectLoop();
    void ServerTimerTimer();

    void ChatInterfaceConnect();
    void ChatInterfaceConnectFailed();
    void ChatInterfaceLogin();
    void ChatInterfaceDataReceived(std::string_view line);
    void ChatInterfaceDisconnect();
    void ChatInterfaceConnectClosed();
    void ChatInterfaceSendError();
    void ChatInterfaceSocketError();

    void bcChatInfo(std::string_view message);
    void bcChatError(std::string_view message);
    void bcChatUniqueName(std::string_view name);
    void bcChatChannel(std::string_view channel);
    void bcChatUnHandled(std::string_view line);
    void handleWelcome();
    bool isKickNotice(std::string_view message) const;
    void refusedLogon();

    void setAwayChecked(bool checked);
    void setDNDChecked(bool checked);
    void toggleMode(bool dnd);
    void emptyRoster();
    void sendLine(const std::string& text);

    Platform& platform_;
    ChatView& view_;
    tOptions options_;
    ChatLists lists_;
    tUserList users_;
    std::string ignorePrefix_;
    ChatLog log_;
    ChatEngineHost engineHost_{*this};
    ChatFunctions engine_{engineHost_};
    std::unique_ptr<TChatInterface> chatInterface_;
    std::unique_ptr<TBnetChat> bcChat_;
    std::unique_ptr<Timer> serverTimer_;

    bool loggedOn_ = false;
    bool connectCancelled_ = false;
    bool nextServer_ = false;
    bool connectPhase_ = false;
    bool loopRunning_ = false;
    std::size_t serverIndex_ = 0;
    int timeoutCount_ = 0;
    std::string currentServer_;
    std::string uniqueName_;
    std::string channelName_;
    bool awayOn_ = false;
    bool dndOn_ = false;
    bool awayChecked_ = false;
    bool dndChecked_ = false;
    bool settingsModified_ = false;
    int eventDepth_ = 0;
};

}  // namespace verdo
