// Remote commands: matching, levels, the built-in actions and user responses.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/ChatFunctions.h"
#include "engine/CommandTable.h"
#include "support/FakeEngineHost.h"

namespace verdo {
namespace {

using ::testing::ElementsAre;
using testing::FakeEngineHost;
using ::testing::IsEmpty;

class CommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        FillBuiltInCommands(host.lists_);
        host.lists_.OwnerList = {"Boss"};
        host.lists_.MemberList = {"Pal"};
    }
    // One user-defined command replacing the table.
    void useCommand(const std::string& word, const std::string& response,
                    const std::string& level) {
        host.lists_.CommandList = {word};
        host.lists_.CommandRes = {response};
        host.lists_.CommandLevel = {level};
    }
    FakeEngineHost host;
    ChatFunctions engine{host};
};

// Every command a new file lists runs an action for owners only: a stranger
// gets nothing, and an owner never gets the token sent back as text.
TEST_F(CommandsTest, EveryCommandOfANewFileIsAnOwnerOnlyAction) {
    const ChatLists fresh = host.lists_;
    ASSERT_FALSE(fresh.CommandList.empty());
    host.isConnected = true;
    for (std::size_t i = 0; i < fresh.CommandList.size(); ++i) {
        const std::string& word = fresh.CommandList[i];
        SCOPED_TRACE(word);
        host.sent.clear();
        host.shown.clear();
        engine.ProcessCommand("Stranger", word + " on");
        EXPECT_THAT(host.sent, IsEmpty());
        EXPECT_THAT(host.shown, IsEmpty());
        engine.ProcessCommand("Boss", word + " on");
        for (const std::string& line : host.sent)
            EXPECT_EQ(line.find(fresh.CommandRes[i]), std::string::npos) << line;
        EXPECT_THAT(host.shownText().back(), ::testing::StartsWith("Command from Boss"));
        host.lists_ = fresh;
    }
}

TEST_F(CommandsTest, OwnerJoinInCapitalsJoinsAndReplies) {
    engine.ProcessCommand("BOSS", "/JOIN Lobby Two");
    EXPECT_THAT(host.sent, ElementsAre("/join Lobby Two\r", "/w BOSS Joining Channel Lobby Two\r"));
    EXPECT_THAT(host.shownText(), ElementsAre("Command from BOSS /JOIN Lobby Two"));
    EXPECT_EQ(host.shown[0][0].color, host.options_.infoColor());
}

TEST_F(CommandsTest, StrangerIsIgnoredSilently) {
    engine.ProcessCommand("Nobody", "/join Lobby");
    engine.ProcessCommand("Nobody", "/addowner x");
    EXPECT_THAT(host.sent, IsEmpty());
    EXPECT_THAT(host.shown, IsEmpty());
    EXPECT_THAT(host.lists_.OwnerList, ElementsAre("Boss"));
    EXPECT_FALSE(host.modified);
}

TEST_F(CommandsTest, LevelsZeroOneTwo) {
    useCommand("!hi", "hello", "0");
    engine.ProcessCommand("Nobody", "!hi");
    EXPECT_EQ(host.sent.size(), 1u);
    host.lists_.CommandLevel = {"2"};
    engine.ProcessCommand("Nobody", "!hi");
    engine.ProcessCommand("pal", "!hi");
    engine.ProcessCommand("boss", "!hi");
    EXPECT_EQ(host.sent.size(), 3u);
    host.lists_.CommandLevel = {"1"};
    engine.ProcessCommand("Pal", "!hi");
    engine.ProcessCommand("Boss", "!hi");
    EXPECT_EQ(host.sent.size(), 4u);
}

TEST_F(CommandsTest, DamagedLevelMeansOwnersOnly) {
    for (const char* level : {"", "3", "-1", "x", " 0", "00", "0x"}) {
        useCommand("!hi", "hello", level);
        engine.ProcessCommand("Nobody", "!hi");
        engine.ProcessCommand("Pal", "!hi");
        EXPECT_THAT(host.sent, IsEmpty()) << "level '" << level << "'";
        engine.ProcessCommand("Boss", "!hi");
        EXPECT_EQ(host.sent.size(), 1u) << "level '" << level << "'";
        host.sent.clear();
        host.clock_.nowMs += AnswerLimiter::WindowMilliseconds;  // stay clear of the answer cap
    }
    // A level list shorter than the command list: owners only as well.
    host.lists_.CommandLevel.clear();
    engine.ProcessCommand("Nobody", "!hi");
    EXPECT_THAT(host.sent, IsEmpty());
}

TEST_F(CommandsTest, CommandWithoutResponseInDamagedFileIsNotRun) {
    host.lists_.CommandRes.resize(3);
    engine.ProcessCommand("Boss", "/owners");
    EXPECT_THAT(host.sent, IsEmpty());
    EXPECT_THAT(host.shown, IsEmpty());
}

