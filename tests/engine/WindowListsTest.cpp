// The GUI-free logic behind the account, channel and macro windows: list-box
// order, distinct and partner lists of the account pairs, the channel list,
// and the macro slots.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/AccountLists.h"
#include "engine/ChannelListEditor.h"
#include "engine/ListBoxOrder.h"
#include "engine/MacroTable.h"

namespace verdo {
namespace {

using Strings = std::vector<std::string>;

TEST(ListBoxOrderTest, SortsWithoutCaseThenByBytesAndPrefixesFirst) {
    Strings items{"beta", "Alpha", "alpha", "al", "\xe9t\xe9", "Zed", "_x"};
    sortLikeListBox(items);
    EXPECT_EQ(items, (Strings{"_x", "al", "Alpha", "alpha", "beta", "Zed", "\xe9t\xe9"}));
}

class AccountListsTest : public ::testing::Test {
  protected:
    // Zed used two accounts, account 7 was seen with three spellings of two names.
    AccountLists lists{{"Zed", "ann", "zed", "Bob", "Zed", "ANN", "Zed"},
                       {"7", "7", "9", "7", "7", "x", "7"}};
};

TEST_F(AccountListsTest, DistinctKeepsTheFirstSpellingInTheOrderSeen) {
    EXPECT_EQ(lists.distinct(AccountSide::Names), (Strings{"Zed", "ann", "Bob"}));
    EXPECT_EQ(lists.distinct(AccountSide::Numbers), (Strings{"7", "9", "x"}));
}

TEST_F(AccountListsTest, PartnersRepeatPerPairAndMatchCaseOnlyWhenExact) {
    EXPECT_EQ(lists.partners(AccountSide::Names, "ZED", false), (Strings{"7", "7", "7", "9"}));
    EXPECT_EQ(lists.partners(AccountSide::Names, "ZED", true), Strings{});
    EXPECT_EQ(lists.partners(AccountSide::Numbers, "7", true),
              (Strings{"ann", "Bob", "Zed", "Zed", "Zed"}));
    EXPECT_EQ(lists.partners(AccountSide::Numbers, "X", true), Strings{});
    EXPECT_EQ(lists.partners(AccountSide::Numbers, "X", false), Strings{"ANN"});
}

TEST(AccountListsShapeTest, PairsEndWithTheShorterListAndProgressReachesTheEnd) {
    Strings names(AccountLists::ProgressStep + 3, "n");
    names.back() = "last";
    const AccountLists lists(names, Strings(AccountLists::ProgressStep + 2, "1"));
    std::vector<std::size_t> reports;
    EXPECT_EQ(
        lists.distinct(AccountSide::Names, [&](std::size_t done) { reports.push_back(done); }),
        Strings{"n"});
    EXPECT_EQ(reports, (std::vector<std::size_t>{AccountLists::ProgressStep,
                                                 AccountLists::ProgressStep + 2}));
    EXPECT_TRUE(AccountLists({}, {}).distinct(AccountSide::Numbers).empty());
}

TEST(ChannelListEditorTest, KeepsOrderAndAddsEachNameOnce) {
    ChannelListEditor list({"War3", "brood war", "Chat"});
    EXPECT_EQ(list.channels(), (Strings{"brood war", "Chat", "War3"}));
    EXPECT_EQ(list.add("CHAT"), 1);
    EXPECT_EQ(list.add("Blizzard"), 0);
    EXPECT_EQ(list.add(""), 0);
    EXPECT_EQ(list.channels(), (Strings{"", "Blizzard", "brood war", "Chat", "War3"}));
    list.remove(5);
    list.remove(-1);
    list.remove(0);
    EXPECT_EQ(list.channels(), (Strings{"Blizzard", "brood war", "Chat", "War3"}));
}

TEST(ChannelListEditorTest, StartsAtTheNamedChannelElseTheFirst) {
    const ChannelListEditor list({"Chat", "Op Zed"});
    EXPECT_EQ(list.startIndex("op zed"), 1);
    EXPECT_EQ(list.startIndex("Elsewhere"), 0);
    EXPECT_EQ(list.startIndex(""), 0);
    EXPECT_EQ(ChannelListEditor({}).startIndex("Chat"), -1);
}

TEST(MacroTableTest, LoadsLaterEntriesOverEarlierAndSkipsWhatIsNoLetter) {
    const MacroTable table = MacroTable::fromLists({"C", "a", "", "1", "[", "C", "Z", "Qx", "\xc4"},
                                                   {"c1", "a", "e", "one", "br", "c2", "z"});
    EXPECT_EQ(table.action(0), "a");
    EXPECT_EQ(table.action(2), "c2");
    EXPECT_EQ(table.action(25), "z");
    EXPECT_EQ(table.action(16), "");  // "Qx" has no action beside it
    Strings keys{"stale"};
    Strings actions;
    table.toLists(keys, actions);
    EXPECT_EQ(keys, (Strings{"A", "C", "Z"}));
    EXPECT_EQ(actions, (Strings{"a", "c2", "z"}));
}

TEST(MacroTableTest, AnEmptiedSlotDisappears) {
    MacroTable table = MacroTable::fromLists({"B", "A"}, {"b", "a"});
    table.setAction(1, "");
    Strings keys;
    Strings actions;
    table.toLists(keys, actions);
    EXPECT_EQ(keys, Strings{"A"});
    EXPECT_EQ(actions, Strings{"a"});
}

}  // namespace
}  // namespace verdo
