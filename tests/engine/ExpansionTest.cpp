// Response templates: placeholders, the choice among alternatives, echo.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/ChatFunctions.h"
#include "support/FakeEngineHost.h"

namespace verdo {
namespace {

using ::testing::ElementsAre;
using testing::FakeEngineHost;

class ExpansionTest : public ::testing::Test {
  protected:
    FakeEngineHost host;
    ChatFunctions engine{host};
};

TEST_F(ExpansionTest, PlaceholdersInCapitalsAreReplacedAndTheRestKept) {
    EXPECT_EQ(engine.ExpandResponse("Hi <USER>,<Channel>!", "Abc", ""), "Hi Abc,Lobby!");
}

TEST_F(ExpansionTest, EveryPlaceholderGetsItsValue) {
    host.roster = {"Ann", "Bob"};
    host.random_.draws = {1};
    EXPECT_EQ(
        engine.ExpandResponse("<user>|<server>|<time>|<channel>|<random>|<parameter>", "U", "p q"),
        "U|127.0.0.1|12/07/2026 10:11:12|Lobby|Bob|p q");
    EXPECT_THAT(host.random_.ranges, ElementsAre(std::pair(0, 1)));
}

TEST_F(ExpansionTest, ThreeRandomsGiveOneName) {
    host.roster = {"Ann", "Bob", "Cid"};
    host.random_.draws = {2, 0, 1};
    EXPECT_EQ(engine.ExpandResponse("<random> <random> <RANDOM>", "", ""), "Cid Cid Cid");
}

TEST_F(ExpansionTest, EmptyRosterAndNoParameterGiveNothing) {
    EXPECT_EQ(engine.ExpandResponse("[<random>][<parameter>]", "u", ""), "[][]");
    EXPECT_TRUE(host.random_.ranges.empty());
}

TEST_F(ExpansionTest, NameIsDrawnEvenWithoutRandomPlaceholder) {
    host.roster = {"Ann", "Bob"};
    engine.ExpandResponse("plain", "u", "");
    EXPECT_EQ(host.random_.ranges.size(), 1u);
}

TEST_F(ExpansionTest, TemplateWithoutPlaceholdersIsUnchanged) {
    EXPECT_EQ(engine.ExpandResponse("MiXeD <case> ~ text <", "u", "p"), "MiXeD <case> ~ text <");
}

TEST_F(ExpansionTest, TimeIsFormattedForEachOccurrence) {
    host.clock_.numbered = true;
    EXPECT_EQ(engine.ExpandResponse("<time>/<TIME>", "", ""),
              "12/07/2026 10:11:12#1/12/07/2026 10:11:12#2");
}

TEST_F(ExpansionTest, MidnightTextFromTheClockIsInsertedAsItIs) {
    host.clock_.text = "12/07/2026";
    EXPECT_EQ(engine.ExpandResponse("at <time>.", "", ""), "at 12/07/2026.");
}

TEST_F(ExpansionTest, LaterPassesExpandWhatEarlierOnesInserted) {
    EXPECT_EQ(engine.ExpandResponse("<user>", "<channel>", ""), "Lobby");
    // The parameter is the last pass, so its text is never expanded.
    EXPECT_EQ(engine.ExpandResponse("<parameter>", "u", "<user>"), "<user>");
}

TEST_F(ExpansionTest, ValueHoldingItsOwnPlaceholderIsInsertedOnce) {
    EXPECT_EQ(engine.ExpandResponse("<parameter>-<parameter>", "u", "<PARAMETER>"),
              "<PARAMETER>-<PARAMETER>");
    EXPECT_EQ(engine.ExpandResponse("<user>", "a<user>b", ""), "a<user>b");
}

TEST_F(ExpansionTest, PlaceholderSplitAcrossValueAndTextIsNotReplaced) {
    EXPECT_EQ(engine.ExpandResponse("<user>user>", "<", ""), "<user>");
}

class PickResponseTest : public ExpansionTest {};

TEST_F(PickResponseTest, DrawsOneToThree) {
    tResponseLists lists{{{"a"}, {"b"}, {"c"}}};
    host.random_.draws = {1, 2, 3};
    EXPECT_EQ(engine.PickResponse(0, lists), "a");
    EXPECT_EQ(engine.PickResponse(0, lists), "b");
    EXPECT_EQ(engine.PickResponse(0, lists), "c");
    EXPECT_THAT(host.random_.ranges,
                ElementsAre(std::pair(1, 3), std::pair(1, 3), std::pair(1, 3)));
}

TEST_F(PickResponseTest, OnlyFilledAlternativeIsAlwaysChosen) {
    tResponseLists lists{{{"x", ""}, {"y", "only"}, {"z", ""}}};
    for (int draw : {1, 2, 3}) {
        host.random_.draws = {draw};
        EXPECT_EQ(engine.PickResponse(1, lists), "only") << "draw " << draw;
    }
}

TEST_F(PickResponseTest, FallbackIsCyclic) {
    tResponseLists lists{{{"one"}, {""}, {"three"}}};
    host.random_.draws = {2};
    EXPECT_EQ(engine.PickResponse(0, lists), "three");
    lists[2][0].clear();
    host.random_.draws = {3};
    EXPECT_EQ(engine.PickResponse(0, lists), "one");
}

TEST_F(PickResponseTest, AllEmptyOrMissingGivesNothing) {
    tResponseLists lists{{{""}, {""}, {""}}};
    EXPECT_EQ(engine.PickResponse(0, lists), "");
    // Lists shorter than the entry list (a damaged file) do not crash.
    EXPECT_EQ(engine.PickResponse(5, lists), "");
}

class EchoTest : public ExpansionTest {};

TEST_F(EchoTest, ShowsOwnNameAndTextInTheirColours) {
    engine.EchoOwnText("hello");
    ASSERT_EQ(host.shown.size(), 1u);
    ASSERT_EQ(host.shown[0].size(), 2u);
    EXPECT_EQ(host.shown[0][0].text, "<Robot> ");
    EXPECT_EQ(host.shown[0][0].color, host.options_.yourNameColor());
    EXPECT_EQ(host.shown[0][1].text, "hello");
    EXPECT_EQ(host.shown[0][1].color, host.options_.yourTextColor());
}

TEST_F(EchoTest, CommandsAndEmptyTextAreNotShown) {
    engine.EchoOwnText("/squelch x");
    engine.EchoOwnText("");
    EXPECT_TRUE(host.shown.empty());
}

TEST_F(EchoTest, SendResponseAppendsOneCarriageReturn) {
    engine.SendResponse("hi");
    engine.SendResponse("");
    EXPECT_THAT(host.sent, ElementsAre("hi\r", "\r"));
}

}  // namespace
}  // namespace verdo
