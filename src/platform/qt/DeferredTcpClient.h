// DeferredTcpClient: a TCP client whose real one is made at the first
// connect, so that the program starts without loading the network code. It
// passes every call on to the real client and every report back to its
// owner. When no real client can be made, the attempt fails with the reason,
// reported from the event loop like any other failure.
#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "platform/TcpClient.h"

namespace verdo {

class DeferredTcpClient : public TcpClient {
  public:
    // Makes the real client, or returns nothing and says why in `error`.
    using Make = std::function<std::unique_ptr<TcpClient>(std::string& error)>;

    explicit DeferredTcpClient(Make make);

    void connectToHost(const std::string& host, std::uint16_t port) override;
    std::int64_t send(std::string_view bytes) override;
    void close() override;

  private:
    Make make_;
    std::unique_ptr<TcpClient> client_;
    // Owns the pending failure report: it goes with this client.
    QObject context_;
    int attempt_ = 0;  // a failure report is stale once another attempt or a close came
};

}  // namespace verdo
