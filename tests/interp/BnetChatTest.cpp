// The gateway decoder: field extraction, the event table, the log-on bytes and
// the paced send queue against a hand-ticked flood timer.
#include "interp/BnetChat.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "net/ChatInterface.h"
#include "support/FakeTcpClient.h"
#include "support/FakeTimer.h"

namespace verdo {
namespace {

using ::testing::ElementsAre;
using testing::FakeTcpClient;
using testing::FakeTimer;

std::string join(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (std::string_view part : parts) {
        if (!out.empty()) out += '|';
        out += part;
    }
    return out;
}

class BnetChatTest : public ::testing::Test {
  protected:
    BnetChatTest() {
        auto client = std::make_unique<FakeTcpClient>();
        peer = client.get();
        connection = std::make_unique<TChatInterface>(std::move(client));
        auto timer = std::make_unique<FakeTimer>();
        flood = timer.get();
        chat = std::make_unique<TBnetChat>(std::move(timer));
        chat->ChatInterface = connection.get();
        recordAll();
    }
    void connect() {
        connection->Connect();
        peer->accept();
    }
    void recordAll() {
        auto talk = [this](const char* name) {
            return [this, name](std::string_view u, std::string_view m) {
                events.push_back(join({name, u, m}));
            };
        };
        auto typed = [this](const char* name) {
            return [this, name](std::string_view u, std::string_view f, std::string_view p) {
                events.push_back(join({name, u, f, p}));
            };
        };
        auto text = [this](const char* name) {
            return [this, name](std::string_view m) { events.push_back(join({name, m})); };
        };
        chat->OnTalk = talk("talk");
        chat->OnWhisper = talk("whisper");
        chat->OnWhisperSent = talk("whispersent");
        chat->OnEmote = talk("emote");
        chat->OnShowUser = typed("show");
        chat->OnJoin = typed("join");
        chat->OnLeave = typed("leave");
        chat->OnUserFlags = [this](std::string_view u, std::string_view f) {
            events.push_back(join({"flags", u, f}));
        };
        chat->OnUniqueName = text("name");
        chat->OnInfo = text("info");
        chat->OnBroadcast = text("broadcast");
        chat->OnChannel = text("channel");
        chat->OnChannelFull = text("full");
        chat->OnChanNotExist = text("notexist");
        chat->OnRestricted = text("restricted");
        chat->OnError = text("error");
        chat->OnUnHandled = text("unhandled");
    }

