// The main window's logic: construction, wiring and the gestures that are not
// part of the session (see Session.cpp for the connect loop).
#include "chat/ChatForm.h"

#include "engine/CommandTable.h"

namespace verdo {

ChatForm::ChatForm(Platform& platform, ChatView& view)
    : platform_(platform), view_(view), log_(platform.clock()) {
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
    wireInterpreter();
    wireMessages();
    startTimer();
    bcChat_->usePacingClock(platform_.clock(), platform_.createTimer());
}

ChatForm::~ChatForm() {
    // The connection outlives nothing that its events could reach.
    chatInterface_->OnDisconnect = nullptr;
    bcChat_->ChatInterface = nullptr;
    tcChat_->ChatInterface = nullptr;
}

void ChatForm::wireConnection() {
    TChatInterface& c = *chatInterface_;
    c.OnConnect = [this] { inEvent([this] { ChatInterfaceConnect(); }); };
    c.OnConnectFailed = [this](std::string_view) {
        inEvent([this] { ChatInterfaceConnectFailed(); });
    };
    c.OnLogin = [this] { inEvent([this] { ChatInterfaceLogin(); }); };
    c.OnDataReceived = [this](std::string_view line) {
        inEvent([this, line] { ChatInterfaceDataReceived(line); });
    };
    c.OnDisconnect = [this] { inEvent([this] { ChatInterfaceDisconnect(); }); };
    c.OnConnectClosed = [this] { inEvent([this] { ChatInterfaceConnectClosed(); }); };
    c.OnSendError = [this] { inEvent([this] { ChatInterfaceSendError(); }); };
    c.OnSocketError = [this] { inEvent([this] { ChatInterfaceSocketError(); }); };
    serverTimer_->OnTimer = [this] { inEvent([this] { ServerTimerTimer(); }); };
}

void ChatForm::wireInterpreter() {
    TBnetChat& b = *bcChat_;
    b.OnInfo = [this](std::string_view m) { bcChatInfo(m); };
    b.OnError = [this](std::string_view m) { bcChatError(m); };
    b.OnUniqueName = [this](std::string_view name) { bcChatUniqueName(name); };
    b.OnUnHandled = [this](std::string_view line) { bcChatUnHandled(line); };
    wireRoster();  // the channel roster and the plain text dump
}

void ChatForm::inEvent(const std::function<void()>& handler) {
    ++eventDepth_;
    struct Leave {
        ChatForm& form;
        ~Leave() {
            if (--form.eventDepth_ == 0) form.afterEvents();
        }
    } leave{*this};
    handler();
}

void ChatForm::afterEvents() {
    // Events raised while the loop steps (a disconnect, a refusal) are handled
    // at once but leave the stepping to this loop.
    ++eventDepth_;
    advanceConnectLoop();
    --eventDepth_;
    view_.requestIdleUpdate();
}

void ChatForm::FormShow() {
    ResetOptions(options_, lists_.ProductActions);
    FillBuiltInCommands(lists_);
    startWithChatFile();  // chat files and Chat.ini
    bcChat_->setFloodInterval(2500);
    applyLogonOptions();
    view_.setActionEnabled(ChatAction::SendButtons, false);
    view_.requestIdleUpdate();
}

void ChatForm::applyLogonOptions() {
    bcChat_->UserName = options_.userName();
    bcChat_->Password = options_.password();
}

void ChatForm::addStatusLine(const std::string& text, std::uint32_t color, PaneId pane) {
    view_.addChatLine(pane, ChatLine{ChatSegment{text, color}, ChatSegment{}, ChatSegment{}});
}

void ChatForm::WriteChatLog(const std::string& text, LogKind kind) {
    log_.WriteChatLog(text, kind, options_);
}

void ChatForm::EchoOwnText(const std::string& text) {
    engine_.EchoOwnText(text);
}

void ChatForm::sendLine(const std::string& text) {
    bcChat_->SendLine(text + '\r');
}

}  // namespace verdo
