// Phrase, whisper and join responses, and the cap on answers per user.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/ChatFunctions.h"
#include "support/FakeEngineHost.h"

namespace verdo {
namespace {

using ::testing::ElementsAre;
using testing::FakeEngineHost;
using ::testing::IsEmpty;

// Makes entry i answer with responses[i] as its first alternative only.
void setEntries(tStringList& entries, tResponseLists& lists,
                const std::vector<std::pair<std::string, std::string>>& pairs) {
    entries.clear();
    for (auto& list : lists)
        list.assign(pairs.size(), "");
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        entries.push_back(pairs[i].first);
        lists[0][i] = pairs[i].second;
    }
}

class PhraseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host.options_.setMasterSwitch(true);
        host.options_.setRespondToPhrases(true);
        host.options_.setRespondToWhispers(true);
        ChatLists& l = host.lists_;
        setEntries(l.PhraseList, l.PhraseRes, {{"hi", "short:<parameter>"}, {"hi there", "long"}});
    }
    FakeEngineHost host;
    ChatFunctions engine{host};
};

TEST_F(PhraseTest, FirstEntryInListOrderWinsAndParameterSkipsOneCharacter) {
    engine.RespondToPhrase("Ann", "oh HI THERE friend");
    EXPECT_THAT(host.sent, ElementsAre("short:THERE friend\r"));
    EXPECT_THAT(host.shownText(), ElementsAre("<Robot> short:THERE friend"));
}

TEST_F(PhraseTest, PhraseAtTheVeryEndGivesEmptyParameter) {
    engine.RespondToPhrase("Ann", "well hi");
    EXPECT_THAT(host.sent, ElementsAre("short:\r"));
}

TEST_F(PhraseTest, EmptyEntryIsNeverFound) {
    setEntries(host.lists_.PhraseList, host.lists_.PhraseRes, {{"", "never"}, {"x", "ex"}});
    engine.RespondToPhrase("Ann", "abc");
    EXPECT_THAT(host.sent, IsEmpty());
    engine.RespondToPhrase("Ann", "xyz");
    EXPECT_THAT(host.sent, ElementsAre("ex\r"));
}

TEST_F(PhraseTest, SwitchesMustBeOn) {
    host.options_.setRespondToPhrases(false);
    engine.RespondToPhrase("Ann", "hi");
    host.options_.setRespondToPhrases(true);
    host.options_.setMasterSwitch(false);
    engine.RespondToPhrase("Ann", "hi");
    EXPECT_THAT(host.sent, IsEmpty());
}

TEST_F(PhraseTest, IgnorePrefixInAnyCaseStopsTheAnswer) {
    host.ignore = "!Bot";
    EXPECT_TRUE(engine.HasIgnorePrefix("!bOT hi"));
    engine.RespondToPhrase("Ann", "!BOT hi");
    engine.RespondToWhisper("Ann", "!bot hi");
    EXPECT_THAT(host.sent, IsEmpty());
}

TEST_F(PhraseTest, EmptyIgnorePrefixIgnoresNothing) {
    EXPECT_FALSE(engine.HasIgnorePrefix("hi"));
    EXPECT_FALSE(engine.HasIgnorePrefix(""));
    engine.RespondToPhrase("Ann", "hi");
    EXPECT_EQ(host.sent.size(), 1u);
}

TEST_F(PhraseTest, EmptyExpansionIsNotSent) {
    setEntries(host.lists_.PhraseList, host.lists_.PhraseRes, {{"hi", "<parameter>"}});
    engine.RespondToPhrase("Ann", "hi");
    EXPECT_THAT(host.sent, IsEmpty());
    EXPECT_THAT(host.shown, IsEmpty());
}

TEST_F(PhraseTest, CommandResponseIsSentButNotEchoed) {
    setEntries(host.lists_.PhraseList, host.lists_.PhraseRes, {{"idiot", "/squelch <user>"}});
    engine.RespondToPhrase("Ann", "you IDIOT");
    EXPECT_THAT(host.sent, ElementsAre("/squelch Ann\r"));
    EXPECT_THAT(host.shown, IsEmpty());
}

TEST_F(PhraseTest, ResponseListsShorterThanEntriesAnswerNothing) {
    host.lists_.PhraseList.push_back("broken");
    engine.RespondToPhrase("Ann", "broken file");
    EXPECT_THAT(host.sent, IsEmpty());
}

