// Index-aligned list groups and the plain-list rules of the configuration editors.
#include "engine/AlignedLists.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace verdo {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct ResponseGroup {
    tStringList entries{"hi", "bye", "lol"};
    tResponseLists responses{tStringList{"h1", "b1", "l1"}, tStringList{"h2", "b2", "l2"},
                             tStringList{"h3", "b3"}};
    AlignedLists group{entries, {&responses[0], &responses[1], &responses[2]}};
};

TEST(AlignedLists, ShortFollowersArePaddedSoEveryEntryHasItsValues) {
    ResponseGroup g;
    EXPECT_THAT(g.responses[2], ElementsAre("h3", "b3", ""));
    EXPECT_EQ(g.group.value(2, 2), "");
}

TEST(AlignedLists, DeletingAnEntryKeepsTheLaterEntriesResponses) {
    ResponseGroup g;
    g.group.remove(0);
    EXPECT_THAT(g.entries, ElementsAre("bye", "lol"));
    EXPECT_THAT(g.responses[0], ElementsAre("b1", "l1"));
    EXPECT_THAT(g.responses[1], ElementsAre("b2", "l2"));
    EXPECT_THAT(g.responses[2], ElementsAre("b3", ""));
    g.group.remove(2);  // out of range
    EXPECT_EQ(g.group.size(), 2u);
}

TEST(AlignedLists, AppendGivesEachFollowerItsValueAtTheEntrysIndex) {
    tStringList commands{"/a"};
    tStringList responses{"ra", "stray"};  // longer than its main list
    tStringList levels;
    AlignedLists group(commands, {&responses, &levels});
    EXPECT_EQ(group.append("New command", {"New Command Response", "1"}), 1u);
    EXPECT_THAT(commands, ElementsAre("/a", "New command"));
    EXPECT_THAT(responses, ElementsAre("ra", "New Command Response", "stray"));
    EXPECT_THAT(levels, ElementsAre("", "1"));
    group.append("x", {});
    EXPECT_EQ(group.value(0, 2), "");
}

TEST(AlignedLists, EditsAndClear) {
    ResponseGroup g;
    g.group.setEntry(1, "ciao");
    g.group.setValue(2, 1, "new");
    g.group.setValue(3, 1, "ignored");
    g.group.setEntry(9, "ignored");
    EXPECT_EQ(g.group.entry(1), "ciao");
    EXPECT_EQ(g.responses[2][1], "new");
    g.group.clear();
    EXPECT_THAT(g.entries, IsEmpty());
    for (const tStringList& r : g.responses)
        EXPECT_THAT(r, IsEmpty());
}

TEST(ListRules, MovesStopAtTheEnds) {
    tStringList list{"a", "b", "c"};
    EXPECT_FALSE(moveUp(list, 0));
    EXPECT_FALSE(moveDown(list, 2));
    EXPECT_FALSE(moveDown(list, 7));
    EXPECT_THAT(list, ElementsAre("a", "b", "c"));
    EXPECT_TRUE(moveUp(list, 2));
    EXPECT_TRUE(moveDown(list, 0));
    EXPECT_THAT(list, ElementsAre("c", "a", "b"));
}

TEST(ListRules, ANameIsAddedOnceWhateverItsCase) {
    tStringList names{"Verdo"};
    EXPECT_FALSE(appendNewName(names, "vERDO"));
    EXPECT_FALSE(appendNewName(names, ""));
    EXPECT_TRUE(appendNewName(names, "Other"));
    EXPECT_THAT(names, ElementsAre("Verdo", "Other"));
}

TEST(ListRules, OnlyZeroAndTwoWidenACommandLevel) {
    EXPECT_EQ(commandLevelIndex("0"), 0);
    EXPECT_EQ(commandLevelIndex("1"), 1);
    EXPECT_EQ(commandLevelIndex("2"), 2);
    for (const char* odd : {"", "3", "x", "02", " 0"})
        EXPECT_EQ(commandLevelIndex(odd), 1) << odd;
}

}  // namespace
}  // namespace verdo
