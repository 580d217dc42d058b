// Bans by list, the exception list and product actions for joining users.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/ChatFunctions.h"
#include "support/FakeEngineHost.h"

namespace verdo {
namespace {

using ::testing::ElementsAre;
using testing::FakeEngineHost;
using ::testing::IsEmpty;

class JoinActionsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host.options_.setMasterSwitch(true);
        host.options_.setAutoBan(true);
        host.options_.setBanEveryoneExcept(true);
    }
    FakeEngineHost host;
    ChatFunctions engine{host};
};

TEST_F(JoinActionsTest, BanEntryInSmallLettersBansNameInCapitals) {
    host.lists_.BanList = {"clan"};
    engine.CheckBanList("xxCLANxx");
    EXPECT_THAT(host.sent, ElementsAre("/ban xxCLANxx AutoBan\r"));
    EXPECT_THAT(host.shown, IsEmpty());
}

TEST_F(JoinActionsTest, EveryMatchingBanEntrySendsItsOwnBan) {
    host.lists_.BanList = {"ab", "", "zz", "CD"};
    engine.CheckBanList("abcd");
    EXPECT_THAT(host.sent, ElementsAre("/ban abcd AutoBan\r", "/ban abcd AutoBan\r"));
}

TEST_F(JoinActionsTest, BanListNeedsItsSwitchAndTheMasterSwitch) {
    host.lists_.BanList = {"a"};
    host.options_.setAutoBan(false);
    engine.CheckBanList("a");
    host.options_.setAutoBan(true);
    host.options_.setMasterSwitch(false);
    engine.CheckBanList("a");
    EXPECT_THAT(host.sent, IsEmpty());
}

TEST_F(JoinActionsTest, ExceptionListSparesMatchingNames) {
    host.lists_.NoBanList = {"friend", "[ok]"};
    engine.CheckNoBanList("my[OK]name");
    engine.CheckNoBanList("FRIENDLY");
    EXPECT_THAT(host.sent, IsEmpty());
    engine.CheckNoBanList("stranger");
    EXPECT_THAT(host.sent, ElementsAre("/ban stranger AutoBan\r"));
}

TEST_F(JoinActionsTest, ExceptionListOfOneEmptyEntryBansEveryone) {
    host.lists_.NoBanList = {""};
    engine.CheckNoBanList("anyone");
    EXPECT_THAT(host.sent, ElementsAre("/ban anyone AutoBan\r"));
}

TEST_F(JoinActionsTest, ExceptionListNeedsItsSwitch) {
    host.options_.setBanEveryoneExcept(false);
    engine.CheckNoBanList("anyone");
    EXPECT_THAT(host.sent, IsEmpty());
}

TEST_F(JoinActionsTest, ProductActionExpandsAndEchoes) {
    host.lists_.ProductActions[1] = "Hello <user>, Starcraft fan";  // STAR
    host.lists_.ProductActions[7] = "/stats <user> SEXP";
    engine.RunProductAction("Ann", "STAR");
    engine.RunProductAction("Bob", "SEXP");
    EXPECT_THAT(host.sent, ElementsAre("Hello Ann, Starcraft fan\r", "/stats Bob SEXP\r"));
    EXPECT_THAT(host.shownText(), ElementsAre("<Robot> Hello Ann, Starcraft fan"));
}

TEST_F(JoinActionsTest, ProductCodesAreMatchedExactly) {
    host.lists_.ProductActions.fill("act");
    for (const char* code : {"VRDO", "star", "STA", "XXXX", ""})
        engine.RunProductAction("Ann", code);
    EXPECT_THAT(host.sent, IsEmpty());
}

TEST_F(JoinActionsTest, EachCodeRunsItsOwnAction) {
    for (std::size_t i = 0; i < ProductActionCodes.size(); ++i) {
        host.lists_.ProductActions[i] = "a" + std::to_string(i);
    }
    for (auto code : ProductActionCodes)
        engine.RunProductAction("Ann", code);
    EXPECT_THAT(host.sent,
                ElementsAre("a0\r", "a1\r", "a2\r", "a3\r", "a4\r", "a5\r", "a6\r", "a7\r"));
}

TEST_F(JoinActionsTest, NoneMeansNoActionButEmptySendsAnEmptyLine) {
    engine.RunProductAction("Ann", "CHAT");
    EXPECT_THAT(host.sent, IsEmpty());
    host.lists_.ProductActions[0] = "";
    engine.RunProductAction("Ann", "CHAT");
    EXPECT_THAT(host.sent, ElementsAre("\r"));
    host.options_.setMasterSwitch(false);
    engine.RunProductAction("Ann", "CHAT");
    EXPECT_EQ(host.sent.size(), 1u);
}

}  // namespace
}  // namespace verdo
