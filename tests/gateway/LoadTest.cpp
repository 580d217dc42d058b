// Many clients at once, a roster crowd, and a client that stops reading.
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QElapsedTimer>
#include <QProcess>

#include <cstdio>

#include "GatewayTestSupport.h"

namespace verdo::gateway::test {
namespace {

TEST_F(GatewayTest, FiveHundredClientsLogOnAndLeave) {
    constexpr int kClients = 500;
    start();
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < kClients; ++i)
        client().logOn("user" + std::to_string(i));
    ASSERT_TRUE(waitUntil([&] { return server_->world().userCount() == kClients; }, 60000));
    const qint64 loggedOn = clock.elapsed();
    RawClient& last = *clients_.back();
    ASSERT_TRUE(last.waitForLine("1001 USER user0 0012 [CHAT]"));
    for (auto& c : clients_)
        c->close();
    ASSERT_TRUE(waitUntil([&] { return server_->sessionCount() == 0; }, 60000));
    EXPECT_EQ(server_->world().userCount(), 0u);
    EXPECT_EQ(server_->world().channelCount(), 0u);
    std::printf("[ measure ] %d clients logged on in %lld ms, all gone after %lld ms\n", kClients,
                static_cast<long long>(loggedOn), static_cast<long long>(clock.elapsed()));
}

TEST_F(GatewayTest, CrowdFillsTheFirstChannelRoster) {
    GatewayOptions options;
    options.crowd = 300;
    start(options);
    RawClient& alice = user("alice");
    ASSERT_TRUE(alice.waitForLine("1001 USER Crowd0300"));
    EXPECT_EQ(alice.count("1001 USER"), 301u);
    EXPECT_TRUE(alice.has("1001 USER alice 0010 [CHAT]"));
    EXPECT_TRUE(alice.has("1001 USER Crowd0001 0002 [STAR]"));
}

TEST_F(GatewayTest, AClientThatStopsReadingIsDropped) {
    GatewayOptions options;
    options.floodLines = 1000000;
    options.maxOutputBytes = 64 * 1024;
    start(options);
    // A plain socket with a small receive buffer that is never read.
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    const int small = 4096;
    ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port_);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    const std::string logOn = "\x03\x04sleeper\rpw\r\r";
    ASSERT_EQ(::write(fd, logOn.data(), logOn.size()), static_cast<ssize_t>(logOn.size()));
    ASSERT_TRUE(waitUntil([&] { return server_->world().findUser("sleeper") != nullptr; }));
    RawClient& talker = user("talker");
    RawClient& listener = user("listener");
    const std::string line = std::string(400, 'z') + "\r";
    std::string burst;
    for (int i = 0; i < 20; ++i)
        burst += line;
    // Each round sends 8 kB of talk, well below the bound; only the sleeper's
    // unread bytes pile up, once its kernel buffers are full.
    bool dropped = false;
    for (int round = 0; round < 1000 && !dropped; ++round) {
        talker.send(burst);
        dropped = waitUntil([&] { return server_->world().findUser("sleeper") == nullptr; }, 20);
    }
    EXPECT_TRUE(dropped);
    EXPECT_TRUE(talker.sync());
    EXPECT_TRUE(listener.sync());
    EXPECT_NE(server_->world().findUser("listener"), nullptr);
    ::close(fd);
}

}  // namespace
}  // namespace verdo::gateway::test

namespace verdo::gateway::test {
namespace {

TEST(GatewayProgram, SaysWhereItListensTakesConsoleLinesAndStopsOnSigterm) {
    QProcess gateway;
    gateway.start(QStringLiteral(VERDO_GATEWAY_PROGRAM), {"--port", "0", "--demo"});
    ASSERT_TRUE(gateway.waitForStarted(10000));
    ASSERT_TRUE(waitUntil([&] { return gateway.canReadLine(); }));
    const QString first = QString::fromLatin1(gateway.readLine()).trimmed();
    ASSERT_TRUE(first.startsWith("listening on 127.0.0.1:")) << first.toStdString();
    const auto port = static_cast<std::uint16_t>(first.section(':', 1).toUInt());
    RawClient alice(port);
    ASSERT_TRUE(alice.logOnAndWait("alice"));
    EXPECT_TRUE(alice.waitForLine("[SEXP]"));  // a demo user is in the channel
    gateway.write("Nia: typed at the console\n");
    EXPECT_TRUE(alice.waitForLine("1005 TALK Nia 0010 \"typed at the console\""));
    gateway.terminate();  // SIGTERM
    ASSERT_TRUE(gateway.waitForFinished(10000));
    EXPECT_EQ(gateway.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(gateway.exitCode(), 0);
    EXPECT_TRUE(alice.waitClosed());
}

}  // namespace
}  // namespace verdo::gateway::test