TEST_F(CommandsTest, PrefixMatchDropsOneCharacterAfterTheWord) {
    engine.ProcessCommand("Boss", "/sayhello");
    EXPECT_THAT(host.sent, ElementsAre("ello\r", "/w Boss Saying ello\r"));
    EXPECT_THAT(host.shownText(), ElementsAre("<Robot> ello", "Command from Boss /sayhello"));
}

TEST_F(CommandsTest, SayShowsEvenACommandAndSendsItAsIs) {
    engine.ProcessCommand("Boss", "/say  /kick x");
    EXPECT_THAT(host.sent, ElementsAre(" /kick x\r", "/w Boss Saying  /kick x\r"));
    EXPECT_EQ(host.shownText()[0], "<Robot>  /kick x");
}

TEST_F(CommandsTest, LastMatchingCommandWins) {
    host.lists_.CommandList = {"/a", "/ab"};
    host.lists_.CommandRes = {"first", "second <parameter>"};
    host.lists_.CommandLevel = {"0", "0"};
    engine.ProcessCommand("X", "/ab cd");
    EXPECT_THAT(host.sent, ElementsAre("second cd\r"));
}

TEST_F(CommandsTest, EmptyCommandWordMatchesEveryWhisper) {
    useCommand("", "seen <parameter>", "0");
    engine.ProcessCommand("X", "anything at all");
    EXPECT_THAT(host.sent, ElementsAre("seen nything at all\r"));
}

TEST_F(CommandsTest, UserResponseSegmentsAreExpandedSentAndEchoed) {
    useCommand("!info", "one <parameter>~/w <user> two~three <user>~", "0");
    engine.ProcessCommand("Ann", "!info x");
    EXPECT_THAT(host.sent, ElementsAre("one x\r", "/w Ann two\r", "three Ann\r"));
    EXPECT_THAT(host.shownText(),
                ElementsAre("<Robot> one x", "<Robot> three Ann", "Command from Ann !info x"));
}

TEST_F(CommandsTest, EmptySegmentsSendEmptyLines) {
    useCommand("!e", "a~~b", "0");
    engine.ProcessCommand("Ann", "!e");
    useCommand("!e", "", "0");
    engine.ProcessCommand("Ann", "!e");
    EXPECT_THAT(host.sent, ElementsAre("a\r", "\r", "b\r", "\r"));
}

TEST_F(CommandsTest, UserResponsesAreCappedButBuiltInsAreNot) {
    useCommand("!e", "answer", "0");
    for (int i = 0; i < 7; ++i)
        engine.ProcessCommand("Ann", "!e");
    EXPECT_EQ(host.sent.size(), 5u);
    FillBuiltInCommands(host.lists_);
    host.sent.clear();
    for (int i = 0; i < 7; ++i)
        engine.ProcessCommand("Boss", "/join x");
    EXPECT_EQ(host.sent.size(), 14u);
}

TEST_F(CommandsTest, SwitchesTurnOnAndOffAndMarkModified) {
    engine.ProcessCommand("Boss", "/allevents ON");
    EXPECT_TRUE(host.options_.masterSwitch());
    EXPECT_TRUE(host.modified);
    engine.ProcessCommand("Boss", "/phrase on");
    engine.ProcessCommand("Boss", "/whisper on");
    engine.ProcessCommand("Boss", "/userjoin on");
    engine.ProcessCommand("Boss", "/noban on");
    engine.ProcessCommand("Boss", "/timers on");
    engine.ProcessCommand("Boss", "/ban off");
    EXPECT_TRUE(host.options_.respondToPhrases());
    EXPECT_TRUE(host.options_.respondToWhispers());
    EXPECT_TRUE(host.options_.respondToJoins());
    EXPECT_TRUE(host.options_.banEveryoneExcept());
    EXPECT_TRUE(host.options_.respondToTimers());
    EXPECT_FALSE(host.options_.autoBan());
    EXPECT_THAT(host.sent,
                ElementsAre("/w Boss All Events: on\r", "/w Boss Phrase Response: on\r",
                            "/w Boss Whisper Response: on\r", "/w Boss User Join Response: on\r",
                            "/w Boss User Ban Exception List: on\r", "/w Boss Timer Response: on\r",
                            "/w Boss User Ban List: off\r"));
}

TEST_F(CommandsTest, UnknownSwitchParameterChangesNothingButIsShown) {
    engine.ProcessCommand("Boss", "/allevents maybe");
    EXPECT_FALSE(host.options_.masterSwitch());
    EXPECT_FALSE(host.modified);
    EXPECT_THAT(host.sent, IsEmpty());
    EXPECT_THAT(host.shownText(), ElementsAre("Command from Boss /allevents maybe"));
}