TEST_F(PhraseTest, WhisperUsesItsOwnLists) {
    setEntries(host.lists_.WhisperList, host.lists_.WhiserRes,
               {{"help", "/msg <user> ask <parameter>"}});
    engine.RespondToWhisper("Ann", "HELP me");
    engine.RespondToWhisper("Ann", "hi");
    EXPECT_THAT(host.sent, ElementsAre("/msg Ann ask me\r"));
    host.options_.setRespondToWhispers(false);
    engine.RespondToWhisper("Ann", "help");
    EXPECT_EQ(host.sent.size(), 1u);
}

TEST_F(PhraseTest, AnswersToOneUserAreCappedAndToldOnce) {
    for (int i = 0; i < 8; ++i) {
        engine.RespondToPhrase("Ann", "hi");
        host.clock_.nowMs += 1000;
    }
    EXPECT_EQ(host.sent.size(), 5u);
    const auto held = host.shownText();
    const auto notices = std::count_if(held.begin(), held.end(), [](const std::string& line) {
        return line.find("Holding back automatic answers to Ann") == 0;
    });
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(host.shown.back()[0].color, host.options_.infoColor());
}

TEST_F(PhraseTest, CapCountsNamesWithoutCaseAndFreesAfterTheWindow) {
    for (const char* name : {"Ann", "ANN", "ann", "aNN", "Ann", "ANn"})
        engine.RespondToPhrase(name, "hi");
    EXPECT_EQ(host.sent.size(), 5u);
    engine.RespondToPhrase("Bob", "hi");
    EXPECT_EQ(host.sent.size(), 6u);
    host.clock_.nowMs += 30000;
    engine.RespondToPhrase("Ann", "hi");
    EXPECT_EQ(host.sent.size(), 7u);
}

class JoinTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host.options_.setMasterSwitch(true);
        host.options_.setRespondToJoins(true);
        host.options_.setJoinResponse("Welcome <user>");
        host.lists_.UserJoinList = {"Ann", "Bob"};
        host.lists_.UserRes = {{{"Hi Ann", ""}, {"", ""}, {"", ""}}};
    }
    FakeEngineHost host;
    ChatFunctions engine{host};
};

TEST_F(JoinTest, ListedUserGetsOwnGreetingNamesWithoutCase) {
    engine.RespondToJoin("aNN");
    EXPECT_THAT(host.sent, ElementsAre("Hi Ann\r"));
    EXPECT_THAT(host.shownText(), ElementsAre("<Robot> Hi Ann"));
}

TEST_F(JoinTest, ListedUserWithEmptyGreetingsGetsNothing) {
    engine.RespondToJoin("Bob");
    EXPECT_THAT(host.sent, IsEmpty());
}

TEST_F(JoinTest, OthersGetTheGreetingForAll) {
    engine.RespondToJoin("Cid");
    EXPECT_THAT(host.sent, ElementsAre("Welcome Cid\r"));
}

TEST_F(JoinTest, GreetingForAllIsSentEvenWhenItExpandsToNothing) {
    host.options_.setJoinResponse("<parameter>");
    engine.RespondToJoin("Cid");
    EXPECT_THAT(host.sent, ElementsAre("\r"));
    host.options_.setJoinResponse("");
    engine.RespondToJoin("Cid");
    EXPECT_EQ(host.sent.size(), 1u);
}

TEST_F(JoinTest, GreetingsAreNotCapped) {
    for (int i = 0; i < 7; ++i)
        engine.RespondToJoin("Cid");
    EXPECT_EQ(host.sent.size(), 7u);
}

// The send queue gives what an owner commanded its turn before what the
// program answers by itself.
TEST_F(PhraseTest, AnswersAndBansGoAsAutomaticLinesCommandRepliesAsCommandLines) {
    host.options_.setAutoBan(true);
    host.lists_.BanList = {"pest"};
    host.lists_.OwnerList = {"Boss"};
    host.lists_.CommandList = {"/join"};
    host.lists_.CommandRes = {"<join>"};
    host.lists_.CommandLevel = {"1"};
    engine.RespondToPhrase("Ann", "hi");
    engine.CheckBanList("pest");
    engine.ProcessCommand("Boss", "/join Lobby");
    EXPECT_THAT(host.sent, ElementsAre("short:\r", "/ban pest AutoBan\r", "/join Lobby\r",
                                       "/w Boss Joining Channel Lobby\r"));
    EXPECT_THAT(host.classes, ElementsAre(SendClass::Automatic, SendClass::Automatic,
                                          SendClass::Command, SendClass::Command));
}

TEST_F(JoinTest, SwitchesMustBeOn) {
    host.options_.setRespondToJoins(false);
    engine.RespondToJoin("Cid");
    host.options_.setRespondToJoins(true);
    host.options_.setMasterSwitch(false);
    engine.RespondToJoin("Cid");
    EXPECT_THAT(host.sent, IsEmpty());
}

}  // namespace
}  // namespace verdo
