// The built-in channel and server lists and the alignment of loaded lists.
#include "engine/BuiltInLists.h"

#include <arpa/inet.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace verdo {
namespace {

using ::testing::ElementsAre;

TEST(BuiltInLists, ChannelsInTheirSortedOrder) {
    ChatLists lists;
    lists.ChannelList = {"stale"};
    FillDefaultChannels(lists);
    EXPECT_THAT(
        lists.ChannelList,
        ElementsAre("Adventurers Wanted", "Beginners Only", "Blizzard Chat 1", "Blizzard Chat 2",
                    "Blizzard Tech Support", "Bounty Hunters", "Clan Recruitment", "Classic Games",
                    "Custom Maps", "Free For All", "Guild Members", "Guild Recruitment",
                    "Human Strategy", "Iron Man Challenges", "Ladder Challenges", "One Vs One",
                    "Open Tech Support", "Opponents Wanted", "Orc Strategy", "Protoss Strategy",
                    "Scenario Games", "Starcraft Newbies", "Terran Strategy", "The Void",
                    "Town Square", "Trading Post", "War2 Ladder Challenges", "Zerg Strategy"));
}

bool isPrivateOrLocal(in_addr_t networkOrder) {
    const std::uint32_t a = ntohl(networkOrder);
    return (a >> 24) == 10 || (a >> 24) == 127 || (a >> 20) == (172u << 4 | 1) ||
           (a >> 16) == (192u << 8 | 168) || (a >> 16) == (169u << 8 | 254) || (a >> 24) == 0;
}

TEST(BuiltInLists, ThirteenPublicAddressesThenTwoHostNames) {
    ChatLists lists;
    FillDefaultServers(lists);
    ASSERT_EQ(lists.ServerList.size(), 15u);
    for (std::size_t i = 0; i < 13; ++i) {
        in_addr address{};
        ASSERT_EQ(::inet_pton(AF_INET, lists.ServerList[i].c_str(), &address), 1)
            << lists.ServerList[i];
        EXPECT_FALSE(isPrivateOrLocal(address.s_addr)) << lists.ServerList[i];
    }
    for (std::size_t i = 13; i < 15; ++i) {
        in_addr address{};
        EXPECT_EQ(::inet_pton(AF_INET, lists.ServerList[i].c_str(), &address), 0);
        EXPECT_NE(lists.ServerList[i].find('.'), std::string::npos);
    }
    EXPECT_TRUE(std::is_sorted(lists.ServerList.begin(), lists.ServerList.end()));
}

TEST(BuiltInLists, SortIgnoresLetterCaseAndKeepsEqualItemsInOrder) {
    tStringList list = {"beta", "Alpha", "alpha", "Beta2", "ALPHA"};
    sortIgnoringCase(list);
    EXPECT_THAT(list, ElementsAre("Alpha", "alpha", "ALPHA", "beta", "Beta2"));
}

TEST(PadAlignedLists, LeavesLongerListsAndPadsShorterOnes) {
    ChatLists lists;
    lists.NameList = {"a", "b"};
    lists.PasswordList = {"p"};
    lists.NumberList = {"#1", "#2"};  // more numbers than accounts: kept
    lists.UserJoinList = {"j"};
    PadAlignedLists(lists);
    EXPECT_THAT(lists.PasswordList, ElementsAre("p", ""));
    EXPECT_THAT(lists.NumberList, ElementsAre("#1", "#2"));
    EXPECT_THAT(lists.UserRes[2], ElementsAre(""));
    EXPECT_TRUE(lists.PhraseRes[0].empty());
}

}  // namespace
}  // namespace verdo
