// The connection on the real Qt socket layer against a QTcpServer on 127.0.0.1:
// a refused port, failures inside the connect call, a close by the server and
// a large send.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QTcpServer>
#include <QTcpSocket>

#include "net/ChatInterface.h"
#include "platform/qt/QtPlatform.h"
#include "support/WaitFor.h"

namespace verdo {
namespace {

using ::testing::ElementsAre;
using testing::waitFor;

class LoopbackTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
        chat = std::make_unique<TChatInterface>(platform.createTcpClient());
        chat->Address = "127.0.0.1";
        chat->Port = server.serverPort();
        chat->OnConnect = [this] { events.push_back("connect"); };
        chat->OnConnectFailed = [this](std::string_view reason) {
            events.push_back("failed");
            reason_ = reason;
        };
        chat->OnConnectClosed = [this] { events.push_back("closed"); };
        chat->OnDisconnect = [this] { events.push_back("disconnect"); };
        chat->OnDataReceived = [this](std::string_view line) { lines.emplace_back(line); };
    }
    QTcpSocket* acceptPeer() {
        EXPECT_TRUE(waitFor([this] { return server.hasPendingConnections(); }));
        QTcpSocket* peer = server.nextPendingConnection();
        EXPECT_TRUE(waitFor([this] { return !events.empty(); }));
        return peer;
    }

    QtPlatform platform;
    QTcpServer server;
    std::unique_ptr<TChatInterface> chat;
    std::vector<std::string> events;
    std::vector<std::string> lines;
    std::string reason_;
};

TEST_F(LoopbackTest, RefusedPortRaisesConnectFailed) {
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
    chat->Port = closed.serverPort();
    closed.close();
    ASSERT_TRUE(chat->Connect());
    ASSERT_TRUE(waitFor([this] { return !events.empty(); }));
    EXPECT_THAT(events, ElementsAre("failed"));
    EXPECT_EQ(reason_, "Connection refused");
    EXPECT_FALSE(chat->Connected());
    EXPECT_FALSE(chat->Connecting);
}

// The system refuses these inside the connect call itself; the owner hears of
// it only after its call has returned, so what it does after the call holds.
TEST_F(LoopbackTest, FailuresInsideTheConnectCallAreReportedAfterItReturns) {
    const std::pair<const char*, const char*> cases[] = {
        {"127.255.255.255", "Network unreachable"},  // a broadcast address: no route
        {"300.1.1.1", "Invalid address"},            // never looked up by name
        {"", "Invalid address"},
    };
    for (const auto& [address, reason] : cases) {
        events.clear();
        chat->Address = address;
        ASSERT_TRUE(chat->Connect());
        EXPECT_TRUE(events.empty()) << address;
        EXPECT_TRUE(chat->Connecting);
        QCoreApplication::processEvents();
        EXPECT_THAT(events, ElementsAre("failed")) << address;
        EXPECT_EQ(reason_, reason);
        EXPECT_FALSE(chat->Connecting);
    }
}

TEST_F(LoopbackTest, AddressesOffThisMachineAreRefusedInTests) {
    ASSERT_TRUE(qEnvironmentVariableIsSet("VERDO_LOOPBACK_ONLY"));
    chat->Address = "192.0.2.1";  // a documentation address, never routed
    ASSERT_TRUE(chat->Connect());
    ASSERT_TRUE(waitFor([this] { return !events.empty(); }));
    EXPECT_THAT(events, ElementsAre("failed"));
}

TEST_F(LoopbackTest, ServerCloseRaisesConnectClosed) {
    ASSERT_TRUE(chat->Connect());
    QTcpSocket* peer = acceptPeer();
    ASSERT_NE(peer, nullptr);
    peer->write("1018 INFO \"bye\"\r\n");
    peer->disconnectFromHost();
    ASSERT_TRUE(waitFor([this] { return events.size() >= 2; }));
    EXPECT_THAT(events, ElementsAre("connect", "closed"));
    EXPECT_THAT(lines, ElementsAre("1018 INFO \"bye\""));
    EXPECT_TRUE(chat->Connected());
    chat->Disconnect();
    EXPECT_THAT(events, ElementsAre("connect", "closed", "disconnect"));
}

TEST_F(LoopbackTest, SendAfterConnectReachesThePeer) {
    ASSERT_TRUE(chat->Connect());
    QTcpSocket* peer = acceptPeer();
    ASSERT_NE(peer, nullptr);
    const std::string big(10000, 'z');
    ASSERT_TRUE(chat->SendString(big + "\r"));
    QByteArray received;
    ASSERT_TRUE(waitFor([&] {
        received += peer->readAll();
        return received.size() >= static_cast<qsizetype>(big.size() + 1);
    }));
    EXPECT_EQ(received.toStdString(), big + "\r");
}

}  // namespace
}  // namespace verdo
