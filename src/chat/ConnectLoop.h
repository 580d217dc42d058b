// The Connect action and the connect loop: the servers of the server list
// tried in turn (a start server first), each with a connect time-out and a
// log-on time-out, rounds that slow down when every server refuses, and the
// connecting dialog's Cancel and Next. A state machine: one step per event,
// taken when the outermost event returns (see EventScope).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "chat/ConnectionListener.h"
#include "chat/EventScope.h"
#include "chat/SessionView.h"
#include "chat/WindowControls.h"
#include "platform/Platform.h"

namespace verdo {

class ChatDocument;
class Session;

class ConnectLoop : public ConnectionListener {
  public:
    ConnectLoop(Platform& platform, SessionView& view, WindowControls& controls, EventScope& events,
                ChatDocument& document, Session& session);
    ~ConnectLoop() override;
    ConnectLoop(const ConnectLoop&) = delete;
    ConnectLoop& operator=(const ConnectLoop&) = delete;

    Timer& ServerTimer() { return *serverTimer_; }
    bool ConnectPhase() const { return connectPhase_; }
    bool connectLoopRunning() const { return loopRunning_; }
    int TimeoutCount() const { return timeoutCount_; }

    // A server for this run only (--server): each round of the connect loop
    // tries it first, and the chat file's list never holds it.
    void setStartServer(const std::optional<std::string>& server) { startServer_ = server; }
    // The connect loop's next step, once the outermost event has returned.
    void advanceConnectLoop();

    // Gestures: Connect (or Disconnect while connected), Cancel and Next.
    void acConnectExecute();
    void btnCancelClick();
    void btnNextClick();
    // Disconnect asked by someone else than the user (a remote command).
    void disconnectByCommand();

    void connected() override;
    void connectFailed(std::string_view reason) override;
    void loggedOn() override;
    void logOnRefused() override;
    void connectionClosed() override;
    void sendFailed(bool wasLoggedOn) override;

  private:
    void toggleConnection(bool userAsked);
    void startConnectLoop();
    std::size_t serverCount() const;
    std::string serverAt(std::size_t index) const;
    void tryServer();
    void finishConnectLoop();
    void ServerTimerTimer();

    SessionView& view_;
    WindowControls& controls_;
    EventScope& events_;
    ChatDocument& document_;
    Session& session_;
    std::unique_ptr<Timer> serverTimer_;
    std::optional<std::string> startServer_;

    bool connectCancelled_ = false;
    bool nextServer_ = false;
    bool connectPhase_ = false;
    bool loopRunning_ = false;
    std::size_t serverIndex_ = 0;
    std::size_t refusalsInRow_ = 0;  // attempts refused since the last connection
    int timeoutCount_ = 0;
};

}  // namespace verdo
