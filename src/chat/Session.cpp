// The session (see Session.h).
#include "chat/Session.h"

#include <string>

#include "chat/ChatDocument.h"
#include "chat/MessageTexts.h"
#include "chat/ProgramConstants.h"
#include "chat/RosterEvents.h"
#include "chat/ServerEntry.h"
#include "engine/ChatFunctions.h"
#include "platform/AnsiText.h"

namespace verdo {

namespace {
constexpr int ErrorLineCode = 1019;

std::string timeoutText(int seconds) {
    return texts::TimeoutIn + std::to_string(seconds);
}

struct AwayMode {
    const char* title;
    const char* prompt;
    const char* command;
};
constexpr AwayMode kAway{texts::AwayTitle, texts::AwayPrompt, "/away"};
constexpr AwayMode kDND{texts::DNDTitle, texts::DNDPrompt, "/DND"};
}  // namespace

Session::Session(Platform& platform, SessionView& view, WindowControls& controls,
                 EventScope& events, ChatDocument& document, ChatLog& log, RosterEvents& roster,
                 ChatFunctions& engine)
    : platform_(platform),
      view_(view),
      controls_(controls),
      events_(events),
      document_(document),
      log_(log),
      roster_(roster),
      engine_(engine) {
    chatInterface_ = std::make_unique<TChatInterface>(platform_.createTcpClient());
    chatInterface_->Port = DefaultGatewayPort;
    chatInterface_->setNoLineFeed(true);
    chatInterface_->setNoReturn(true);
    bcChat_ = std::make_unique<TBnetChat>(platform_.createTimer());
    bcChat_->ChatInterface = chatInterface_.get();
    tcChat_ = std::make_unique<TTextChat>();
    tcChat_->ChatInterface = chatInterface_.get();
    serverTimer_ = platform_.createTimer();
    serverTimer_->setInterval(1000);
    serverTimer_->setEnabled(false);
    wireConnection();
}

Session::~Session() {
    // The connection outlives nothing that its events could reach.
    chatInterface_->OnDisconnect = nullptr;
    bcChat_->ChatInterface = nullptr;
    tcChat_->ChatInterface = nullptr;
}

void Session::wireConnection() {
    TChatInterface& c = *chatInterface_;
    c.OnConnect = [this] { events_.run([this] { ChatInterfaceConnect(); }); };
    c.OnConnectFailed = [this](std::string_view reason) {
        events_.run([this, reason] { ChatInterfaceConnectFailed(reason); });
    };
    c.OnLogin = [this] { events_.run([this] { ChatInterfaceLogin(); }); };
    c.OnDataReceived = [this](std::string_view line) {
        events_.run([this, line] { ChatInterfaceDataReceived(line); });
    };
    c.OnDisconnect = [this] { events_.run([this] { ChatInterfaceDisconnect(); }); };
    c.OnConnectClosed = [this] { events_.run([this] { ChatInterfaceConnectClosed(); }); };
    c.OnSendError = [this] { events_.run([this] { ChatInterfaceSendError(); }); };
    c.OnSocketError = [this] { events_.run([this] { ChatInterfaceSocketError(); }); };
    serverTimer_->OnTimer = [this] { events_.run([this] { ServerTimerTimer(); }); };
}

void Session::applyLogonOptions() {
    bcChat_->UserName = document_.options().userName();
    bcChat_->Password = document_.options().password();
}

void Session::sendLine(const std::string& text) {
    bcChat_->SendLine(text + '\r');
}

void Session::acConnectExecute() {
    events_.run([this] {
        if (chatInterface_->Connected()) {
            chatInterface_->Disconnect();
            roster_.emptyRoster();
            return;
        }
        addStatusLine(view_, texts::AttemptingToConnect, document_.options().infoColor());
        startConnectLoop();
    });
}

void Session::startConnectLoop() {
    refusalsInRow_ = 0;
    connectCancelled_ = false;
    loggedOn_ = false;
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
std::size_t Session::serverCount() const {
    const tStringList& list = document_.lists().ServerList;
    const bool extra = startServer_ && (list.empty() || list.front() != *startServer_);
    return list.size() + (extra ? 1 : 0);
}

std::string Session::serverAt(std::size_t index) const {
    const tStringList& list = document_.lists().ServerList;
    if (serverCount() > list.size()) {
        if (index == 0) return *startServer_;
        --index;
    }
    return index < list.size() ? list[index] : std::string(DefaultServerHost);
}

void Session::tryServer() {
    timeoutCount_ = 0;
    controls_.setConnectTimeoutText(timeoutText(document_.options().connectionTimeout()));
    if (serverIndex_ >= serverCount()) serverIndex_ = 0;
    currentServer_ = serverAt(serverIndex_);
    view_.setStatusText(StatusPanel::Step, texts::TryingServer + currentServer_);
    controls_.setConnectServerText(texts::TryingServer + currentServer_);
    const ServerAddress address = parseServerEntry(currentServer_, DefaultGatewayPort);
    chatInterface_->Address = address.host;
    chatInterface_->Port = address.port;
    chatInterface_->Connect();
    nextServer_ = false;
    connectPhase_ = true;
    serverTimer_->setEnabled(true);
}

void Session::advanceConnectLoop() {
    while (loopRunning_) {
        if (loggedOn_ || connectCancelled_) {
            finishConnectLoop();
            return;
        }
        if (!nextServer_) return;
        // The attempt in progress is given up before the next server is tried,
        // so that two connections never overlap.
        chatInterface_->Disconnect();
        chatInterface_->Connecting = false;
        ++serverIndex_;
        tryServer();
    }
}

void Session::finishConnectLoop() {
    loopRunning_ = false;
    serverTimer_->setEnabled(false);
    view_.setStatusText(StatusPanel::Detail, "");
    if (connectCancelled_) {
        view_.setStatusText(StatusPanel::Step, "");
        loggedOn_ = false;
        chatInterface_->Disconnect();
    } else {
        view_.setStatusText(StatusPanel::Detail, texts::ConnectedTo + currentServer_);
    }
    controls_.hideConnectDialog();
    controls_.setActionEnabled(ChatAction::Connect, true);
    connectPhase_ = false;
    controls_.setMainInputEnabled(true);
    controls_.focusEntry();
}

void Session::ServerTimerTimer() {
    ++timeoutCount_;
    if (connectPhase_) {
        const std::string text =
            timeoutText(document_.options().connectionTimeout() - timeoutCount_);
        view_.setStatusText(StatusPanel::Detail, text);
        controls_.setConnectTimeoutText(text);
        if (timeoutCount_ >= document_.options().connectionTimeout()) {
            chatInterface_->Disconnect();
            chatInterface_->Connecting = false;
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
        chatInterface_->Connecting = false;
        chatInterface_->Disconnect();
        nextServer_ = true;
        timeoutCount_ = 0;
    }
}

void Session::btnCancelClick() {
    events_.run([this] {
        connectCancelled_ = true;
        chatInterface_->CancelConnect();
        controls_.hideConnectDialog();
    });
}

void Session::btnNextClick() {
    events_.run([this] { nextServer_ = true; });
}

void Session::ChatInterfaceConnect() {
    refusalsInRow_ = 0;
    timeoutCount_ = 0;
    view_.setStatusText(StatusPanel::Step, texts::AttemptingToLogOn + currentServer_);
    controls_.setConnectServerText(texts::AttemptingToLogOn + currentServer_);
    controls_.setConnectTimeoutText(timeoutText(document_.options().loginTimeout()));
    bcChat_->Logon();
    connectPhase_ = false;
}

void Session::ChatInterfaceConnectFailed(std::string_view reason) {
    std::string line = "Unable to connect to " + currentServer_;
    if (!reason.empty()) line += ": " + std::string(reason);
    addStatusLine(view_, line + ".", document_.options().errorColor());
    // The next server is tried at once, unless every server of the list has
    // just refused: then the round waits for the connection time-out, so a
    // list of dead servers is not retried as fast as the machine can go.
    if (++refusalsInRow_ < serverCount()) nextServer_ = true;
}

void Session::ChatInterfaceLogin() {
    controls_.setSendButtonsEnabled(true);
}

void Session::ChatInterfaceDataReceived(std::string_view line) {
    if (HoldLine && HoldLine(line)) return;
    interpretLine(line);
}

void Session::interpretLine(std::string_view line) {
    // The greeting ends with the first line after the welcome that is not an
    // error line.
    if (greeting_ && TBnetChat::lineCode(line) != ErrorLineCode) greeting_ = false;
    if (!document_.options().plainTextDump()) {
        bcChat_->Interpret(line);
        return;
    }
    // A copy: the decoder's handlers may let more data in before the dump.
    const std::string raw(line);
    bcChat_->Interpret(raw);
    tcChat_->Interpret(raw);
}

void Session::ChatInterfaceDisconnect() {
    view_.setStatusText(StatusPanel::Step, "");
    loggedOn_ = false;
    greeting_ = false;
    controls_.setActionChecked(ChatAction::Connect, false);
    controls_.setSendButtonsEnabled(false);
    if (OnSessionEnded) OnSessionEnded();
}

void Session::ChatInterfaceConnectClosed() {
    nextServer_ = true;
    addStatusLine(view_, texts::ConnectionTerminated, document_.options().errorColor());
    acConnectExecute();
    if (document_.options().autoReconnect() && !connectPhase_) acConnectExecute();
}

void Session::ChatInterfaceSendError() {
    addStatusLine(view_, texts::SendError, document_.options().errorColor());
    if (loggedOn_) {
        loggedOn_ = false;
        acConnectExecute();
        view_.setStatusText(StatusPanel::Step, "");
        return;
    }
    nextServer_ = true;
}

void Session::ChatInterfaceSocketError() {
    view_.showMessage(texts::SocketError, MessageKind::Error);
}

void Session::handleWelcome() {
    serverTimer_->setEnabled(false);
    loggedOn_ = true;
    greeting_ = true;
    view_.setStatusText(StatusPanel::Step, texts::LoggedOnTo + currentServer_);
    const std::string home = document_.options().homeChannel();
    sendLine("/join " + (home.empty() ? std::string(DefaultChannel) : home));
}

bool Session::isKickNotice(std::string_view message) const {
    if (upperAZ(message).find("KICKED YOU OUT") != std::string::npos) return true;
    // Some servers only announce "<name> has been kicked by <op>" to everybody.
    return !uniqueName_.empty() &&
           startsWithIgnoreCaseAZ(message, uniqueName_ + " has been kicked by ");
}

void Session::bcChatInfo(std::string_view message) {
    const std::string text(message);
    log_.WriteChatLog("[Info] " + text, LogKind::Event, document_.options());
    if (containsIgnoreCaseAZ(text, "welcome to")) handleWelcome();
    addStatusLine(view_, text, document_.options().infoColor());
    if (upperAZ(text).find("YOU ARE NOW MARKED AS BEING AWAY") != std::string::npos) {
        setAwayChecked(true);
    }
    if (lowerAZ(text).find("you are no longer marked as away") != std::string::npos) {
        setAwayChecked(false);
    }
    if (document_.options().autoRejoin() && isKickNotice(text)) {
        sendLine("/join " + roster_.channelName());
        addStatusLine(view_, texts::Rejoining + roster_.channelName(),
                      document_.options().infoColor());
    }
    engine_.TrackWhoisLine(text);
}

// Some servers greet with error lines: the welcome and the message of the day
// that follows it. Until the log-on has completed an error line is news, not
// an error.
void Session::bcChatError(std::string_view message) {
    const std::string text(message);
    const bool greeting = !loggedOn_ || greeting_;
    if (containsIgnoreCaseAZ(text, "welcome to")) handleWelcome();
    const tOptions& options = document_.options();
    addStatusLine(view_, text, greeting ? options.infoColor() : options.errorColor());
    log_.WriteChatLog((greeting ? "[Info] " : "[Error] ") + text, LogKind::Event, options);
}

void Session::bcChatUniqueName(std::string_view name) {
    uniqueName_ = std::string(name);
}

void Session::bcChatUnHandled(std::string_view line) {
    const std::string text(line);
    if (startsWithIgnoreCaseAZ(text, "LOGIN INCORRECT") ||
        startsWithIgnoreCaseAZ(text, "Login failed.") ||
        startsWithIgnoreCaseAZ(text, "Account has no bot access.")) {
        refusedLogon();
    }
    log_.WriteChatLog(text, LogKind::Event, document_.options());
}

void Session::bcChatNotDelivered(std::string_view line) {
    addStatusLine(view_, texts::NotDelivered + std::string(line), document_.options().infoColor());
}

void Session::refusedLogon() {
    // The loop is ended before the message box opens, so that no time-out can
    // move it to another server while the box waits for the user.
    connectCancelled_ = true;
    serverTimer_->setEnabled(false);
    acConnectExecute();
    advanceConnectLoop();
    view_.showMessage(texts::LogOnFailed, MessageKind::Error);
}

void Session::setAwayChecked(bool checked) {
    awayChecked_ = checked;
    controls_.setActionChecked(ChatAction::Away, checked);
}

void Session::setDNDChecked(bool checked) {
    dndChecked_ = checked;
    controls_.setActionChecked(ChatAction::DND, checked);
}

void Session::acAwayExecute() {
    events_.run([this] { toggleMode(/*dnd=*/false); });
}

void Session::acDNDExecute() {
    events_.run([this] { toggleMode(/*dnd=*/true); });
}

// Switched on with a reason asked in an input box, off with the bare command.
void Session::toggleMode(bool dnd) {
    const AwayMode& mode = dnd ? kDND : kAway;
    bool& on = dnd ? dndOn_ : awayOn_;
    auto setChecked = [this, dnd](bool checked) {
        dnd ? setDNDChecked(checked) : setAwayChecked(checked);
    };
    if (on) {
        setChecked(false);
        on = false;
        sendLine(mode.command);
        return;
    }
    tOptions& options = document_.options();
    const std::string stored = dnd ? options.dndReason() : options.awayReason();
    const std::optional<std::string> reason = view_.inputBox(mode.title, mode.prompt, stored);
    if (!reason) {
        setChecked(false);
    } else if (!reason->empty()) {
        on = true;
        setChecked(true);
        if (*reason != stored) document_.setModified(true);
        dnd ? options.setDndReason(*reason) : options.setAwayReason(*reason);
        sendLine(std::string(mode.command) + " " +
                 (dnd ? options.dndReason() : options.awayReason()));
    }
    controls_.focusEntry();
}

}  // namespace verdo
