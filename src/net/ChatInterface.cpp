// The connection component (see ChatInterface.h).
#include "net/ChatInterface.h"

namespace verdo {

namespace {
void raise(const tChatEvent& event) {
    if (event) event();
}
}  // namespace

TChatInterface::TChatInterface(std::unique_ptr<TcpClient> client) : client_(std::move(client)) {
    client_->OnConnected = [this] { handleConnected(); };
    client_->OnConnectFailed = [this](std::string_view reason) { handleConnectFailed(reason); };
    client_->OnData = [this](std::string_view bytes) { splitter_.feed(bytes); };
    client_->OnClosed = [this] { handleClosed(); };
    client_->OnError = [this] { raise(OnSocketError); };
    splitter_.onLine = [this](std::string_view line) {
        if (OnDataReceived) OnDataReceived(line);
    };
}

TChatInterface::~TChatInterface() {
    // No event may reach an owner that is being torn down.
    OnDisconnect = nullptr;
    if (connected_) Disconnect();
    client_->close();
}

bool TChatInterface::Connect() {
    if (Connecting) return false;
    Connecting = true;
    // Never two live connections: an earlier socket is closed first.
    if (socket_ != Socket::None) client_->close();
    connected_ = false;
    splitter_.clear();
    socket_ = Socket::Open;
    client_->connectToHost(Address, Port);
    return true;
}

void TChatInterface::Disconnect() {
    connected_ = false;
    splitter_.clear();
    if (socket_ == Socket::None) return;
    if (socket_ == Socket::Open) client_->close();
    socket_ = Socket::None;
    raise(OnDisconnect);
}

void TChatInterface::CancelConnect() {
    if (!Connecting) return;
    client_->close();
    if (socket_ == Socket::Open) socket_ = Socket::ClosedByPeer;
    // Cleared so that the next Connect is not refused.
    Connecting = false;
}

bool TChatInterface::SendString(const std::string& text) {
    if (!connected_) return false;
    std::string_view rest(text);
    // The whole text goes out: a partial send continues with the rest in order.
    while (!rest.empty()) {
        const std::int64_t sent = socket_ == Socket::Open ? client_->send(rest) : -1;
        if (sent <= 0) {
            raise(OnSendError);
            return false;
        }
        rest.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
}

bool TChatInterface::SendLoginScript() {
    if (!connected_) return true;
    // A copy: a handler of a failed send may change the script.
    const std::vector<std::string> script = LoginScript;
    for (const std::string& item : script) {
        if (!SendString(item + '\r')) return false;
    }
    raise(OnLogin);
    return true;
}

void TChatInterface::handleConnected() {
    connected_ = true;
    raise(OnConnect);
    Connecting = false;
}

void TChatInterface::handleConnectFailed(std::string_view reason) {
    const std::string kept(reason);  // closing may free what the view shows
    client_->close();
    socket_ = Socket::None;
    Connecting = false;
    connected_ = false;
    if (OnConnectFailed) OnConnectFailed(kept);
}

void TChatInterface::handleClosed() {
    client_->close();
    if (socket_ == Socket::Open) socket_ = Socket::ClosedByPeer;
    raise(OnConnectClosed);
}

}  // namespace verdo
