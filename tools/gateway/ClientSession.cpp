// A client connection (see ClientSession.h).
#include "ClientSession.h"

#include <QTcpSocket>
#include <algorithm>
#include <cmath>

#include "LineCountGuard.h"
#include "UnitCostGuard.h"

namespace verdo::gateway {

namespace {
constexpr int kFlushGraceMs = 5000;  // a closing client that does not read is cut then
}

ClientSession::ClientSession(QTcpSocket* socket, ChatWorld& world, const GatewayOptions& options,
                             QObject* parent)
    : QObject(parent),
      socket_(socket),
      world_(world),
      options_(options),
      logon_(
          world.style(), world.accounts(), socket->peerAddress().toString().toStdString(),
          {[this](const std::string& bytes) { deliver(bytes); }, [this] { end(true); },
           [this](const std::string& base, const Account& granted) { onLoggedOn(base, granted); }}),
      // A line longer than any the protocol needs is cut, the rest dropped.
      reader_(512, LineReader::LongLines::Cut, [this](const std::string& line) { onLine(line); }),
      flood_(makeFloodGuard()) {
    socket_->setParent(this);
    connect(socket_, &QTcpSocket::readyRead, this, &ClientSession::onReadyRead);
    // Queued, so that a socket closing inside a write never ends the session in
    // the middle of a broadcast.
    connect(socket_, &QTcpSocket::disconnected, this, &ClientSession::finish, Qt::QueuedConnection);
    connect(socket_, &QTcpSocket::errorOccurred, this, &ClientSession::finish,
            Qt::QueuedConnection);
    logonTimer_.setSingleShot(true);
    connect(&logonTimer_, &QTimer::timeout, this, [this] { end(false); });
    logonTimer_.start(options_.logonSeconds * 1000);
}

ClientSession::~ClientSession() {
    if (entered_) world_.leave(*this);
}

std::unique_ptr<FloodGuard> ClientSession::makeFloodGuard() const {
    if (world_.style().isPvpgn()) {
        // The quota counts whole seconds.
        const int seconds = std::max(1, static_cast<int>(std::lround(options_.floodSeconds)));
        return std::make_unique<UnitCostGuard>(5, 10, seconds);
    }
    const auto window = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(options_.floodSeconds));
    return std::make_unique<LineCountGuard>(options_.floodLines, window);
}

void ClientSession::deliver(const std::string& bytes) {
    if (ending_ || bytes.empty()) return;
    socket_->write(bytes.data(), static_cast<qint64>(bytes.size()));
    if (static_cast<std::size_t>(socket_->bytesToWrite()) > options_.maxOutputBytes) end(false);
}

void ClientSession::onReadyRead() {
    const QByteArray data = socket_->readAll();
    std::string_view bytes(data.constData(), static_cast<std::size_t>(data.size()));
    if (!logon_.done()) bytes = logon_.takePrefix(bytes);
    if (!ending_) reader_.feed(bytes);
}

void ClientSession::onLine(const std::string& line) {
    if (ending_) return;
    if (!entered_) {
        logon_.line(line);
        return;
    }
    if (line.empty()) return;  // e.g. the extra CR after the log-on
    switch (
        flood_->admit(line.size(), options_.quotaClock ? options_.quotaClock() : Clock::now())) {
        case FloodVerdict::Disconnect:
            deliver(world_.style().floodDisconnect());
            end(true);
            return;
        case FloodVerdict::Drop:
            deliver(world_.style().floodDrop());
            return;
        case FloodVerdict::TooLong:
            deliver(world_.style().lineTooLong());
            return;
        case FloodVerdict::Pass:
            world_.handleLine(*this, line);
            return;
    }
}

void ClientSession::onLoggedOn(const std::string& base, const Account& granted) {
    logonTimer_.stop();
    name = world_.uniqueName(base);
    account = granted;
    entered_ = true;
    world_.enter(*this);
}

void ClientSession::end(bool flush) {
    if (ending_) return;
    ending_ = true;
    logonTimer_.stop();
    // Leaving the chat model and closing happen after the current event, so that
    // no broadcast loop sees a member disappear under it.
    QMetaObject::invokeMethod(
        this,
        [this, flush] {
            if (entered_) world_.leave(*this);
            entered_ = false;
            if (!flush || socket_->bytesToWrite() == 0) {
                socket_->abort();
                finish();
                return;
            }
            socket_->disconnectFromHost();
            QTimer::singleShot(kFlushGraceMs, this, [this] {
                socket_->abort();
                finish();
            });
        },
        Qt::QueuedConnection);
}

void ClientSession::finish() {
    if (finished_) return;
    finished_ = true;
    ending_ = true;
    if (entered_) world_.leave(*this);
    entered_ = false;
    emit finished(this);
}

}  // namespace verdo::gateway
