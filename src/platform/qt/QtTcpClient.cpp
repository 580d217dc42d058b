// QTcpSocket behind the TcpClient interface.
#include "platform/qt/QtTcpClient.h"

#include <QHostAddress>
#include <QTimer>

namespace verdo {

QtTcpClient::QtTcpClient() = default;

QtTcpClient::~QtTcpClient() {
    close();
}

void QtTcpClient::makeSocket() {
    // A fresh socket per attempt: signals of an abandoned attempt can never
    // reach the owner of the next one.
    socket_ = std::make_unique<QTcpSocket>();
    QTcpSocket* socket = socket_.get();
    QObject::connect(socket, &QTcpSocket::connected, socket, [this] {
        established_ = true;
        if (OnConnected) OnConnected();
    });
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
        while (socket_.get() == socket && socket->bytesAvailable() > 0) {
            const QByteArray bytes = socket->readAll();
            if (OnData) OnData(std::string_view(bytes.constData(), bytes.size()));
        }
    });
    QObject::connect(socket, &QTcpSocket::errorOccurred, socket,
                     [this](QAbstractSocket::SocketError error) { handleError(error); });
    QObject::connect(socket, &QTcpSocket::disconnected, socket, [this] {
        if (!established_) return;
        established_ = false;
        if (OnClosed) OnClosed();
    });
}

void QtTcpClient::handleError(QAbstractSocket::SocketError error) {
    if (!established_) {
        reportFailure(socket_->errorString().toStdString());
        return;
    }
    // An orderly close or a broken connection both end in `disconnected`;
    // anything else is reported as an error on a live connection.
    if (error != QAbstractSocket::RemoteHostClosedError && OnError) OnError();
}

void QtTcpClient::reportFailure(const std::string& reason) {
    if (!inConnectCall_) {
        if (OnConnectFailed) OnConnectFailed(reason);
        return;
    }
    // The socket fails inside connectToHost when the address is unusable or
    // has no route: the owner hears of it after its call returns.
    QTcpSocket* socket = socket_.get();
    QTimer::singleShot(0, socket, [this, socket, reason] {
        if (socket_.get() == socket && OnConnectFailed) OnConnectFailed(reason);
    });
}

namespace {
// Test runs set VERDO_LOOPBACK_ONLY so that no test can reach another machine,
// whatever server list a chat file brings along.
bool refusedOutsideLoopback(const std::string& host) {
    static const bool loopbackOnly = qEnvironmentVariableIsSet("VERDO_LOOPBACK_ONLY");
    if (!loopbackOnly) return false;
    return !(host == "localhost" || host == "::1" || host.rfind("127.", 0) == 0);
}

bool onlyDigitsAndDots(const std::string& host) {
    return host.find_first_not_of("0123456789.") == std::string::npos;
}
}  // namespace

void QtTcpClient::connectToHost(const std::string& host, std::uint16_t port) {
    close();
    makeSocket();
    inConnectCall_ = true;
    const QString name = QString::fromStdString(host);
    if (onlyDigitsAndDots(host) && QHostAddress(name).protocol() != QAbstractSocket::IPv4Protocol) {
        reportFailure("Invalid address");
    } else if (refusedOutsideLoopback(host)) {
        reportFailure("Only addresses of this machine are allowed in test runs");
    } else {
        socket_->connectToHost(name, port);
    }
    inConnectCall_ = false;
}

std::int64_t QtTcpClient::send(std::string_view bytes) {
    if (!socket_ || socket_->state() != QAbstractSocket::ConnectedState) return -1;
    return socket_->write(bytes.data(), static_cast<qint64>(bytes.size()));
}

void QtTcpClient::close() {
    if (!socket_) return;
    established_ = false;
    QTcpSocket* socket = socket_.release();
    socket->disconnect();  // no signal of the old socket reaches us any more
    socket->abort();
    socket->deleteLater();  // we may be inside one of its signals
}

}  // namespace verdo
