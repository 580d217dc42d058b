// The roster model on its own: flags parsing, the icon rules, rows, marks, the
// count and name look-ups.
#include "chat/Roster.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace verdo {
namespace {

using ::testing::ElementsAre;

TEST(ParseFlagsTest, ReadsHexadecimalText) {
    EXPECT_EQ(parseFlags("0012"), 0x12u);
    EXPECT_EQ(parseFlags("0020"), 0x20u);
    EXPECT_EQ(parseFlags("00ff"), 0xFFu);
    EXPECT_EQ(parseFlags("FFFFFFFF"), 0xFFFFFFFFu);
    EXPECT_EQ(parseFlags("000000012"), 0x12u);  // leading zeros do not overflow
}

TEST(ParseFlagsTest, TextThatIsNoNumberGivesZero) {
    EXPECT_EQ(parseFlags(""), 0u);
    EXPECT_EQ(parseFlags("00x2"), 0u);
    EXPECT_EQ(parseFlags(" 0012"), 0u);
    EXPECT_EQ(parseFlags("-1"), 0u);
    EXPECT_EQ(parseFlags("100000000"), 0u);  // does not fit in 32 bits
}

TEST(IconRulesTest, EachProductHasItsPictureComparedWithCase) {
    EXPECT_EQ(productIcon("DRTL"), UserIcon::Diablo);
    EXPECT_EQ(productIcon("STAR"), UserIcon::Starcraft);
    EXPECT_EQ(productIcon("DSHR"), UserIcon::DiabloShareware);
    EXPECT_EQ(productIcon("SSHR"), UserIcon::Shareware);
    EXPECT_EQ(productIcon("CHAT"), UserIcon::Chat);
    EXPECT_EQ(productIcon("SEXP"), UserIcon::BroodWar);
    EXPECT_EQ(productIcon("W2BN"), UserIcon::Warcraft);
    EXPECT_EQ(productIcon("JSTR"), UserIcon::StarcraftJapan);
    EXPECT_EQ(productIcon("VRDO"), UserIcon::Verdo);
    EXPECT_EQ(productIcon("star"), UserIcon::None);
    EXPECT_EQ(productIcon("D2RT"), UserIcon::None);
    EXPECT_EQ(productIcon(""), UserIcon::None);
}

TEST(IconRulesTest, OperatorBeatsRepresentativeWhichBeatsTheProduct) {
    EXPECT_EQ(chooseIcon("STAR", 0x12), UserIcon::Gavel);
    EXPECT_EQ(chooseIcon("STAR", 0x01), UserIcon::Blizzard);
    EXPECT_EQ(chooseIcon("STAR", 0x03), UserIcon::Gavel);
    EXPECT_EQ(chooseIcon("STAR", 0x10), UserIcon::Starcraft);
    EXPECT_EQ(chooseIcon("XXXX", 0x20), UserIcon::None);
    EXPECT_EQ(chooseIcon("", 0x02), UserIcon::Gavel);
}

TEST(IconRulesTest, BuiltInNameAlwaysShowsTheProgramsProduct) {
    EXPECT_EQ(shownProduct(BuiltInUserName, "STAR"), "VRDO");
    EXPECT_EQ(shownProduct("verdochat", "STAR"), "STAR");  // letter case counts
    EXPECT_EQ(shownProduct("Bob", "W2BN"), "W2BN");
}

class RosterModelTest : public ::testing::Test {
  protected:
    Roster roster;
};

TEST_F(RosterModelTest, RowsKeepArrivalOrderAndCountUp) {
    roster.setChannelName("Chat");
    roster.add("zed", "STAR", 0);
    roster.add("Amy", "CHAT", 0);
    roster.add("bob", "XXXX", 0);
    EXPECT_THAT(roster.names(), ElementsAre("zed", "Amy", "bob"));
    EXPECT_EQ(roster.UserCount(), 3);
    EXPECT_EQ(roster.channelBoxText(), "Chat (3)");
    EXPECT_EQ(roster.row(0).icon, UserIcon::Starcraft);
    EXPECT_EQ(roster.row(2).icon, UserIcon::None);
    EXPECT_EQ(roster.row(1).product, "CHAT");
    EXPECT_THAT(roster.SquelchMarks(), ElementsAre(false, false, false));
}

TEST_F(RosterModelTest, FindIgnoresCaseOfAToZOnlyAndTakesTheFirst) {
    roster.add("Bob", "STAR", 0);
    roster.add("bob", "CHAT", 0);
    roster.add("\xC9ve", "CHAT", 0);
    EXPECT_EQ(roster.find("BOB"), 0u);
    EXPECT_EQ(roster.find("\xC9VE"), 2u);
    EXPECT_FALSE(roster.find("\xE9ve").has_value());  // only A to Z fold
    EXPECT_FALSE(roster.find("Bo").has_value());
    EXPECT_FALSE(roster.find("").has_value());
}

TEST_F(RosterModelTest, RemoveTakesRowMarkAndCount) {
    roster.add("a", "STAR", 0);
    roster.add("b", "STAR", 0);
    roster.add("c", "STAR", 0);
    roster.updateFlags(2, FlagSquelched);
    roster.removeAt(1);
    EXPECT_THAT(roster.names(), ElementsAre("a", "c"));
    EXPECT_THAT(roster.SquelchMarks(), ElementsAre(false, true));
    EXPECT_EQ(roster.UserCount(), 2);
    EXPECT_EQ(roster.find("c"), 1u);
}

TEST_F(RosterModelTest, FlagsSetTheMarkAndOnlyOperatorOrRepresentativeChangeTheIcon) {
    roster.add("op", "STAR", FlagOperator);
    roster.updateFlags(0, 0);
    EXPECT_EQ(roster.row(0).icon, UserIcon::Gavel);  // keeps the gavel
    roster.updateFlags(0, FlagSquelched);
    EXPECT_TRUE(roster.SquelchMarks()[0]);
    EXPECT_EQ(roster.row(0).icon, UserIcon::Gavel);
    roster.updateFlags(0, FlagBlizzardRep);
    EXPECT_FALSE(roster.SquelchMarks()[0]);
    EXPECT_EQ(roster.row(0).icon, UserIcon::Blizzard);
    EXPECT_EQ(roster.row(0).flags, FlagBlizzardRep);
}

TEST_F(RosterModelTest, ChannelStartEmptiesAndZeroesButClearKeepsNameAndCount) {
    roster.setChannelName("Old");
    roster.add("a", "STAR", 0);
    roster.add("b", "STAR", 0);
    roster.clear();
    EXPECT_TRUE(roster.empty());
    EXPECT_TRUE(roster.SquelchMarks().empty());
    EXPECT_EQ(roster.channelBoxText(), "Old (2)");
    roster.setChannelName("New");
    roster.startChannel();
    EXPECT_EQ(roster.channelBoxText(), "New (0)");
    EXPECT_FALSE(roster.find("a").has_value());
}

}  // namespace
}  // namespace verdo
