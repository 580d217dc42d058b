// Names and account numbers from whois answers: storing and the two reports.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/ChatFunctions.h"
#include "support/FakeEngineHost.h"

namespace verdo {
namespace {

using ::testing::ElementsAre;
using testing::FakeEngineHost;
using ::testing::IsEmpty;

std::string accountLine(const std::string& name, const std::string& number) {
    return name + " is logged on from account #" + number + ".";
}

class AccountTrackingTest : public ::testing::Test {
  protected:
    FakeEngineHost host;
    ChatFunctions engine{host};
};

TEST_F(AccountTrackingTest, SameLineTwiceStoresOnceAndReportsTwice) {
    engine.TrackWhoisLine(accountLine("Ann", "123"));
    const auto first = host.shownText();
    EXPECT_THAT(first, ElementsAre("Numbers associated with this name:", "    #123",
                                   "Names associated with this number:", "    Ann"));
    EXPECT_TRUE(host.modified);
    host.shown.clear();
    host.modified = false;
    engine.TrackWhoisLine(accountLine("Ann", "123"));
    EXPECT_EQ(host.shownText(), first);
    EXPECT_THAT(host.lists_.AccountList, ElementsAre("Ann"));
    EXPECT_THAT(host.lists_.NumberList, ElementsAre("123"));
    EXPECT_FALSE(host.modified);
}

TEST_F(AccountTrackingTest, ANewPairSharesOneIndexAfterSurplusNumbers) {
    host.lists_.AccountList = {"Ann"};
    host.lists_.NumberList = {"1", "2"};
    engine.TrackWhoisLine(accountLine("Bob", "3"));
    EXPECT_THAT(host.lists_.AccountList, ElementsAre("Ann", "", "Bob"));
    EXPECT_THAT(host.lists_.NumberList, ElementsAre("1", "2", "3"));
}

TEST_F(AccountTrackingTest, ReportColours) {
    engine.TrackWhoisLine(accountLine("Ann", "1"));
    engine.TrackWhoisLine(accountLine("Bob", "1"));
    const auto& shown = host.shown;
    // Last report: heading, "#1", other association Ann, heading, Ann, Bob.
    const std::size_t start = shown.size() - 6;
    EXPECT_EQ(shown[start][0].color, host.options_.infoColor());
    EXPECT_EQ(shown[start + 1][0].color, host.options_.nameColor());
    ASSERT_EQ(shown[start + 2].size(), 2u);
    EXPECT_EQ(shown[start + 2][0].color, host.options_.infoColor());
    EXPECT_EQ(shown[start + 2][1].color, host.options_.nameColor());
}

TEST_F(AccountTrackingTest, NameWithTwoNumbersListsBothWithTheirOtherNames) {
    engine.TrackWhoisLine(accountLine("Ann", "1"));
    engine.TrackWhoisLine(accountLine("Cid", "2"));
    host.shown.clear();
    engine.TrackWhoisLine(accountLine("Ann", "2"));
    EXPECT_THAT(host.shownText(), ElementsAre("Numbers associated with this name:", "    #1",
                                              "    #2", "    Other Association: Cid",
                                              "Names associated with this number:", "    Cid",
                                              "    Ann", "    Other Association: 1"));
}

TEST_F(AccountTrackingTest, NameStoredInCapitalsIsFoundInSmallLetters) {
    engine.TrackWhoisLine(accountLine("ANN", "7"));
    host.shown.clear();
    engine.TrackWhoisLine("ann IS LOGGED ON FROM ACCOUNT #7.");
    EXPECT_THAT(host.lists_.AccountList, ElementsAre("ANN"));
    EXPECT_THAT(host.shownText(), ElementsAre("Numbers associated with this name:", "    #7",
                                              "Names associated with this number:", "    ANN"));
}

TEST_F(AccountTrackingTest, GatewayLineForUnknownNamePrintsNoneOnly) {
    engine.TrackWhoisLine("Zed is logged on through a gateway.");
    EXPECT_THAT(host.shownText(), ElementsAre("Numbers associated with this name:", "    None"));
    EXPECT_THAT(host.lists_.AccountList, IsEmpty());
}

TEST_F(AccountTrackingTest, GatewayLineReportsWhatWasStored) {
    engine.TrackWhoisLine(accountLine("Zed", "9"));
    host.shown.clear();
    engine.TrackWhoisLine("Zed is logged on through a gateway.");
    EXPECT_THAT(host.shownText(), ElementsAre("Numbers associated with this name:", "    #9"));
}

TEST_F(AccountTrackingTest, OtherLinesAreIgnored) {
    engine.TrackWhoisLine("Ann is using Starcraft in channel Lobby.");
    EXPECT_THAT(host.shown, IsEmpty());
    EXPECT_THAT(host.lists_.AccountList, IsEmpty());
}

TEST_F(AccountTrackingTest, OddShapesStoreWhatTheCuttingRulesGive) {
    engine.TrackWhoisLine("Ann is logged on from account");
    engine.TrackWhoisLine(" is logged on from account 5x");
    EXPECT_THAT(host.lists_.AccountList, ElementsAre("Ann", ""));
    EXPECT_THAT(host.lists_.NumberList,
                ElementsAre("is logged on from accoun", "is logged on from account 5"));
}

TEST_F(AccountTrackingTest, MisalignedListsFromADamagedFileDoNotCrash) {
    host.lists_.AccountList = {"Ann", "Bob", "Cid"};
    host.lists_.NumberList = {"1"};
    engine.TrackWhoisLine(accountLine("Cid", "1"));
    EXPECT_EQ(host.lists_.AccountList.size(), 4u);
    EXPECT_EQ(host.shownText()[0], "Numbers associated with this name:");
}

}  // namespace
}  // namespace verdo
