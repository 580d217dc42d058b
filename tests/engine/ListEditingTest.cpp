// Adding and removing list items keeps every aligned column at the same index,
// puts new items where the dialog puts them, and refuses what a list cannot hold.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/ListEditing.h"

namespace verdo {
namespace {

using ::testing::ElementsAre;

const ChatListShape& shape(std::string_view name) {
    const ChatListShape* found = ListEditing::find(name);
    EXPECT_NE(found, nullptr) << name;
    return *found;
}

std::string addChecked(ChatLists& lists, std::string_view list, std::vector<std::string> values) {
    if (std::string why = ListEditing::check(shape(list), values); !why.empty()) return why;
    ListEditing::add(lists, shape(list), values);
    return {};
}

TEST(ListEditingTest, RemovingAnItemTakesItsResponsesWithIt) {
    ChatLists lists;
    for (const char* phrase : {"hi", "bye", "lol"})
        ASSERT_EQ(addChecked(lists, "phrases", {phrase, std::string(phrase) + "!"}), "");
    ListEditing::removeAt(lists, shape("phrases"), 1);
    EXPECT_THAT(lists.PhraseList, ElementsAre("hi", "lol"));
    EXPECT_THAT(lists.PhraseRes[0], ElementsAre("hi!", "lol!"));
    EXPECT_THAT(lists.PhraseRes[2], ElementsAre("", ""));
    EXPECT_EQ(ListEditing::indexOf(lists, shape("phrases"), "LOL"), 1u);
    ListEditing::removeAt(lists, shape("phrases"), 5);  // out of range: nothing
    EXPECT_EQ(lists.PhraseList.size(), 2u);
}

TEST(ListEditingTest, NewItemsGoWhereTheDialogPutsThem) {
    ChatLists lists;
    lists.ServerList = {"a"};
    ASSERT_EQ(addChecked(lists, "servers", {"127.0.0.1"}), "");
    EXPECT_THAT(lists.ServerList, ElementsAre("127.0.0.1", "a"));

    ASSERT_EQ(addChecked(lists, "commands", {"hi", "Hello <user>"}), "");
    ASSERT_EQ(addChecked(lists, "timers", {"Welcome!"}), "");
    EXPECT_THAT(lists.CommandLevel, ElementsAre("1"));  // owners only, as the dialog's Add
    EXPECT_THAT(lists.IntervalList, ElementsAre("60"));

    for (const char* key : {"q", "C", "c"})
        ASSERT_EQ(addChecked(lists, "macros", {key, std::string("/say ") + key}), "");
    EXPECT_THAT(lists.MacroKeys, ElementsAre("C", "Q"));  // one per letter, A to Z
    EXPECT_THAT(lists.MacroList, ElementsAre("/say c", "/say q"));

    ASSERT_EQ(addChecked(lists, "homes", {"Clan"}), "");
    ASSERT_EQ(addChecked(lists, "homes", {"CLAN"}), "");  // already offered
    EXPECT_THAT(lists.HomeList, ElementsAre("Clan"));
}

TEST(ListEditingTest, RefusesWhatTheListCannotHold) {
    ChatLists lists;
    const std::vector<std::pair<std::string_view, std::vector<std::string>>> refused = {
        {"commands", {"hi", "x", "3"}},
        {"timers", {"x", "10001"}},
        {"timers", {"x", "soon"}},
        {"macros", {"F1", "x"}},
        {"owners", {"two\nlines"}},
        {"owners", {""}},
        {"owners", {"a", "b"}},
        {"homes", {std::string(241, 'h')}},
        {"commands", {std::string(255, 'c')}},
    };
    for (const auto& [list, values] : refused)
        EXPECT_NE(addChecked(lists, list, values), "") << list << " " << values.front();
    for (const ChatListShape& each : ListEditing::lists())
        EXPECT_EQ(ListEditing::count(lists, each), 0u) << each.name;
}

}  // namespace
}  // namespace verdo
