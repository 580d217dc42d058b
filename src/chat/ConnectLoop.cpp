// The connect loop (see ConnectLoop.h).
#include "chat/ConnectLoop.h"

#include "chat/ChatDocument.h"
#include "chat/MessageTexts.h"
#include "chat/ProgramConstants.h"
#include "chat/Session.h"

namespace verdo {

namespace {
std::string timeoutText(int seconds) {
    return texts::TimeoutIn + std::to_string(seconds);
}
}  // namespace

ConnectLoop::ConnectLoop(Platform& platform, SessionView& view, WindowControls& controls,
                         EventScope& events, ChatDocument& document, Session& session)
    : view_(view), controls_(controls), events_(events), document_(document), session_(session) {
    serverTimer_ = platform.createTimer();
    serverTimer_->setInterval(1000);
    serverTimer_->setEnabled(false);
    serverTimer_->OnTimer = [this] { events_.run([this] { ServerTimerTimer(); }); };
    session_.setConnectionListener(this);
}

ConnectLoop::~ConnectLoop() {
    session_.setConnectionListener(nullptr);
}

void ConnectLoop::acConnectExecute() {
    toggleConnection(/*userAsked=*/true);
}

void ConnectLoop::disconnectByCommand() {
    toggleConnection(/*userAsked=*/false);
}

void ConnectLoop::toggleConnection(bool userAsked) {
    events_.run([this, userAsked] {
        if (session_.connected()) {
            session_.disconnect(userAsked);
            return;
        }
        addStatusLine(view_, texts::AttemptingToConnect, document_.options().infoColor());
        startConnectLoop();
    });
}

void ConnectLoop::startConnectLoop() {
    refusalsInRow_ = 0;
    connectCancelled_ = false;
    connectPhase_ = true;
    loopRunning_ = true;
    controls_.setActionEnabled(ChatAction::Connect, false);
    controls_.setMainInputEnabled(false);
    controls_.showConnectDialog();
    if (document_.lists().ServerList.empty())
        document_.lists().ServerList.emplace_back(DefaultServerHost);
    serverIndex_ = 0;
    tryServer();
}

// The start server first, unless the list begins with it anyway; then the list.
std::size_t ConnectLoop::serverCount() const {
    const tStringList& list = document_.lists().ServerList;
    const bool extra = startServer_ && (list.empty() || list.front() != *startServer_);
    return list.size() + (extra ? 1 : 0);
}

std::string ConnectLoop::serverAt(std::size_t index) const {
    const tStringList& list = document_.lists().ServerList;
    if (serverCount() > list.size()) {
        if (index == 0) return *startServer_;
        --index;
    }
    return index < list.size() ? list[index] : std::string(DefaultServerHost);
}

void ConnectLoop::tryServer() {
    timeoutCount_ = 0;
    controls_.setConnectTimeoutText(timeoutText(document_.options().connectionTimeout()));
    if (serverIndex_ >= serverCount()) serverIndex_ = 0;
    const std::string server = serverAt(serverIndex_);
    view_.setStatusText(StatusPanel::Step, texts::TryingServer + server);
    controls_.setConnectServerText(texts::TryingServer + server);
    session_.connectTo(server);
    nextServer_ = false;
    connectPhase_ = true;
    serverTimer_->setEnabled(true);
}

void ConnectLoop::advanceConnectLoop() {
    while (loopRunning_) {
        if (session_.LoggedOn() || connectCancelled_) {
            finishConnectLoop();
            return;
        }
        if (!nextServer_) return;
        session_.abandonAttempt();
        ++serverIndex_;
        tryServer();
    }
}

void ConnectLoop::finishConnectLoop() {
    loopRunning_ = false;
    serverTimer_->setEnabled(false);
    view_.setStatusText(StatusPanel::Detail, "");
    if (connectCancelled_) {
        view_.setStatusText(StatusPanel::Step, "");
        session_.dropConnection();
    } else {
        view_.setStatusText(StatusPanel::Detail, texts::ConnectedTo + session_.CurrentServer());
    }
    controls_.hideConnectDialog();
    controls_.setActionEnabled(ChatAction::Connect, true);
    connectPhase_ = false;
    controls_.setMainInputEnabled(true);
    controls_.focusEntry();
}

void ConnectLoop::ServerTimerTimer() {
    ++timeoutCount_;
    if (connectPhase_) {
        const std::string text =
            timeoutText(document_.options().connectionTimeout() - timeoutCount_);
        view_.setStatusText(StatusPanel::Detail, text);
        controls_.setConnectTimeoutText(text);
        if (timeoutCount_ >= document_.options().connectionTimeout()) {
            session_.abandonAttempt();
            nextServer_ = true;
            refusalsInRow_ = 0;  // the next round may go fast again
            timeoutCount_ = 0;
        }
        return;
    }
    const std::string text = timeoutText(document_.options().loginTimeout() - timeoutCount_ + 1);
    view_.setStatusText(StatusPanel::Detail, text);
    controls_.setConnectTimeoutText(text);
    if (timeoutCount_ > document_.options().loginTimeout()) {
        session_.abandonAttempt();
        nextServer_ = true;
        timeoutCount_ = 0;
    }
}

void ConnectLoop::btnCancelClick() {
    events_.run([this] {
        connectCancelled_ = true;
        session_.cancelAttempt();
        controls_.hideConnectDialog();
    });
}

void ConnectLoop::btnNextClick() {
    events_.run([this] { nextServer_ = true; });
}

void ConnectLoop::connected() {
    refusalsInRow_ = 0;
    timeoutCount_ = 0;
    const std::string server = session_.CurrentServer();
    view_.setStatusText(StatusPanel::Step, texts::AttemptingToLogOn + server);
    controls_.setConnectServerText(texts::AttemptingToLogOn + server);
    controls_.setConnectTimeoutText(timeoutText(document_.options().loginTimeout()));
    session_.logOn();
    connectPhase_ = false;
}

void ConnectLoop::connectFailed(std::string_view reason) {
    std::string line = "Unable to connect to " + session_.CurrentServer();
    if (!reason.empty()) line += ": " + std::string(reason);
    addStatusLine(view_, line + ".", document_.options().errorColor());
    // The next server is tried at once, unless every server of the list has
    // just refused: then the round waits for the connection time-out, so a
    // list of dead servers is not retried as fast as the machine can go.
    if (++refusalsInRow_ < serverCount()) nextServer_ = true;
}

void ConnectLoop::loggedOn() {
    serverTimer_->setEnabled(false);
}

void ConnectLoop::logOnRefused() {
    // The loop is ended before the message box opens, so that no time-out can
    // move it to another server while the box waits for the user.
    connectCancelled_ = true;
    serverTimer_->setEnabled(false);
    toggleConnection(/*userAsked=*/false);
    advanceConnectLoop();
    view_.showMessage(texts::LogOnFailed, MessageKind::Error);
}

void ConnectLoop::connectionClosed() {
    nextServer_ = true;
    addStatusLine(view_, texts::ConnectionTerminated, document_.options().errorColor());
    toggleConnection(/*userAsked=*/false);
    if (document_.options().autoReconnect() && !connectPhase_) toggleConnection(false);
}

void ConnectLoop::sendFailed(bool wasLoggedOn) {
    if (wasLoggedOn) {
        toggleConnection(/*userAsked=*/false);
        view_.setStatusText(StatusPanel::Step, "");
        return;
    }
    nextServer_ = true;
}

}  // namespace verdo
