// One client connection: log-on, then its lines go to the chat model, with
// flood control and a bound on what waits to be sent to it.
#pragma once

#include <QObject>
#include <QTimer>
#include <memory>

#include "ChatWorld.h"
#include "FloodGuard.h"
#include "GatewayOptions.h"
#include "LogonFlow.h"
#include "Member.h"
#include "platform/LineReader.h"

class QTcpSocket;

namespace verdo::gateway {

class ClientSession : public QObject, public Member {
    Q_OBJECT
  public:
    ClientSession(QTcpSocket* socket, ChatWorld& world, const GatewayOptions& options,
                  QObject* parent);
    ~ClientSession() override;

    void deliver(const std::string& bytes) override;

  signals:
    void finished(verdo::gateway::ClientSession* session);

  private:
    void onReadyRead();
    void onLine(const std::string& line);
    void onLoggedOn(const std::string& base, const Account& account);
    // Ends the session after this event: `flush` lets queued bytes go out first.
    void end(bool flush);
    void finish();
    std::unique_ptr<FloodGuard> makeFloodGuard() const;

    QTcpSocket* socket_;
    ChatWorld& world_;
    const GatewayOptions& options_;
    LogonFlow logon_;
    LineReader reader_;
    std::unique_ptr<FloodGuard> flood_;
    QTimer logonTimer_;
    bool entered_ = false;
    bool ending_ = false;
    bool finished_ = false;
};

}  // namespace verdo::gateway
