// The socket and the sounds made at their first use: nothing is made before,
// the owner's calls and the real client's reports pass through, and a part
// that cannot be loaded fails the attempt with its reason or stays silent.
// The program's own modules load and make working services.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QHostAddress>
#include <QTcpServer>
#include <memory>
#include <string>
#include <vector>

#include "platform/qt/DeferredSound.h"
#include "platform/qt/DeferredTcpClient.h"
#include "platform/qt/ServiceModule.h"
#include "platform/qt/ServiceModuleEntries.h"
#include "support/FakePlatform.h"
#include "support/FakeTcpClient.h"
#include "support/WaitFor.h"

namespace verdo {
namespace {

using testing::FakeTcpClient;

struct Reports {
    std::vector<std::string> seen;
    void watch(TcpClient& client) {
        client.OnConnected = [this] { seen.emplace_back("connected"); };
        client.OnConnectFailed = [this](std::string_view reason) {
            seen.push_back("failed: " + std::string(reason));
        };
        client.OnData = [this](std::string_view bytes) {
            seen.push_back("data: " + std::string(bytes));
        };
        client.OnClosed = [this] { seen.emplace_back("closed"); };
        client.OnError = [this] { seen.emplace_back("error"); };
    }
};

TEST(DeferredTcpClientTest, TheRealClientIsMadeAtTheFirstConnectAndPassesEverythingOn) {
    int made = 0;
    FakeTcpClient* real = nullptr;
    DeferredTcpClient client([&](std::string&) {
        ++made;
        auto fake = std::make_unique<FakeTcpClient>();
        real = fake.get();
        return fake;
    });
    EXPECT_EQ(client.send("early"), -1);  // no connection yet
    client.close();
    EXPECT_EQ(made, 0);

    Reports reports;
    reports.watch(client);  // handlers set after construction still count
    client.connectToHost("127.0.0.1", 6112);
    ASSERT_EQ(made, 1);
    EXPECT_EQ(real->lastHost, "127.0.0.1");
    EXPECT_EQ(real->lastPort, 6112);
    real->accept();
    EXPECT_EQ(client.send("hello"), 5);
    EXPECT_EQ(real->sent, "hello");
    real->receive("bytes");
    if (real->OnError) real->OnError();
    real->peerClose();
    EXPECT_EQ(reports.seen,
              (std::vector<std::string>{"connected", "data: bytes", "error", "closed"}));

    client.connectToHost("localhost", 6113);  // the same real client again
    EXPECT_EQ(made, 1);
    EXPECT_EQ(real->connectCalls, 2);
    real->refuse();
    client.close();
    EXPECT_FALSE(real->open);
    EXPECT_EQ(reports.seen.back(), "failed: Connection refused");
}

TEST(DeferredTcpClientTest, AClientThatCannotBeMadeFailsTheAttemptFromTheEventLoop) {
    int made = 0;
    DeferredTcpClient client([&](std::string& error) -> std::unique_ptr<TcpClient> {
        ++made;
        error = "verdochat-net.so is missing";
        return nullptr;
    });
    Reports reports;
    reports.watch(client);
    client.connectToHost("127.0.0.1", 6112);
    EXPECT_TRUE(reports.seen.empty());  // never inside the owner's call
    ASSERT_TRUE(testing::waitFor([&] { return !reports.seen.empty(); }));
    EXPECT_EQ(reports.seen, (std::vector<std::string>{"failed: verdochat-net.so is missing"}));
    EXPECT_EQ(client.send("x"), -1);

    // A close drops the report of the attempt it ends; the next attempt tries again.
    client.connectToHost("127.0.0.1", 6112);
    client.close();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(reports.seen.size(), 1u);
    EXPECT_EQ(made, 2);
}

TEST(DeferredSoundTest, TheRealServiceIsMadeAtTheFirstSoundOnlyOnce) {
    int made = 0;
    testing::FakePlatform::RecordingSound* real = nullptr;
    DeferredSound sound([&](std::string&) {
        ++made;
        auto recording = std::make_unique<testing::FakePlatform::RecordingSound>();
        real = recording.get();
        return recording;
    });
    sound.stopAll();
    EXPECT_EQ(made, 0);
    sound.play("a.wav");
    sound.play("b.wav");
    sound.stopAll();
    EXPECT_EQ(made, 1);
    EXPECT_EQ(real->played, (std::vector<std::string>{"a.wav", "b.wav"}));
    EXPECT_EQ(real->stops, 1);

    int failed = 0;
    DeferredSound silent([&](std::string& error) -> std::unique_ptr<Sound> {
        ++failed;
        error = "no module";
        return nullptr;
    });
    silent.play("a.wav");
    silent.play("b.wav");  // not tried again at every sound
    silent.stopAll();
    EXPECT_EQ(failed, 1);
}

TEST(ServiceModuleTest, AMissingModuleIsNamedWithTheFoldersLookedIn) {
    ServiceModule module(QStringLiteral("verdochat-none"), {QStringLiteral("/nonexistent/a")});
    std::string error;
    EXPECT_EQ(module.resolve(CreateTcpClientSymbol, error), nullptr);
    EXPECT_EQ(error, "verdochat-none.so is missing from /nonexistent/a");
}

TEST(ServiceModuleTest, TheModulesMakeTheirServicesAndTheClientConnects) {
    ServiceModule module(QStringLiteral("verdochat-net"),
                         {QStringLiteral("/nonexistent"), QStringLiteral(VERDO_MODULES_FOLDER)});
    std::string error;
    const auto create =
        reinterpret_cast<CreateTcpClient>(module.resolve(CreateTcpClientSymbol, error));
    ASSERT_NE(create, nullptr) << error;
    EXPECT_EQ(module.resolve("noSuchEntry", error), nullptr);
    EXPECT_FALSE(error.empty());

    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    std::unique_ptr<TcpClient> client(create());
    bool connected = false;
    client->OnConnected = [&] { connected = true; };
    client->connectToHost("127.0.0.1", server.serverPort());
    EXPECT_TRUE(testing::waitFor([&] { return connected; }));

    ServiceModule sounds(QStringLiteral("verdochat-sound"), {QStringLiteral(VERDO_MODULES_FOLDER)});
    const auto createSound =
        reinterpret_cast<CreateSound>(sounds.resolve(CreateSoundSymbol, error));
    ASSERT_NE(createSound, nullptr) << error;
    EXPECT_NE(std::unique_ptr<Sound>(createSound()), nullptr);
}

}  // namespace
}  // namespace verdo
