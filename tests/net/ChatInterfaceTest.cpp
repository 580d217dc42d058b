// The connection component against a scripted peer: its events, its states and
// the faults it mends (failed attempts, partial sends, a second Connect, cancel).
#include "net/ChatInterface.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/FakeTcpClient.h"

namespace verdo {
namespace {

using ::testing::ElementsAre;
using testing::FakeTcpClient;

class ChatInterfaceTest : public ::testing::Test {
  protected:
    ChatInterfaceTest() {
        auto client = std::make_unique<FakeTcpClient>();
        peer = client.get();
        chat = std::make_unique<TChatInterface>(std::move(client));
        chat->Address = "127.0.0.1";
        chat->Port = 6112;
        chat->OnConnect = [this] { events.push_back("connect"); };
        chat->OnDisconnect = [this] { events.push_back("disconnect"); };
        chat->OnSendError = [this] { events.push_back("senderror"); };
        chat->OnLogin = [this] { events.push_back("login"); };
        chat->OnConnectClosed = [this] { events.push_back("closed"); };
        chat->OnConnectFailed = [this](std::string_view reason) {
            events.push_back("failed: " + std::string(reason));
        };
        chat->OnSocketError = [this] { events.push_back("socketerror"); };
        chat->OnDataReceived = [this](std::string_view line) { lines.emplace_back(line); };
    }
    void connectAndAccept() {
        ASSERT_TRUE(chat->Connect());
        peer->accept();
    }

