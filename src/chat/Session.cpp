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
#include "protocol/ProtocolLines.h"

namespace verdo {

namespace {
constexpr int ErrorLineCode = 1019;

// The name before `marker` ("Op kicked you out of the channel!"), when the
// message holds the marker in any case.
std::optional<std::string_view> nameBefore(std::string_view message, std::string_view marker) {
    const std::size_t at = lowerAZ(message).find(marker);
    if (at == std::string::npos) return std::nullopt;
    return message.substr(0, at);
}

// The name after `lead` ("Me has been kicked by Op (reason)."), when the
// message begins with it.
std::optional<std::string_view> nameAfter(std::string_view message, const std::string& lead) {
    if (!startsWithIgnoreCaseAZ(message, lead)) return std::nullopt;
    const std::string_view rest = message.substr(lead.size());
    return rest.substr(0, rest.find_first_of(" .(!"));
}
}  // namespace

Session::Session(Platform& platform, SessionView& view, WindowControls& controls,
                 EventScope& events, ChatDocument& document, ChatLog& log, RosterEvents& roster,
                 ChatFunctions& engine, SessionEvents& stream, ChatPause& pause)
    : platform_(platform),
      view_(view),
      controls_(controls),
      events_(events),
      document_(document),
      log_(log),
      roster_(roster),
      engine_(engine),
      stream_(stream),
      pause_(pause) {
    chatInterface_ = std::make_unique<TChatInterface>(platform_.createTcpClient());
    chatInterface_->Port = DefaultGatewayPort;
    chatInterface_->setNoLineFeed(true);
    chatInterface_->setNoReturn(true);
    bcChat_ = std::make_unique<TBnetChat>(platform_.createTimer());
    bcChat_->ChatInterface = chatInterface_.get();
    tcChat_ = std::make_unique<TTextChat>();
    tcChat_->ChatInterface = chatInterface_.get();
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
        events_.run([this, reason] {
            if (listener_) listener_->connectFailed(reason);
        });
    };
    c.OnLogin = [this] { events_.run([this] { controls_.setSendButtonsEnabled(true); }); };
    c.OnDataReceived = [this](std::string_view line) {
        events_.run([this, line] { ChatInterfaceDataReceived(line); });
    };
    c.OnDisconnect = [this] { events_.run([this] { ChatInterfaceDisconnect(); }); };
    c.OnConnectClosed = [this] {
        events_.run([this] {
            if (listener_) listener_->connectionClosed();
        });
    };
    c.OnSendError = [this] { events_.run([this] { ChatInterfaceSendError(); }); };
    c.OnSocketError = [this] {
        events_.run([this] { view_.showMessage(texts::SocketError, MessageKind::Error); });
    };
}

void Session::applyLogonOptions() {
    bcChat_->UserName = document_.options().userName();
    bcChat_->Password = document_.options().password();
}

namespace {
std::string withReturn(std::string_view text) {
    std::string line;
    line.reserve(text.size() + 1);
    line.append(text).push_back('\r');
    return line;
}
}  // namespace

// The decoder's send queue lets the classes leave in their order.
void Session::sendLine(std::string_view text, SendClass cls) {
    sendRaw(withReturn(text), cls);
}

void Session::sendRaw(const std::string& bytes, SendClass cls) {
    bcChat_->SendLine(bytes, cls);
}

bool Session::sendTimedLine(std::string_view text, int timerIndex) {
    return bcChat_->SendLine(withReturn(text), SendClass::Timed, timerIndex);
}

void Session::connectTo(const std::string& server) {
    loggedOn_ = false;
    currentServer_ = server;
    const ServerAddress address = parseServerEntry(currentServer_, DefaultGatewayPort);
    chatInterface_->Address = address.host;
    chatInterface_->Port = address.port;
    chatInterface_->Connect();
}

void Session::logOn() {
    bcChat_->Logon();
}

void Session::abandonAttempt() {
    chatInterface_->Disconnect();
    chatInterface_->Connecting = false;
}

void Session::cancelAttempt() {
    chatInterface_->CancelConnect();
}

void Session::dropConnection() {
    loggedOn_ = false;
    chatInterface_->Disconnect();
}

void Session::disconnect(bool userAsked) {
    loggedOn_ = false;
    disconnectAsked_ = userAsked;
    chatInterface_->Disconnect();
    disconnectAsked_ = false;
    roster_.emptyRoster();
}

