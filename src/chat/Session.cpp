// The session: the Connect action, the connect loop over the server list with
// its connect and log-on time-outs, the connection's events, and the server's
// info and error lines that move the session on.
#include <string>

#include "chat/ChatForm.h"
#include "chat/ServerEntry.h"
#include "platform/AnsiText.h"

namespace verdo {

namespace {
std::string timeoutText(int seconds) {
    return "Timeout in: " + std::to_string(seconds);
}
}  // namespace

void ChatForm::acConnectExecute() {
    inEvent([this] {
        if (chatInterface_->Connected()) {
            chatInterface_->Disconnect();
            emptyRoster();
            return;
        }
        addStatusLine("Attempting to connect.", options_.infoColor());
        startConnectLoop();
    });
}

void ChatForm::startConnectLoop() {
    refusalsInRow_ = 0;
    connectCancelled_ = false;
    loggedOn_ = false;
    connectPhase_ = true;
    loopRunning_ = true;
    view_.setActionEnabled(ChatAction::Connect, false);
    view_.setMainInputEnabled(false);
    view_.showConnectDialog();
    if (lists_.ServerList.empty()) lists_.ServerList.emplace_back(DefaultServerHost);
    serverIndex_ = 0;
    tryServer();
}

void ChatForm::tryServer() {
    timeoutCount_ = 0;
    view_.setConnectTimeoutText(timeoutText(options_.connectionTimeout()));
    if (serverIndex_ >= lists_.ServerList.size()) serverIndex_ = 0;
    currentServer_ = lists_.ServerList.empty() ? std::string(DefaultServerHost)
                                               : lists_.ServerList[serverIndex_];
    view_.setStatusText(StatusPanel::Step, "Trying Server: " + currentServer_);
    view_.setConnectServerText("Trying Server: " + currentServer_);
    const ServerAddress address = parseServerEntry(currentServer_, DefaultGatewayPort);
    chatInterface_->Address = address.host;
    chatInterface_->Port = address.port;
    chatInterface_->Connect();
    nextServer_ = false;
    connectPhase_ = true;
    serverTimer_->setEnabled(true);
}

void ChatForm::advanceConnectLoop() {
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

void ChatForm::finishConnectLoop() {
    loopRunning_ = false;
    serverTimer_->setEnabled(false);
    view_.setStatusText(StatusPanel::Detail, "");
    if (connectCancelled_) {
        view_.setStatusText(StatusPanel::Step, "");
        loggedOn_ = false;
        chatInterface_->Disconnect();
    } else {
        view_.setStatusText(StatusPanel::Detail, "Connected to: " + currentServer_);
    }
    view_.hideConnectDialog();
    view_.setActionEnabled(ChatAction::Connect, true);
    connectPhase_ = false;
    view_.setMainInputEnabled(true);
    view_.focusEntry();
}

void ChatForm::ServerTimerTimer() {
    ++timeoutCount_;
    if (connectPhase_) {
        const std::string text = timeoutText(options_.connectionTimeout() - timeoutCount_);
        view_.setStatusText(StatusPanel::Detail, text);
        view_.setConnectTimeoutText(text);
        if (timeoutCount_ >= options_.connectionTimeout()) {
            chatInterface_->Disconnect();
            chatInterface_->Connecting = false;
            nextServer_ = true;
            refusalsInRow_ = 0;  // the next round may go fast again
            timeoutCount_ = 0;
        }
        return;
    }
    const std::string text = timeoutText(options_.loginTimeout() - timeoutCount_ + 1);
    view_.setStatusText(StatusPanel::Detail, text);
    view_.setConnectTimeoutText(text);
    if (timeoutCount_ > options_.loginTimeout()) {
        chatInterface_->Connecting = false;
        chatInterface_->Disconnect();
        nextServer_ = true;
        timeoutCount_ = 0;
    }
}

void ChatForm::btnCancelClick() {
    inEvent([this] {
        connectCancelled_ = true;
        chatInterface_->CancelConnect();
        view_.hideConnectDialog();
    });
}

void ChatForm::btnNextClick() {
    inEvent([this] { nextServer_ = true; });
}

void ChatForm::ChatInterfaceConnect() {
    refusalsInRow_ = 0;
    timeoutCount_ = 0;
    view_.setStatusText(StatusPanel::Step, "Attempting to log on to " + currentServer_);
    view_.setConnectServerText("Attempting to log on to " + currentServer_);
    view_.setConnectTimeoutText(timeoutText(options_.loginTimeout()));
    bcChat_->Logon();
    connectPhase_ = false;
}

void ChatForm::ChatInterfaceConnectFailed() {
    addStatusLine("Unable to connect to " + currentServer_ + ".", options_.errorColor());
    // The next server is tried at once, unless every server of the list has
    // just refused: then the round waits for the connection time-out, so a
    // list of dead servers is not retried as fast as the machine can go.
    if (++refusalsInRow_ < lists_.ServerList.size()) nextServer_ = true;
}

void ChatForm::ChatInterfaceLogin() {
    view_.setActionEnabled(ChatAction::SendButtons, true);
}

void ChatForm::ChatInterfaceDataReceived(std::string_view line) {
    if (paused_) {
        holdList_.emplace_back(line);
        return;
    }
    interpretLine(line);
}

void ChatForm::interpretLine(std::string_view line) {
    if (!options_.plainTextDump()) {
        bcChat_->Interpret(line);
        return;
    }
    // A copy: the decoder's handlers may let more data in before the dump.
    const std::string raw(line);
    bcChat_->Interpret(raw);
    tcChat_->Interpret(raw);
}

void ChatForm::ChatInterfaceDisconnect() {
    view_.setStatusText(StatusPanel::Step, "");
    loggedOn_ = false;
    view_.setActionChecked(ChatAction::Connect, false);
    view_.setActionEnabled(ChatAction::SendButtons, false);
}

void ChatForm::ChatInterfaceConnectClosed() {
    nextServer_ = true;
    addStatusLine("Connection was terminated.", options_.errorColor());
    acConnectExecute();
    if (options_.autoReconnect() && !connectPhase_) acConnectExecute();
}

void ChatForm::ChatInterfaceSendError() {
    addStatusLine("Send error:  Server may not be responding", options_.errorColor());
    if (loggedOn_) {
        loggedOn_ = false;
        acConnectExecute();
        view_.setStatusText(StatusPanel::Step, "");
        return;
    }
    nextServer_ = true;
}

void ChatForm::ChatInterfaceSocketError() {
    view_.showMessage("Socket Error", MessageKind::Error);
}

void ChatForm::handleWelcome() {
    serverTimer_->setEnabled(false);
    loggedOn_ = true;
    view_.setStatusText(StatusPanel::Step, "Logged on to " + currentServer_);
    const std::string home = options_.homeChannel();
    sendLine("/join " + (home.empty() ? std::string(DefaultChannel) : home));
}

bool ChatForm::isKickNotice(std::string_view message) const {
    if (upperAZ(message).find("KICKED YOU OUT") != std::string::npos) return true;
    // Some servers only announce "<name> has been kicked by <op>" to everybody.
    return !uniqueName_.empty() &&
           startsWithIgnoreCaseAZ(message, uniqueName_ + " has been kicked by ");
}

void ChatForm::bcChatInfo(std::string_view message) {
    const std::string text(message);
    WriteChatLog("[Info] " + text, LogKind::Event);
    if (containsIgnoreCaseAZ(text, "welcome to")) handleWelcome();
    addStatusLine(text, options_.infoColor());
    if (upperAZ(text).find("YOU ARE NOW MARKED AS BEING AWAY") != std::string::npos) {
        setAwayChecked(true);
    }
    if (lowerAZ(text).find("you are no longer marked as away") != std::string::npos) {
        setAwayChecked(false);
    }
    if (options_.autoRejoin() && isKickNotice(text)) {
        sendLine("/join " + channelName());
        addStatusLine("Rejoining " + channelName(), options_.infoColor());
    }
    engine_.TrackWhoisLine(text);
}

void ChatForm::bcChatError(std::string_view message) {
    const std::string text(message);
    addStatusLine(text, options_.errorColor());
    WriteChatLog("[Error] " + text, LogKind::Event);
    // Some servers greet with an error line.
    if (containsIgnoreCaseAZ(text, "welcome to")) handleWelcome();
}

void ChatForm::bcChatUniqueName(std::string_view name) {
    uniqueName_ = std::string(name);
}

void ChatForm::bcChatUnHandled(std::string_view line) {
    const std::string text(line);
    if (startsWithIgnoreCaseAZ(text, "LOGIN INCORRECT") ||
        startsWithIgnoreCaseAZ(text, "Login failed.") ||
        startsWithIgnoreCaseAZ(text, "Account has no bot access.")) {
        refusedLogon();
    }
    WriteChatLog(text, LogKind::Event);
}

void ChatForm::refusedLogon() {
    // The loop is ended before the message box opens, so that no time-out can
    // move it to another server while the box waits for the user.
    connectCancelled_ = true;
    serverTimer_->setEnabled(false);
    acConnectExecute();
    advanceConnectLoop();
    view_.showMessage(
        "Log on failed.  Please check your name and password\nand be sure you are using a name and "
        "password\nyou have already set up with Diablo or Starcraft",
        MessageKind::Error);
}

void ChatForm::emptyRoster() {
    // The channel's name stays for "<channel>"; the box and the rows go.
    roster_.clear();
    view_.setChannelText("");
    view_.rosterChanged();
}

}  // namespace verdo