TEST_F(CommandsTest, AddAndDeleteLists) {
    engine.ProcessCommand("Boss", "/addowner");
    EXPECT_THAT(host.lists_.OwnerList, ElementsAre("Boss", ""));
    EXPECT_TRUE(host.modified);
    engine.ProcessCommand("Boss", "/addmember Ann");
    engine.ProcessCommand("Boss", "/addban bad");
    engine.ProcessCommand("Boss", "/addnoban good");
    engine.ProcessCommand("Boss", "/deletemember ANN");
    engine.ProcessCommand("Boss", "/deleteban BAD");
    engine.ProcessCommand("Boss", "/deletenoban Good");
    EXPECT_THAT(host.lists_.MemberList, ElementsAre("Pal"));
    EXPECT_THAT(host.lists_.BanList, IsEmpty());
    EXPECT_THAT(host.lists_.NoBanList, IsEmpty());
    EXPECT_THAT(
        host.sent,
        ElementsAre("/w Boss Adding Owner: \r", "/w Boss Adding Member: Ann\r",
                    "/w Boss Adding User Ban: bad\r", "/w Boss Adding User Exception: good\r",
                    "/w Boss Deleting Member: ANN\r", "/w Boss Deleting Ban User: BAD\r",
                    "/w Boss Deleting Ban Exception: Good\r"));
}

TEST_F(CommandsTest, DeleteOfAbsentNameChangesNothing) {
    engine.ProcessCommand("Boss", "/deleteowner ghost");
    engine.ProcessCommand("Boss", "/deletemember ghost");
    engine.ProcessCommand("Boss", "/deleteban ghost");
    engine.ProcessCommand("Boss", "/deletenoban ghost");
    EXPECT_FALSE(host.modified);
    EXPECT_THAT(host.sent, ElementsAre("/w Boss That user is not an owner.\r",
                                       "/w Boss That user is not a member.\r",
                                       "/w Boss That user is not on the ban list.\r",
                                       "/w Boss That user is not on the No Ban list.\r"));
}

TEST_F(CommandsTest, OwnerCanRemoveOnlyTheFirstMatchingName) {
    host.lists_.OwnerList = {"Boss", "x", "X"};
    engine.ProcessCommand("Boss", "/deleteowner X");
    EXPECT_THAT(host.lists_.OwnerList, ElementsAre("Boss", "X"));
}

TEST_F(CommandsTest, EmptyOwnerListWhispersTheHeadingAlone) {
    host.lists_.OwnerList.clear();
    host.lists_.CommandLevel[18] = "0";
    engine.ProcessCommand("Ann", "/owners");
    EXPECT_THAT(host.sent, ElementsAre("/w Ann Owner List: \r"));
}

TEST_F(CommandsTest, LongMemberListIsCutIntoLinesOfAtMost254) {
    for (int i = 0; i < 60; ++i)
        host.lists_.MemberList.push_back("member" + std::to_string(i));
    engine.ProcessCommand("Boss", "/members");
    ASSERT_GT(host.sent.size(), 2u);
    std::string all;
    for (const std::string& line : host.sent) {
        EXPECT_LE(line.size() - 1, 254u);
        ASSERT_EQ(line.rfind("/w Boss ", 0), 0u);
        all += line.substr(8, line.size() - 9);
    }
    const std::string heading = "Member List: ";
    ASSERT_EQ(all.rfind(heading, 0), 0u);
    std::vector<std::string> names;
    for (std::size_t from = heading.size();;) {
        const std::size_t end = all.find("; ", from);
        names.push_back(all.substr(from, end - from));
        if (end == std::string::npos) break;
        from = end + 2;
    }
    EXPECT_EQ(names, host.lists_.MemberList);
}

TEST_F(CommandsTest, MassMessageReachesOwnersAndMembersTwiceForBoth) {
    host.lists_.MemberList = {"Pal", "Boss"};
    engine.ProcessCommand("Boss", "/massmessage meet at 8");
    EXPECT_THAT(host.sent, ElementsAre("/m Boss Sending Mass Mail.\r", "/m Boss meet at 8\r",
                                       "/m Pal meet at 8\r", "/m Boss meet at 8\r",
                                       "/w Boss Mass Mail Sent.\r"));
}

TEST_F(CommandsTest, DisconnectOnlyWhileConnected) {
    engine.ProcessCommand("Boss", "/disconnect");
    EXPECT_EQ(host.disconnects, 1);
    EXPECT_THAT(host.sent, ElementsAre("/w Boss Disconnecting\r"));
    engine.ProcessCommand("Boss", "/disconnect");
    EXPECT_EQ(host.disconnects, 1);
    EXPECT_EQ(host.sent.size(), 1u);
}

TEST_F(CommandsTest, TokensAreMatchedWithoutCaseAndOnlyWhole) {
    useCommand("!j", "<JOIN>", "0");
    engine.ProcessCommand("Ann", "!j room");
    EXPECT_THAT(host.sent, ElementsAre("/join room\r", "/w Ann Joining Channel room\r"));
    host.sent.clear();
    useCommand("!j", "<join> now", "0");
    engine.ProcessCommand("Ann", "!j room");
    EXPECT_THAT(host.sent, ElementsAre("<join> now\r"));
}

}  // namespace
}  // namespace verdo
