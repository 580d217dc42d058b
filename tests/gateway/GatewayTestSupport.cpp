// Test clients for the gateway (see GatewayTestSupport.h).
#include "GatewayTestSupport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

namespace verdo::gateway::test {

bool waitUntil(const std::function<bool()>& done, int ms) {
    QDeadlineTimer deadline(ms);
    QEventLoop loop;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &loop, &QEventLoop::quit);
    tick.start(5);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        loop.exec();
    }
    return true;
}

RawClient::RawClient(std::uint16_t port) {
    splitter_.onLine = [this](std::string_view line) { lines_.emplace_back(line); };
    QObject::connect(&socket_, &QTcpSocket::readyRead, [this] {
        const QByteArray data = socket_.readAll();
        raw_.append(data.constData(), static_cast<std::size_t>(data.size()));
        splitter_.feed(std::string_view(data.constData(), static_cast<std::size_t>(data.size())));
    });
    socket_.connectToHost(QHostAddress::LocalHost, port);
}

void RawClient::send(const std::string& bytes) {
    socket_.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

void RawClient::logOn(const std::string& name, const std::string& password) {
    send("\x03\x04" + name + "\r" + password + "\r\r");
}

bool RawClient::logOnAndWait(const std::string& name, const std::string& password) {
    logOn(name, password);
    return waitForLine("1007 CHANNEL");
}

bool RawClient::has(const std::string& text, std::size_t from) const {
    for (std::size_t i = from; i < lines_.size(); ++i)
        if (lines_[i].find(text) != std::string::npos) return true;
    return false;
}

std::size_t RawClient::count(const std::string& text) const {
    std::size_t n = 0;
    for (const auto& line : lines_)
        n += line.find(text) != std::string::npos;
    return n;
}

bool RawClient::waitForLine(const std::string& text, std::size_t from) {
    return waitUntil([&] { return has(text, from); });
}

bool RawClient::sync() {
    const std::string tag = "sync-" + std::to_string(++syncs_);
    const std::size_t from = lines_.size();
    send("/whois " + tag + "\r");
    // The answer is an error about an unknown user; it comes after all earlier lines.
    return waitUntil([&] { return lines_.size() > from && has("not logged on", from); });
}

bool RawClient::waitClosed() {
    return waitUntil([&] { return socket_.state() == QAbstractSocket::UnconnectedState; });
}

}  // namespace verdo::gateway::test
