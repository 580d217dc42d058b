// Channels, talk, emotes, whispers, away and queries between real clients.
#include <regex>

#include "GatewayTestSupport.h"

namespace verdo::gateway::test {
namespace {

TEST_F(GatewayTest, JoinTalkEmoteWhisperAndLeaveBetweenThreeClients) {
    start();
    RawClient& alice = user("alice");
    RawClient& bob = user("bob");
    ASSERT_TRUE(alice.waitForLine("1002 JOIN bob 0010 [CHAT]"));
    EXPECT_TRUE(bob.has("1001 USER alice 0012 [CHAT]"));
    RawClient& carol = user("carol");

    alice.send("hello all\r");
    ASSERT_TRUE(bob.waitForLine("1005 TALK alice 0012 \"hello all\""));
    ASSERT_TRUE(carol.waitForLine("1005 TALK alice 0012 \"hello all\""));
    ASSERT_TRUE(alice.sync());
    EXPECT_FALSE(alice.has("1005 TALK"));

    bob.send("/me waves\r");
    for (RawClient* c : {&alice, &bob, &carol})
        EXPECT_TRUE(c->waitForLine("1023 EMOTE bob 0010 \"waves\""));

    alice.send("/w carol psst, carol\r");
    ASSERT_TRUE(carol.waitForLine("1004 WHISPER alice 0012 \"psst, carol\""));
    ASSERT_TRUE(alice.waitForLine("1010 WHISPER carol 0010 \"psst, carol\""));
    ASSERT_TRUE(bob.sync());
    EXPECT_FALSE(bob.has("WHISPER"));

    carol.send("/join Other Place\r");
    ASSERT_TRUE(carol.waitForLine("1007 CHANNEL \"Other Place\""));
    EXPECT_TRUE(carol.has("1001 USER carol 0012 [CHAT]"));
    EXPECT_TRUE(alice.waitForLine("1003 LEAVE carol 0010 [CHAT]"));
    EXPECT_TRUE(bob.waitForLine("1003 LEAVE carol 0010 [CHAT]"));
}

TEST_F(GatewayTest, WhisperAliasesUnknownUsersAndAwayReceivers) {
    start();
    RawClient& alice = user("alice");
    RawClient& bob = user("bob");
    for (const std::string command : {"/whisper", "/m", "/msg"}) {
        const std::size_t from = bob.lines().size();
        alice.send(command + " bob via " + command + "\r");
        EXPECT_TRUE(bob.waitForLine("1004 WHISPER alice 0012 \"via " + command + "\"", from));
    }
    alice.send("/w nobody hi\r");
    EXPECT_TRUE(alice.waitForLine("1019 ERROR \"That user is not logged on.\""));

    bob.send("/away gone fishing\r");
    ASSERT_TRUE(bob.waitForLine("1018 INFO \"You are now marked as being away.\""));
    alice.send("/w bob are you there\r");
    EXPECT_TRUE(alice.waitForLine("1018 INFO \"bob is away (gone fishing)\""));
    bob.send("/away\r");
    EXPECT_TRUE(bob.waitForLine("1018 INFO \"You are no longer marked as away.\""));
    bob.send("/dnd busy\r");
    ASSERT_TRUE(bob.waitForLine("Do Not Disturb mode engaged."));
    const std::size_t before = bob.lines().size();
    alice.send("/w bob hello\r");
    ASSERT_TRUE(alice.waitForLine("bob is unavailable (busy)"));
    ASSERT_TRUE(bob.sync());
    EXPECT_FALSE(bob.has("1004 WHISPER", before));
}

TEST_F(GatewayTest, WhoisAnswersInTheShapeTheClientTracks) {
    start();
    RawClient& alice = user("alice");
    user("bob");
    alice.send("/whois BOB\r");
    ASSERT_TRUE(alice.waitForLine("is logged on from account"));
    EXPECT_TRUE(alice.has("1018 INFO \"bob is using Chat in the channel Chat.\""));
    const std::regex accountLine(R"(1018 INFO "bob is logged on from account #\d+\.")");
    EXPECT_EQ(std::count_if(alice.lines().begin(), alice.lines().end(),
                            [&](const std::string& l) { return std::regex_match(l, accountLine); }),
              1);
    for (const std::string alias : {"/whereis", "/where"}) {
        const std::size_t from = alice.lines().size();
        alice.send(alias + " alice\r");
        EXPECT_TRUE(alice.waitForLine("alice is logged on from account #", from)) << alias;
    }
}

TEST_F(GatewayTest, ChannelErrorsAndSimpleQueries) {
    GatewayOptions options;
    options.world.full = {"crowded"};
    options.world.restricted = {"staff"};
    options.world.nonexistent = {"nowhere"};
    start(options);
    RawClient& alice = user("alice");
    alice.send("/join Crowded\r/join Staff\r/join nowhere\r/join\r");
    ASSERT_TRUE(alice.waitForLine("1019 ERROR \"What channel do you want to join?\""));
    EXPECT_TRUE(alice.has("1013 CHANNELFULL \"Crowded\""));
    EXPECT_TRUE(alice.has("1015 CHANNELRESTRICTED \"Staff\""));
    EXPECT_TRUE(alice.has("1014 CHANNELDOESNOTEXIST \"nowhere\""));
    EXPECT_EQ(alice.count("1007 CHANNEL"), 1u);

    user("bob");
    alice.send("/who Chat\r/users\r/time\r/stats bob star\r/bogus\r");
    ASSERT_TRUE(alice.waitForLine("not a valid command"));
    EXPECT_TRUE(alice.has("1018 INFO \"Users in channel Chat:\""));
    EXPECT_TRUE(alice.has("1018 INFO \"[ALICE], bob\""));
    EXPECT_TRUE(alice.has("1018 INFO \"There are currently 2 users in chat, in 1 channels.\""));
    EXPECT_TRUE(alice.has("1018 INFO \"Gateway time: "));
    EXPECT_TRUE(alice.has("Record for bob (Starcraft)"));
}

TEST_F(GatewayTest, RejoinLeavesAndEntersTheSameChannel) {
    start();
    RawClient& alice = user("alice");
    RawClient& bob = user("bob");
    bob.send("/rejoin\r");
    ASSERT_TRUE(alice.waitForLine("1003 LEAVE bob"));
    ASSERT_TRUE(alice.waitForLine("1002 JOIN bob"));
    EXPECT_EQ(bob.count("1007 CHANNEL \"Chat\""), 2u);
}

TEST_F(GatewayTest, FloodAtTheLimitPassesAndOneLineMoreDisconnects) {
    GatewayOptions options;
    options.floodLines = 4;
    options.floodSeconds = 600;  // so long that no line expires during the test
    start(options);
    RawClient& alice = user("alice");
    alice.send("one\rtwo\rthree\r");
    ASSERT_TRUE(alice.sync());  // the fourth line, answered
    EXPECT_TRUE(alice.connected());
    alice.send("five\r");
    ASSERT_TRUE(alice.waitClosed());
    EXPECT_TRUE(alice.has("1019 ERROR \"You are sending too fast"));
}

TEST_F(GatewayTest, DefaultFloodRuleLetsPacedLinesThroughAndStopsABurst) {
    start();
    RawClient& alice = user("alice");
    for (int i = 0; i < 9; ++i)
        alice.send("line " + std::to_string(i) + "\r");
    ASSERT_TRUE(alice.sync());
    EXPECT_TRUE(alice.connected());
    alice.send("eleven\r");
    ASSERT_TRUE(alice.waitClosed());
}

TEST_F(GatewayTest, AnnounceReachesEveryLoggedOnUserAsABroadcast) {
    start();
    RawClient& alice = user("alice");
    RawClient& bob = user("bob");
    bob.send("/join Elsewhere\r");
    ASSERT_TRUE(bob.waitForLine("1007 CHANNEL \"Elsewhere\""));
    alice.send("/announce Server restarts in 5 minutes\r");
    for (RawClient* c : {&alice, &bob})
        EXPECT_TRUE(c->waitForLine("1006 BROADCAST \"Server restarts in 5 minutes\""));
    alice.send("/announce\r");
    EXPECT_TRUE(alice.waitForLine("1019 ERROR \"What do you want to announce?\""));
}

}  // namespace
}  // namespace verdo::gateway::test
