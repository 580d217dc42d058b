// Raw loopback clients and an in-process gateway for the gateway's tests.
#pragma once

#include <QTcpSocket>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "GatewayServer.h"
#include "net/LineSplitter.h"

namespace verdo::gateway::test {

// Runs the event loop until `done` holds or `ms` pass; true when it held.
bool waitUntil(const std::function<bool()>& done, int ms = 10000);

class RawClient {
  public:
    explicit RawClient(std::uint16_t port);
    void send(const std::string& bytes);
    void logOn(const std::string& name, const std::string& password = "pw");
    // Logs on and waits for the first channel's roster to begin.
    bool logOnAndWait(const std::string& name, const std::string& password = "pw");
    // Waits for a line containing `text` received after line index `from`.
    bool waitForLine(const std::string& text, std::size_t from = 0);
    // A round trip: after it every line the gateway sent before is in lines().
    bool sync();
    bool waitClosed();
    bool has(const std::string& text, std::size_t from = 0) const;
    std::size_t count(const std::string& text) const;

    const std::vector<std::string>& lines() const { return lines_; }
    const std::string& raw() const { return raw_; }
    bool connected() const { return socket_.state() == QAbstractSocket::ConnectedState; }
    void close() { socket_.abort(); }

  private:
    QTcpSocket socket_;
    LineSplitter splitter_;
    std::string raw_;
    std::vector<std::string> lines_;
    int syncs_ = 0;
};

}  // namespace verdo::gateway::test

#include <gtest/gtest.h>

namespace verdo::gateway::test {

// Starts a gateway on an ephemeral port and hands out clients connected to it.
class GatewayTest : public ::testing::Test {
  protected:
    void start(GatewayOptions options = {}) {
        options.port = 0;
        server_ = std::make_unique<GatewayServer>(std::move(options));
        std::string error;
        ASSERT_TRUE(server_->start(error)) << error;
        port_ = server_->port();
    }
    RawClient& client() { return *clients_.emplace_back(std::make_unique<RawClient>(port_)); }
    // A client logged on under `name`, its roster received.
    RawClient& user(const std::string& name) {
        RawClient& c = client();
        EXPECT_TRUE(c.logOnAndWait(name)) << name;
        return c;
    }

    std::unique_ptr<GatewayServer> server_;
    std::uint16_t port_ = 0;
    std::vector<std::unique_ptr<RawClient>> clients_;
};

}  // namespace verdo::gateway::test
