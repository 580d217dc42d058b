// The gateway: the accept loop on 127.0.0.1, the client sessions, the chat
// model and the simulated users.
#pragma once

#include <QObject>
#include <QTcpServer>
#include <memory>
#include <string>

#include "AccountBook.h"
#include "ChatWorld.h"
#include "GatewayOptions.h"
#include "Style.h"

namespace verdo::gateway {

class ClientSession;
class SimulatedUsers;

class GatewayServer : public QObject {
    Q_OBJECT
  public:
    explicit GatewayServer(GatewayOptions options, QObject* parent = nullptr);
    ~GatewayServer() override;

    // Reads the accounts file, adds the simulated users and starts listening.
    bool start(std::string& error);
    std::uint16_t port() const { return server_.serverPort(); }
    ChatWorld& world() { return world_; }
    std::size_t sessionCount() const { return sessions_; }

  private:
    void acceptPending();
    void sessionFinished(ClientSession* session);

    GatewayOptions options_;
    Style style_;
    AccountBook accounts_;
    ChatWorld world_;
    QTcpServer server_;
    std::unique_ptr<SimulatedUsers> simulated_;
    std::size_t sessions_ = 0;
};

}  // namespace verdo::gateway
