// The pvpgn style: prompts, log-on texts, kick, whois and flood wording.
#include "GatewayTestSupport.h"

namespace verdo::gateway::test {
namespace {

class PvpgnTest : public GatewayTest {
  protected:
    void SetUp() override {
        GatewayOptions options;
        options.style = StyleKind::Pvpgn;
        start(options);
    }
};

TEST_F(PvpgnTest, PromptsRetryAfterAFailedLogOnAndGreetWithAnErrorLine) {
    user("alice");
    RawClient& c = client();
    c.send("\x03");
    const std::string banner =
        "BOT or Telnet Connection from [127.0.0.1]\r\n\r\nEnter your account name and "
        "password.\r\nSorry, there is no guest account.\r\n\r\nUsername: ";
    ASSERT_TRUE(waitUntil([&] { return c.raw() == banner; }));
    c.send("alice\r\n");
    ASSERT_TRUE(waitUntil([&] { return c.raw() == banner + "alice\r\nPassword: "; }));
    c.send("wrong\r\n");
    const std::string failed = banner + "alice\r\nPassword: \r\nLogin failed.\r\n\r\nUsername: ";
    ASSERT_TRUE(waitUntil([&] { return c.raw() == failed; }));
    c.send("bob\npw\n");
    ASSERT_TRUE(c.waitForLine("welcome to PvPGN Realm"));
    const std::string tail = c.raw().substr(failed.size());
    EXPECT_EQ(tail,
              "bob\r\nPassword: \r\n2010 NAME bob\r\n1007 CHANNEL \"Chat\"\r\n"
              "1001 USER bob 0010 [CHAT]\r\n1001 USER alice 0012 [CHAT]\r\n"
              "1009 USER bob 0010\r\n1009 USER bob 0010\r\n"
              "1019 ERROR \"Hello bob, welcome to PvPGN Realm!\"\r\n");
    EXPECT_FALSE(c.has("Welcome to"));
}

TEST_F(PvpgnTest, KickTellsEveryoneAndLeavesTheUserInNoChannel) {
    RawClient& alice = user("alice");
    RawClient& bob = user("bob");
    RawClient& carol = user("carol");
    alice.send("/kick bob\r");
    for (RawClient* c : {&alice, &bob, &carol}) {
        ASSERT_TRUE(c->waitForLine("1003 LEAVE bob 0000"));
        EXPECT_TRUE(c->has("1018 INFO \"bob has been kicked by alice.\""));
    }
    alice.send("/kick carol flooding\r");
    EXPECT_TRUE(carol.waitForLine("1018 INFO \"carol has been kicked by alice (flooding).\""));
    bob.send("/whois bob\r");
    EXPECT_TRUE(
        bob.waitForLine("1018 INFO \"bob is using Chat and is currently not in a channel.\""));
    EXPECT_EQ(bob.count("1007 CHANNEL"), 1u);
}

TEST_F(PvpgnTest, WhoisTalkAloneAndFlagLines) {
    RawClient& alice = user("alice");
    alice.send("anybody\r");
    ASSERT_TRUE(alice.waitForLine("1018 INFO \"No one hears you.\""));
    RawClient& bob = user("bob");
    bob.send("/whois alice\r");
    ASSERT_TRUE(
        bob.waitForLine("1018 INFO \"alice is using Chat and is currently in channel "
                        "\"Chat\".\""));
    EXPECT_FALSE(bob.has("logged on from account"));
    alice.send("/join Side\r");
    ASSERT_TRUE(bob.waitForLine("1003 LEAVE alice 0012"));
    ASSERT_TRUE(bob.waitForLine("1009 USER bob 0012"));
    ASSERT_TRUE(bob.sync());
    EXPECT_EQ(bob.count("1009 USER bob 0012"), 2u);
    bob.send("/squelch alice\r");
    EXPECT_TRUE(bob.waitForLine("1009 USER alice 0032"));
}

TEST_F(PvpgnTest, QuotaRefusesFromFiveUnitsAndClosesFromTen) {
    RawClient& alice = user("alice");
    RawClient& bob = user("bob");
    const std::string unit3(100, 'a');         // 100 bytes: three units
    alice.send(unit3 + "\r" + "b\r" + "c\r");  // 3 and 4 units pass; 5 refuse "c"
    ASSERT_TRUE(alice.waitForLine("1019 ERROR \"Your message quota has been exceeded!\""));
    EXPECT_TRUE(bob.waitForLine("\"b\""));
    EXPECT_TRUE(bob.has(unit3));
    EXPECT_TRUE(alice.connected());
    alice.send(unit3 + "\r");  // 8 units: refused
    ASSERT_TRUE(waitUntil([&] { return alice.count("quota has been exceeded") == 2; }));
    EXPECT_TRUE(alice.connected());
    alice.send("/w bob " + std::string(40, 'w') + "\r");  // 10 units: closed
    ASSERT_TRUE(alice.waitClosed());
    EXPECT_FALSE(bob.has("\"c\""));
    EXPECT_FALSE(bob.has(std::string(40, 'w')));
}

TEST_F(PvpgnTest, LinesOverTwoHundredBytesAreRefused) {
    RawClient& alice = user("alice");
    RawClient& bob = user("bob");
    alice.send(std::string(201, 'x') + "\r");
    ASSERT_TRUE(alice.waitForLine("1019 ERROR \"Your line length quota has been exceeded!\""));
    alice.send("/me " + std::string(197, 'y') + "\r");  // 201 bytes with the command
    ASSERT_TRUE(waitUntil([&] { return alice.count("line length quota") == 2; }));
    ASSERT_TRUE(bob.sync());
    EXPECT_FALSE(bob.has(std::string(197, 'y')));
    EXPECT_FALSE(bob.has(std::string(201, 'x')));
}

}  // namespace
}  // namespace verdo::gateway::test