void Session::ChatInterfaceConnect() {
    hadConnection_ = true;
    if (listener_) listener_->connected();
}

void Session::ChatInterfaceDataReceived(std::string_view line) {
    if (pause_.hold(line)) return;
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
    // At once, not at the next idle update: an automatic reconnect starts
    // inside the closing event, and the pause must not hold its log-on.
    pause_.end();
    if (!hadConnection_) return;
    hadConnection_ = false;
    SessionEvent event{SessionEventKind::Disconnected};
    event.userAsked = disconnectAsked_;
    stream_.publish(event);
}

void Session::ChatInterfaceSendError() {
    addStatusLine(view_, texts::SendError, document_.options().errorColor());
    const bool wasLoggedOn = loggedOn_;
    loggedOn_ = false;
    if (listener_) listener_->sendFailed(wasLoggedOn);
}

void Session::publish(SessionEventKind kind, std::string_view text, std::string_view user) {
    SessionEvent event{kind};
    event.text = text;
    event.user = user;
    stream_.publish(event);
}

void Session::handleWelcome() {
    if (listener_) listener_->loggedOn();
    loggedOn_ = true;
    greeting_ = true;
    view_.setStatusText(StatusPanel::Step, texts::LoggedOnTo + currentServer_);
    publish(SessionEventKind::LoggedOn, currentServer_, uniqueName_);
    const std::string home = document_.options().homeChannel();
    sendLine(joinLine(home.empty() ? std::string(DefaultChannel) : home), SendClass::Typed);
}

std::optional<std::string_view> Session::kickNotice(std::string_view message) const {
    if (auto op = nameBefore(message, " kicked you out")) return op;
    if (upperAZ(message).find("KICKED YOU OUT") != std::string::npos) return std::string_view();
    // Some servers only announce "<name> has been kicked by <op>" to everybody.
    if (uniqueName_.empty()) return std::nullopt;
    return nameAfter(message, uniqueName_ + " has been kicked by ");
}

std::optional<std::string_view> Session::banNotice(std::string_view message) const {
    if (auto op = nameBefore(message, " banned you from")) return op;
    if (uniqueName_.empty()) return std::nullopt;
    return nameAfter(message, uniqueName_ + " was banned by ");
}

void Session::bcChatInfo(std::string_view message) {
    const std::string text(message);
    log_.WriteChatLog("[Info] " + text, LogKind::Event, document_.options());
    if (containsIgnoreCaseAZ(text, "welcome to")) handleWelcome();
    addStatusLine(view_, text, document_.options().infoColor());
    publish(SessionEventKind::Info, text);
    if (const std::optional<std::string_view> op = kickNotice(text)) {
        if (document_.options().autoRejoin()) {
            sendLine(joinLine(roster_.channelName()), SendClass::Typed);
            addStatusLine(view_, texts::Rejoining + roster_.channelName(),
                          document_.options().infoColor());
        }
        publish(SessionEventKind::Kicked, text, *op);
    } else if (const std::optional<std::string_view> banner = banNotice(text)) {
        publish(SessionEventKind::Banned, text, *banner);
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
    publish(greeting ? SessionEventKind::Info : SessionEventKind::Error, text);
}

void Session::bcChatUniqueName(std::string_view name) {
    uniqueName_ = std::string(name);
}

void Session::bcChatUnHandled(std::string_view line) {
    const std::string text(line);
    if (startsWithIgnoreCaseAZ(text, "LOGIN INCORRECT") ||
        startsWithIgnoreCaseAZ(text, "Login failed.") ||
        startsWithIgnoreCaseAZ(text, "Account has no bot access.")) {
        if (listener_) listener_->logOnRefused();
    }
    log_.WriteChatLog(text, LogKind::Event, document_.options());
}

void Session::bcChatNotDelivered(std::string_view line) {
    addStatusLine(view_, texts::NotDelivered + std::string(line), document_.options().infoColor());
}

void Session::bcChatLinesDropped(int count) {
    addStatusLine(view_,
                  texts::QueueFull + std::to_string(count) +
                      (count == 1 ? texts::DroppedLine : texts::DroppedLines),
                  document_.options().infoColor());
}

}  // namespace verdo
