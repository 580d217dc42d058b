// The plain-text interpreter: lines pass unchanged, sends go out unpaced, and
// nothing is sent without a connection.
#include "interp/TextChat.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "net/ChatInterface.h"
#include "support/FakeTcpClient.h"

namespace verdo {
namespace {

using ::testing::ElementsAre;
using testing::FakeTcpClient;

class TextChatTest : public ::testing::Test {
  protected:
    TextChatTest() {
        auto client = std::make_unique<FakeTcpClient>();
        peer = client.get();
        connection = std::make_unique<TChatInterface>(std::move(client));
        chat.OnData = [this](std::string_view line) { lines.emplace_back(line); };
    }
    void connect() {
        connection->Connect();
        peer->accept();
        peer->sent.clear();
    }

    FakeTcpClient* peer = nullptr;
    std::unique_ptr<TChatInterface> connection;
    TTextChat chat;
    std::vector<std::string> lines;
};

TEST_F(TextChatTest, InterpretHandsEveryLineOnUnchanged) {
    chat.Interpret("1005 TALK Bob 0000 \"hi\"");
    chat.Interpret("");
    chat.Interpret("no code at all \x93quoted\x94");
    EXPECT_THAT(lines,
                ElementsAre("1005 TALK Bob 0000 \"hi\"", "", "no code at all \x93quoted\x94"));
}

TEST_F(TextChatTest, InterpretWithoutHandlerDoesNothing) {
    TTextChat silent;
    silent.Interpret("1018 INFO \"x\"");
    EXPECT_TRUE(lines.empty());
}

TEST_F(TextChatTest, SendLineGoesOutAtOnceEveryTime) {
    connect();
    chat.ChatInterface = connection.get();
    chat.SendLine("one\r");
    chat.SendLine("two\r");
    chat.SendLine("three\r");
    EXPECT_EQ(peer->sent, "one\rtwo\rthree\r");
    EXPECT_EQ(peer->sendCalls, 3);
}

TEST_F(TextChatTest, SendLineWithoutConnectionIsDropped) {
    connect();
    chat.SendLine("lost\r");
    EXPECT_EQ(peer->sent, "");
    chat.ChatInterface = connection.get();
    chat.SendLine("kept\r");
    EXPECT_EQ(peer->sent, "kept\r");
}

TEST_F(TextChatTest, FieldOperationsStayAbstract) {
    EXPECT_THROW(chat.ParseUser("1005 TALK Bob 0000 \"hi\""), std::logic_error);
}

}  // namespace
}  // namespace verdo