    FakeTcpClient* peer = nullptr;
    std::unique_ptr<TChatInterface> chat;
    std::vector<std::string> events;
    std::vector<std::string> lines;
};

TEST_F(ChatInterfaceTest, DefaultsAtCreation) {
    TChatInterface fresh(std::make_unique<FakeTcpClient>());
    EXPECT_TRUE(fresh.NoLineFeed());
    EXPECT_TRUE(fresh.NoReturn());
    EXPECT_EQ(fresh.Port, 0);
    EXPECT_TRUE(fresh.Address.empty());
    EXPECT_FALSE(fresh.Connected());
    EXPECT_FALSE(fresh.Connecting);
}

TEST_F(ChatInterfaceTest, ConnectReachesTheAddressAndReportsTheConnection) {
    ASSERT_TRUE(chat->Connect());
    EXPECT_TRUE(chat->Connecting);
    EXPECT_EQ(peer->lastHost, "127.0.0.1");
    EXPECT_EQ(peer->lastPort, 6112);
    EXPECT_FALSE(chat->Connected());
    // Connecting is still set while OnConnect runs, cleared after it.
    bool connectingDuringEvent = false;
    chat->OnConnect = [&] { connectingDuringEvent = chat->Connecting; };
    peer->accept();
    EXPECT_TRUE(connectingDuringEvent);
    EXPECT_TRUE(chat->Connected());
    EXPECT_FALSE(chat->Connecting);
}

TEST_F(ChatInterfaceTest, ConnectWhileConnectingIsRefusedAndChangesNothing) {
    ASSERT_TRUE(chat->Connect());
    EXPECT_FALSE(chat->Connect());
    EXPECT_EQ(peer->connectCalls, 1);
    EXPECT_TRUE(chat->Connecting);
}

TEST_F(ChatInterfaceTest, FailedAttemptIsReportedAsAFailureNotAConnection) {
    ASSERT_TRUE(chat->Connect());
    peer->refuse("No route to host");
    EXPECT_THAT(events, ElementsAre("failed: No route to host"));
    EXPECT_FALSE(chat->Connected());
    EXPECT_FALSE(chat->Connecting);
    // No socket is held: Disconnect raises nothing.
    chat->Disconnect();
    EXPECT_THAT(events, ElementsAre("failed: No route to host"));
    EXPECT_TRUE(chat->Connect());
}

TEST_F(ChatInterfaceTest, DisconnectRaisesOnlyWhenASocketWasHeld) {
    chat->Disconnect();
    EXPECT_TRUE(events.empty());
    connectAndAccept();
    chat->Disconnect();
    EXPECT_THAT(events, ElementsAre("connect", "disconnect"));
    EXPECT_FALSE(chat->Connected());
    EXPECT_FALSE(peer->open);
    chat->Disconnect();
    EXPECT_THAT(events, ElementsAre("connect", "disconnect"));
}

TEST_F(ChatInterfaceTest, DisconnectEmptiesTheAccumulator) {
    connectAndAccept();
    peer->receive("half a li");
    chat->Disconnect();
    connectAndAccept();
    peer->receive("ne\r\nnext\r\n");
    EXPECT_THAT(lines, ElementsAre("ne", "next"));
}

TEST_F(ChatInterfaceTest, DisconnectDoesNotTouchConnecting) {
    ASSERT_TRUE(chat->Connect());
    chat->Disconnect();
    EXPECT_TRUE(chat->Connecting);
    EXPECT_THAT(events, ElementsAre("disconnect"));
}

TEST_F(ChatInterfaceTest, CloseByPeerKeepsConnectedUntilDisconnect) {
    connectAndAccept();
    const int closesBefore = peer->closes;
    peer->peerClose();
    EXPECT_THAT(events, ElementsAre("connect", "closed"));
    EXPECT_TRUE(chat->Connected());
    chat->Disconnect();
    EXPECT_THAT(events, ElementsAre("connect", "closed", "disconnect"));
    EXPECT_FALSE(chat->Connected());
    EXPECT_EQ(peer->closes, closesBefore + 1);  // closed once, by the close itself
}

TEST_F(ChatInterfaceTest, SendWhileNotConnectedFailsWithoutEvent) {
    EXPECT_FALSE(chat->SendString("hello\r"));
    EXPECT_TRUE(events.empty());
}

TEST_F(ChatInterfaceTest, SendFailureRaisesSendError) {
    connectAndAccept();
    peer->failSends = true;
    EXPECT_FALSE(chat->SendString("hello\r"));
    EXPECT_THAT(events, ElementsAre("connect", "senderror"));
}

TEST_F(ChatInterfaceTest, PartialSendsContinueWithTheRestInOrder) {
    connectAndAccept();
    peer->maxPerSend = 7;
    const std::string text = "a line that needs several sends\r";
    EXPECT_TRUE(chat->SendString(text));
    EXPECT_EQ(peer->sent, text);
    EXPECT_GT(peer->sendCalls, 4);
}

TEST_F(ChatInterfaceTest, TextLongerThanTheOldStagingBufferGoesOutWhole) {
    connectAndAccept();
    const std::string text(5000, 'x');
    EXPECT_TRUE(chat->SendString(text));
    EXPECT_EQ(peer->sent, text);
}

TEST_F(ChatInterfaceTest, ConnectWhileASocketIsHeldClosesItFirst) {
    connectAndAccept();
    const int closesBefore = peer->closes;
    ASSERT_TRUE(chat->Connect());
    EXPECT_EQ(peer->closes, closesBefore + 1);
    EXPECT_EQ(peer->connectCalls, 2);
    EXPECT_FALSE(chat->Connected());
}

TEST_F(ChatInterfaceTest, CancelConnectClosesAndClearsConnecting) {
    ASSERT_TRUE(chat->Connect());
    chat->CancelConnect();
    EXPECT_FALSE(peer->open);
    EXPECT_FALSE(chat->Connecting);
    EXPECT_TRUE(events.empty());
    // The socket counts as held-but-closed: Disconnect still reports.
    chat->Disconnect();
    EXPECT_THAT(events, ElementsAre("disconnect"));
    EXPECT_TRUE(chat->Connect());
}

TEST_F(ChatInterfaceTest, CancelConnectWhenNotConnectingDoesNothing) {
    connectAndAccept();
    chat->CancelConnect();
    EXPECT_TRUE(peer->open);
    EXPECT_TRUE(chat->Connected());
}

TEST_F(ChatInterfaceTest, LoginScriptAppendsOneReturnPerItemThenRaisesLogin) {
    connectAndAccept();
    chat->LoginScript = {"first", "second"};
    EXPECT_TRUE(chat->SendLoginScript());
    EXPECT_EQ(peer->sent, "first\rsecond\r");
    EXPECT_THAT(events, ElementsAre("connect", "login"));
}

TEST_F(ChatInterfaceTest, LoginScriptStopsAtTheFirstFailure) {
    connectAndAccept();
    peer->failSends = true;
    chat->LoginScript = {"first", "second"};
    EXPECT_FALSE(chat->SendLoginScript());
    EXPECT_THAT(events, ElementsAre("connect", "senderror"));
}

TEST_F(ChatInterfaceTest, LoginScriptWhileNotConnectedSucceedsSilently) {
    chat->LoginScript = {"first"};
    EXPECT_TRUE(chat->SendLoginScript());
    EXPECT_TRUE(events.empty());
}

TEST_F(ChatInterfaceTest, ReceivedBytesComeOutAsLines) {
    connectAndAccept();
    peer->receive("2010 NAME me\r\n1018 INFO \"Welc");
    peer->receive("ome\"\r\n");
    EXPECT_THAT(lines, ElementsAre("2010 NAME me", "1018 INFO \"Welcome\""));
}

TEST_F(ChatInterfaceTest, SocketErrorIsReported) {
    connectAndAccept();
    peer->OnError();
    EXPECT_THAT(events, ElementsAre("connect", "socketerror"));
}

TEST_F(ChatInterfaceTest, DestructionRaisesNoDisconnect) {
    connectAndAccept();
    chat.reset();
    EXPECT_THAT(events, ElementsAre("connect"));
}

}  // namespace
}  // namespace verdo
