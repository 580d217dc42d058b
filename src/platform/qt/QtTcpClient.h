// The TCP client service on QTcpSocket. Name lookups and connects are
// asynchronous, so the window never freezes while a host name resolves.
#pragma once

#include <QTcpSocket>
#include <memory>

#include "platform/TcpClient.h"

namespace verdo {

class QtTcpClient : public TcpClient {
  public:
    QtTcpClient();
    ~QtTcpClient() override;

    void connectToHost(const std::string& host, std::uint16_t port) override;
    std::int64_t send(std::string_view bytes) override;
    void close() override;

  private:
    void makeSocket();
    void handleError(QAbstractSocket::SocketError error);
    // Reports a failed attempt from the event loop, never inside a call of the
    // owner, and only while the attempt is still the current one.
    void reportFailure(const std::string& reason);

    std::unique_ptr<QTcpSocket> socket_;
    bool established_ = false;
    bool inConnectCall_ = false;
};

}  // namespace verdo
