// The accept loop (see GatewayServer.h).
#include "GatewayServer.h"

#include <QTcpSocket>

#include "ClientSession.h"
#include "SimulatedUsers.h"

namespace verdo::gateway {

namespace {
constexpr int kBacklog = 1024;  // many clients may connect at the same moment
}

GatewayServer::GatewayServer(GatewayOptions options, QObject* parent)
    : QObject(parent),
      options_(std::move(options)),
      style_(options_.style),
      world_(style_, accounts_, options_.world) {
    server_.setListenBacklogSize(kBacklog);
    server_.setMaxPendingConnections(kBacklog);
    connect(&server_, &QTcpServer::newConnection, this, &GatewayServer::acceptPending);
}

GatewayServer::~GatewayServer() {
    // Sessions leave the chat model before it goes.
    for (ClientSession* session : findChildren<ClientSession*>(Qt::FindDirectChildrenOnly))
        delete session;
    simulated_.reset();
}

bool GatewayServer::start(std::string& error) {
    if (!options_.accountsFile.empty() && !accounts_.load(options_.accountsFile, error))
        return false;
    simulated_ = std::make_unique<SimulatedUsers>(world_, options_);
    if (!server_.listen(QHostAddress::LocalHost, options_.port)) {
        error = server_.errorString().toStdString();
        return false;
    }
    return true;
}

void GatewayServer::acceptPending() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        auto* session = new ClientSession(socket, world_, options_, this);
        ++sessions_;
        connect(session, &ClientSession::finished, this, &GatewayServer::sessionFinished);
    }
}

void GatewayServer::sessionFinished(ClientSession* session) {
    --sessions_;
    session->deleteLater();
}

}  // namespace verdo::gateway
