// Operators: hand-over, kick, ban, designate; squelching.
#include "GatewayTestSupport.h"

namespace verdo::gateway::test {
namespace {

TEST_F(GatewayTest, OperatorLeavingHandsOverToTheLongestPresentUser) {
    start();
    RawClient& alice = user("alice");
    RawClient& bob = user("bob");
    RawClient& carol = user("carol");
    ASSERT_TRUE(alice.waitForLine("1002 JOIN carol"));
    alice.close();
    EXPECT_TRUE(bob.waitForLine("1009 USER bob 0012"));
    EXPECT_TRUE(carol.waitForLine("1009 USER bob 0012"));
    EXPECT_TRUE(carol.has("1003 LEAVE alice 0012 [CHAT]"));
}

TEST_F(GatewayTest, OperatorLeavingHandsOverToTheDesignatedHeir) {
    start();
    RawClient& alice = user("alice");
    RawClient& bob = user("bob");
    RawClient& carol = user("carol");
    alice.send("/designate carol\r");
    ASSERT_TRUE(alice.waitForLine("1018 INFO \"carol is your new designated heir.\""));
    alice.send("/join Elsewhere\r");
    EXPECT_TRUE(bob.waitForLine("1009 USER carol 0012"));
    EXPECT_TRUE(carol.waitForLine("1009 USER carol 0012"));
    EXPECT_FALSE(bob.has("1009 USER bob"));
}

TEST_F(GatewayTest, KickMovesTheUserToTheVoidAndTellsEveryone) {
    start();
    RawClient& alice = user("alice");
    RawClient& bob = user("bob");
    RawClient& carol = user("carol");
    bob.send("/kick carol\r");
    EXPECT_TRUE(bob.waitForLine("1019 ERROR \"You are not a channel operator.\""));

    alice.send("/kick bob spamming\r");
    ASSERT_TRUE(bob.waitForLine("1007 CHANNEL \"The Void\""));
    EXPECT_TRUE(bob.has("1018 INFO \"alice kicked you out of the channel! (spamming)\""));
    ASSERT_TRUE(carol.waitForLine("1003 LEAVE bob 0010 [CHAT]"));
    EXPECT_TRUE(carol.has("1018 INFO \"bob was kicked out of the channel by alice (spamming).\""));
    EXPECT_FALSE(carol.has("kicked you out"));
    carol.send("still here\r");
    ASSERT_TRUE(alice.waitForLine("still here"));
    ASSERT_TRUE(bob.sync());
    EXPECT_FALSE(bob.has("still here"));
}

TEST_F(GatewayTest, BanKeepsTheUserOutUntilUnbanned) {
    start();
    RawClient& alice = user("alice");
    RawClient& bob = user("bob");
    alice.send("/ban bob\r");
    ASSERT_TRUE(bob.waitForLine("1007 CHANNEL \"The Void\""));
    EXPECT_TRUE(bob.has("alice banned you from the channel!"));
    bob.send("/join Chat\r");
    EXPECT_TRUE(bob.waitForLine("1019 ERROR \"You are banned from that channel.\""));
    alice.send("/unban bob\r");
    ASSERT_TRUE(alice.waitForLine("bob was unbanned by alice."));
    bob.send("/join chat\r");
    EXPECT_TRUE(alice.waitForLine("1002 JOIN bob"));
}

TEST_F(GatewayTest, SquelchHidesTalkAndWhispersAndMarksTheFlags) {
    start();
    RawClient& alice = user("alice");
    RawClient& bob = user("bob");
    RawClient& carol = user("carol");
    carol.send("/squelch alice\r");
    ASSERT_TRUE(carol.waitForLine("1009 USER alice 0032"));
    alice.send("can you hear me\r/w carol secret\r");
    ASSERT_TRUE(bob.waitForLine("can you hear me"));
    ASSERT_TRUE(alice.waitForLine("1010 WHISPER carol"));
    ASSERT_TRUE(carol.sync());
    EXPECT_FALSE(carol.has("1005 TALK alice"));
    EXPECT_FALSE(carol.has("1004 WHISPER alice"));

    carol.send("/unignore alice\r");
    ASSERT_TRUE(carol.waitForLine("1009 USER alice 0012"));
    alice.send("and now\r");
    EXPECT_TRUE(carol.waitForLine("1005 TALK alice 0012 \"and now\""));
}

}  // namespace
}  // namespace verdo::gateway::test
