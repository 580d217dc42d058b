// Making the TCP client at the first connect (see DeferredTcpClient.h).
#include "platform/qt/DeferredTcpClient.h"

#include <QTimer>

namespace verdo {

DeferredTcpClient::DeferredTcpClient(Make make) : make_(std::move(make)) {}

void DeferredTcpClient::connectToHost(const std::string& host, std::uint16_t port) {
    ++attempt_;
    if (!client_) {
        std::string error;
        client_ = make_(error);
        if (!client_) {
            QTimer::singleShot(0, &context_, [this, attempt = attempt_, error] {
                if (attempt == attempt_ && OnConnectFailed) OnConnectFailed(error);
            });
            return;
        }
        // The owner's handlers are looked up at each report: it may set them at any time.
        client_->OnConnected = [this] {
            if (OnConnected) OnConnected();
        };
        client_->OnConnectFailed = [this](std::string_view reason) {
            if (OnConnectFailed) OnConnectFailed(reason);
        };
        client_->OnData = [this](std::string_view bytes) {
            if (OnData) OnData(bytes);
        };
        client_->OnClosed = [this] {
            if (OnClosed) OnClosed();
        };
        client_->OnError = [this] {
            if (OnError) OnError();
        };
    }
    client_->connectToHost(host, port);
}

std::int64_t DeferredTcpClient::send(std::string_view bytes) {
    return client_ ? client_->send(bytes) : -1;
}

void DeferredTcpClient::close() {
    ++attempt_;
    if (client_) client_->close();
}

}  // namespace verdo