    FakeTcpClient* peer = nullptr;
    FakeTimer* flood = nullptr;
    std::unique_ptr<TChatInterface> connection;
    std::unique_ptr<TBnetChat> chat;
    std::vector<std::string> events;
};

TEST_F(BnetChatTest, FieldsOfAUserLine) {
    const std::string line = "1001 USER Verdo 0010 [CHAT]";
    EXPECT_EQ(chat->ParseUser(line), "Verdo");
    EXPECT_EQ(chat->ParseFlags(line), "0010");
    EXPECT_EQ(chat->ParseUserType(line), "CHAT");
}

TEST_F(BnetChatTest, MessageKeepsInnerQuotesAndDropsTheLastCharacter) {
    EXPECT_EQ(chat->ParseMess("1005 TALK bob 0000 \"he said \"hi\" to me\""),
              "he said \"hi\" to me");
    EXPECT_EQ(chat->ParseMess("1005 TALK bob 0000 \"\""), "");
    EXPECT_EQ(chat->ParseMess("1005 TALK bob 0000"), "");
    EXPECT_EQ(chat->ParseMess("\""), "");
    // The last character goes even when it is not a quote.
    EXPECT_EQ(chat->ParseMess("1018 INFO \"abc"), "ab");
}

TEST_F(BnetChatTest, UserFieldRules) {
    EXPECT_EQ(chat->ParseUser("2010 NAME me"), "me");
    EXPECT_EQ(chat->ParseUser("1009 USER  0010"), "");  // two blanks: empty user
    EXPECT_EQ(chat->ParseUser("1009 USERONLY"), "");    // no blank after the word
    EXPECT_EQ(chat->ParseUser("1009"), "");
    EXPECT_EQ(chat->ParseUser(""), "");
}

TEST_F(BnetChatTest, FlagsWithoutProductAreTheLastFourCharacters) {
    EXPECT_EQ(chat->ParseFlags("1009 USER bob 0012"), "0012");
}

TEST_F(BnetChatTest, ShortLinesGiveShorterFieldsAndNeverReadOutside) {
    EXPECT_EQ(chat->ParseFlags("ab]"), "");  // positions -7 to -4
    EXPECT_EQ(chat->ParseFlags("x0010]"), "");
    EXPECT_EQ(chat->ParseFlags("ab"), "ab");  // a start below 1 is taken as 1
    EXPECT_EQ(chat->ParseFlags("1234567]"), "1");
    EXPECT_EQ(chat->ParseUserType("abc"), "ab");
    EXPECT_EQ(chat->ParseUserType("a"), "");
    EXPECT_EQ(chat->ParseUserType(""), "");
    EXPECT_EQ(chat->ParseFlags(""), "");
}

TEST_F(BnetChatTest, EventTableRaisesEachCodesEvent) {
    const std::vector<std::string> lines = {
        "1001 USER ann 0010 [STAR]",      "1002 JOIN bob 0000 [SEXP]",
        "1003 LEAVE cid 0000 [W2BN]",     "1004 WHISPER dan 0000 \"psst\"",
        "1005 TALK eve 0000 \"hello\"",   "1006 BROADCAST \"server down\"",
        "1007 CHANNEL \"Chat\"",          "1009 USER fay 0012",
        "1010 WHISPER gus 0000 \"sent\"", "1013 INFO \"full\"",
        "1014 INFO \"missing\"",          "1015 INFO \"restricted\"",
        "1018 INFO \"Welcome\"",          "1019 ERROR \"bad\"",
        "1023 EMOTE hal 0000 \"waves\"",  "2010 NAME me#2"};
    for (const auto& line : lines)
        chat->Interpret(line);
    EXPECT_THAT(events,
                ElementsAre("show|ann|0010|STAR", "join|bob|0000|SEXP", "leave|cid|0000|W2BN",
                            "whisper|dan|psst", "talk|eve|hello", "broadcast|server down",
                            "channel|Chat", "flags|fay|0012", "whispersent|gus|sent", "full|full",
                            "notexist|missing", "restricted|restricted", "info|Welcome",
                            "error|bad", "emote|hal|waves", "name|me#2"));
}

TEST_F(BnetChatTest, Code2000RaisesNothing) {
    chat->Interpret("2000 NULL");
    EXPECT_TRUE(events.empty());
}

TEST_F(BnetChatTest, UnknownCodesAndNoticesGoToUnhandledWithTheWholeLine) {
    chat->Interpret("LOGIN INCORRECT");
    chat->Interpret("1008 SOMETHING \"x\"");
    chat->Interpret("1020 X");
    chat->Interpret("100 ");  // a blank after the digits is no number
    chat->Interpret("12");
    EXPECT_THAT(events, ElementsAre("unhandled|LOGIN INCORRECT", "unhandled|1008 SOMETHING \"x\"",
                                    "unhandled|1020 X", "unhandled|100 ", "unhandled|12"));
}

TEST_F(BnetChatTest, LogonSendsTheExactBytes) {
    connect();
    chat->UserName = "Verdo";
    chat->Password = "secret";
    EXPECT_TRUE(chat->Logon());
    EXPECT_EQ(peer->sent, std::string("\x03\x04Verdo\rsecret\r\r"));
    ASSERT_EQ(connection->LoginScript.size(), 1u);
}

TEST_F(BnetChatTest, LogonWithEmptyPassword) {
    connect();
    chat->UserName = "Guest";
    EXPECT_TRUE(chat->Logon());
    EXPECT_EQ(connection->LoginScript.at(0), std::string("\x03\x04Guest\r\r"));
    EXPECT_EQ(peer->sent, std::string("\x03\x04Guest\r\r\r"));
}

TEST_F(BnetChatTest, LogonWithoutConnectionFails) {
    TBnetChat bare(std::make_unique<FakeTimer>());
    EXPECT_FALSE(bare.Logon());
}

TEST_F(BnetChatTest, FloodTimerStartsEnabledAt1500) {
    EXPECT_TRUE(flood->enabled());
    EXPECT_EQ(chat->FloodInterval(), 1500);
    EXPECT_EQ(TBnetChat::kInitialFloodInterval, 1500);
}

TEST_F(BnetChatTest, FloodIntervalRestartsOnlyOnChange) {
    const int before = flood->restarts;
    chat->setFloodInterval(2500);
    chat->setFloodInterval(2500);
    EXPECT_EQ(chat->FloodInterval(), 2500);
    EXPECT_EQ(flood->restarts, before + 1);
}

TEST_F(BnetChatTest, FiveLinesLeaveOneAtOnceThenOnePerTick) {
    connect();
    for (int i = 1; i <= 5; ++i)
        chat->SendLine("line " + std::to_string(i) + "\r");
    EXPECT_EQ(peer->sent, "line 1\r");
    EXPECT_EQ(chat->QueueCount(), 4);
    for (int i = 2; i <= 5; ++i) {
        flood->tick();
        EXPECT_EQ(peer->sent.substr(peer->sent.rfind("line")), "line " + std::to_string(i) + "\r");
    }
    EXPECT_EQ(chat->QueueCount(), 0);
    EXPECT_FALSE(chat->SendReady());
    flood->tick();  // a quiet tick makes the next line go at once
    EXPECT_TRUE(chat->SendReady());
    chat->SendLine("six\r");
    EXPECT_EQ(peer->sent, "line 1\rline 2\rline 3\rline 4\rline 5\rsix\r");
}

TEST_F(BnetChatTest, LinesQueuedWhileDisconnectedAreDroppedAndNeverSentLater) {
    connect();
    chat->SendLine("first\r");
    chat->SendLine("queued one\r");
    chat->SendLine("queued two\r");
    connection->Disconnect();
    flood->tick();
    EXPECT_EQ(chat->QueueCount(), 0);
    connect();
    flood->tick();
    flood->tick();
    chat->SendLine("after\r");
    EXPECT_EQ(peer->sent, "first\rafter\r");
}

TEST_F(BnetChatTest, SendWithoutConnectionReferenceIsDropped) {
    TBnetChat bare(std::make_unique<FakeTimer>());
    bare.SendLine("x\r");
    EXPECT_EQ(bare.QueueCount(), 0);
}

TEST_F(BnetChatTest, LineGivenWhileReadyButDisconnectedIsLost) {
    chat->SendLine("lost\r");
    connect();
    flood->tick();
    flood->tick();
    EXPECT_EQ(peer->sent, "");
}

}  // namespace
}  // namespace verdo
