// The session: the connection and its decoders, the Connect action, the
// connect loop over the server list with its connect and log-on time-outs,
// the server's info and error lines that move the session on, and the away and
// do-not-disturb modes. The connect loop is a state machine: one step per
// event, taken when the outermost event returns (see EventScope).
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "chat/ChatLog.h"
#include "chat/EventScope.h"
#include "chat/SessionView.h"
#include "chat/WindowControls.h"
#include "interp/BnetChat.h"
#include "interp/TextChat.h"
#include "net/ChatInterface.h"
#include "platform/Platform.h"

namespace verdo {

class ChatDocument;
class ChatFunctions;
class RosterEvents;

class Session {
  public:
    Session(Platform& platform, SessionView& view, WindowControls& controls, EventScope& events,
            ChatDocument& document, ChatLog& log, RosterEvents& roster, ChatFunctions& engine);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    TChatInterface& ChatInterface() { return *chatInterface_; }
    TBnetChat& bcChat() { return *bcChat_; }
    TTextChat& tcChat() { return *tcChat_; }  // the plain text dump
    Timer& ServerTimer() { return *serverTimer_; }

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

    // A server for this run only (--server): each round of the connect loop
    // tries it first, and the chat file's list never holds it.
    void setStartServer(const std::optional<std::string>& server) { startServer_ = server; }
    // Copies the log-on name and password into the decoder; done whenever a
    // chat file is loaded or the options are confirmed.
    void applyLogonOptions();
    // Sends one line through the paced sender with its carriage return.
    void sendLine(const std::string& text);
    // A received line goes here unless this returns true (the pause holds it).
    std::function<bool(std::string_view line)> HoldLine;
    // The connection went, whichever way: the session that was is over.
    std::function<void()> OnSessionEnded;
    // One received line through the decoder and, with the dump on, raw.
    void interpretLine(std::string_view line);
    // The connect loop's next step, once the outermost event has returned.
    void advanceConnectLoop();

    // Gestures.
    void acConnectExecute();
    void acAwayExecute();
    void acDNDExecute();
    void btnCancelClick();
    void btnNextClick();

    // The decoder's events this part owns.
    void bcChatInfo(std::string_view message);
    void bcChatError(std::string_view message);
    void bcChatUniqueName(std::string_view name);
    void bcChatUnHandled(std::string_view line);
    // A line the server refused every time it was sent: nothing goes silently.
    void bcChatNotDelivered(std::string_view line);

  private:
    void wireConnection();
    void startConnectLoop();
    std::size_t serverCount() const;
    std::string serverAt(std::size_t index) const;
    void tryServer();
    void finishConnectLoop();
    void ServerTimerTimer();
    void ChatInterfaceConnect();
    // The system's reason, when it gave one, follows the server's name.
    void ChatInterfaceConnectFailed(std::string_view reason);
    void ChatInterfaceLogin();
    void ChatInterfaceDataReceived(std::string_view line);
    void ChatInterfaceDisconnect();
    void ChatInterfaceConnectClosed();
    void ChatInterfaceSendError();
    void ChatInterfaceSocketError();
    void handleWelcome();
    bool isKickNotice(std::string_view message) const;
    void refusedLogon();
    void setAwayChecked(bool checked);
    void setDNDChecked(bool checked);
    void toggleMode(bool dnd);

    Platform& platform_;
    SessionView& view_;
    WindowControls& controls_;
    EventScope& events_;
    ChatDocument& document_;
    ChatLog& log_;
    RosterEvents& roster_;
    ChatFunctions& engine_;
    std::unique_ptr<TChatInterface> chatInterface_;
    std::unique_ptr<TBnetChat> bcChat_;
    std::unique_ptr<TTextChat> tcChat_;
    std::unique_ptr<Timer> serverTimer_;
    std::optional<std::string> startServer_;

    bool loggedOn_ = false;
    bool greeting_ = false;  // the error lines right after a welcome greet
    bool connectCancelled_ = false;
    bool nextServer_ = false;
    bool connectPhase_ = false;
    bool loopRunning_ = false;
    std::size_t serverIndex_ = 0;
    std::size_t refusalsInRow_ = 0;  // attempts refused since the last connection
    int timeoutCount_ = 0;
    std::string currentServer_;
    std::string uniqueName_;
    bool awayOn_ = false;
    bool dndOn_ = false;
    bool awayChecked_ = false;
    bool dndChecked_ = false;
};

}  // namespace verdo
