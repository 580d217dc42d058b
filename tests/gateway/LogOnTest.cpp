// Log-on through the gateway: accepted, refused, unique names, garbage.
#include <QTemporaryFile>

#include "GatewayTestSupport.h"

namespace verdo::gateway::test {
namespace {

TEST_F(GatewayTest, LogOnGivesNameWelcomeChannelAndRosterInOrder) {
    start();
    RawClient& alice = user("alice");
    ASSERT_TRUE(alice.waitForLine("1001 USER alice"));
    const std::vector<std::string> expected = {
        "2010 NAME alice", "1018 INFO \"Welcome to the VerdoChat test gateway!\"",
        "1007 CHANNEL \"Chat\"", "1001 USER alice 0012 [CHAT]"};
    EXPECT_EQ(alice.lines(), expected);
    EXPECT_NE(alice.raw().find("2010 NAME alice\r\n1018 INFO"), std::string::npos);
}

TEST_F(GatewayTest, EmptyPasswordLogsOnAndTheExtraReturnIsNoTalk) {
    start();
    RawClient& watcher = user("watcher");
    RawClient& guest = client();
    ASSERT_TRUE(guest.logOnAndWait("Guest", ""));
    ASSERT_TRUE(watcher.waitForLine("1002 JOIN Guest"));
    guest.send("hello\r\n");
    ASSERT_TRUE(watcher.waitForLine("1005 TALK Guest"));
    EXPECT_TRUE(watcher.has("1005 TALK Guest 0010 \"hello\""));
    EXPECT_FALSE(watcher.has("1005 TALK Guest 0010 \"\""));
}

TEST_F(GatewayTest, SecondPasswordForANameIsRefusedAndClosed) {
    start();
    user("alice");
    RawClient& intruder = client();
    intruder.logOn("ALICE", "other");
    ASSERT_TRUE(intruder.waitClosed());
    EXPECT_EQ(intruder.raw(), "LOGIN INCORRECT\r\n");
}

TEST_F(GatewayTest, SameNameTwiceGetsNumberedUniqueNames) {
    start();
    user("alice");
    RawClient& second = user("alice");
    RawClient& third = user("alice");
    EXPECT_TRUE(second.has("2010 NAME alice#2"));
    EXPECT_TRUE(third.has("2010 NAME alice#3"));
    EXPECT_TRUE(third.has("1001 USER alice#2 0010 [CHAT]"));
}

TEST_F(GatewayTest, AccountsFileAllowsOnlyListedNamesAndPasswords) {
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    file.write("# name password number\nalice secret 42\nrelay pass gateway\n");
    file.flush();
    GatewayOptions options;
    options.accountsFile = file.fileName().toStdString();
    start(options);
    RawClient& stranger = client();
    stranger.logOn("bob", "pw");
    ASSERT_TRUE(stranger.waitClosed());
    EXPECT_EQ(stranger.raw(), "LOGIN INCORRECT\r\n");
    RawClient& wrong = client();
    wrong.logOn("alice", "pw");
    ASSERT_TRUE(wrong.waitClosed());
    RawClient& alice = client();
    ASSERT_TRUE(alice.logOnAndWait("alice", "secret"));
    RawClient& relay = client();
    ASSERT_TRUE(relay.logOnAndWait("relay", "pass"));
    alice.send("/whois alice\r/whois relay\r");
    ASSERT_TRUE(alice.waitForLine("through a gateway"));
    EXPECT_TRUE(alice.has("1018 INFO \"alice is logged on from account #42.\""));
    EXPECT_TRUE(alice.has("1018 INFO \"relay is logged on through a gateway.\""));
}

TEST_F(GatewayTest, AnythingButTheChatClassByteClosesAtOnce) {
    start();
    RawClient& web = client();
    web.send("GET / HTTP/1.1\r\n\r\n");
    ASSERT_TRUE(web.waitClosed());
    EXPECT_TRUE(web.raw().empty());
}

TEST_F(GatewayTest, ControlBytesInTheNameCloseTheConnection) {
    start();
    RawClient& c = client();
    c.send("\x03\x04\x01\x02\x1b[0m\r");
    ASSERT_TRUE(c.waitClosed());
    EXPECT_TRUE(c.raw().empty());
}

TEST_F(GatewayTest, LinesEndedByALoneLineFeedAreTakenWithoutWaitingForMoreBytes) {
    start();
    RawClient& c = client();
    c.send("\x03\n\nbob\n");  // empty lines before the name are ignored
    ASSERT_TRUE(waitUntil([&] { return server_->sessionCount() == 1; }));
    c.send("pw\n");
    EXPECT_TRUE(c.waitForLine("2010 NAME bob"));
}

TEST_F(GatewayTest, AnOverlongLineIsCutAndTheGatewayCarriesOn) {
    start();
    RawClient& alice = user("alice");
    RawClient& bob = user("bob");
    alice.send(std::string(100000, 'x') + "\r\n");
    ASSERT_TRUE(bob.waitForLine("1005 TALK alice"));
    const auto& talk = bob.lines().back();
    EXPECT_EQ(talk, "1005 TALK alice 0012 \"" + std::string(512, 'x') + "\"");
}

}  // namespace
}  // namespace verdo::gateway::test
