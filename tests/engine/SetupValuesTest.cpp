// Storing the configuration dialog's working copies.
#include "engine/SetupValues.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string_view>

#include "engine/ListEditing.h"
#include "records/OptionFields.h"

namespace verdo {
namespace {

using ::testing::ElementsAre;

TEST(SetupValues, StoresWhatTheDialogEditsAndNothingElse) {
    tOptions live;
    ChatLists lists;
    ResetOptions(live, lists.ProductActions);
    lists.AccountList = {"before"};
    SetupValues values(live, lists, false);
    // Meanwhile the session tracks an account and a whisper changes the away reason.
    lists.AccountList.push_back("tracked");
    live.setAwayReason("lunch");

    values.options.setUserName("Bot");
    values.options.setPassword("secret");
    values.options.setUseDirectSound(true);
    values.options.setMasterSwitch(true);
    values.options.setConnectionTimeout(100);
    values.lists.OwnerList = {"Owner"};
    values.lists.PhraseRes[2] = {"r3"};
    values.lists.ProductActions[0] = std::string(300, 'k');
    values.lists.TimerList.clear();
    values.storeTo(live, lists);

    EXPECT_EQ(live.userName(), "Bot");
    EXPECT_EQ(live.password(), "secret");
    EXPECT_FALSE(live.useDirectSound());
    EXPECT_TRUE(live.masterSwitch());
    EXPECT_EQ(live.connectionTimeout(), 100);
    EXPECT_EQ(live.awayReason(), "lunch");
    EXPECT_THAT(lists.OwnerList, ElementsAre("Owner"));
    EXPECT_THAT(lists.PhraseRes[2], ElementsAre("r3"));
    EXPECT_EQ(lists.ProductActions[0].size(), 300u);  // product actions are kept whole
    EXPECT_THAT(lists.AccountList, ElementsAre("before", "tracked"));
}

// Every list reaches the live lists from the dialog, an emptied one too,
// except the ones the session keeps changing while the dialog is open: the
// custom user list, the channels, the accounts and the macros.
TEST(SetupValues, EveryListButTheSessionsOwnIsStored) {
    const std::set<std::string_view> sessionOwned = {"custom", "channels", "accounts", "macros"};
    tOptions live;
    ChatLists lists;
    for (const ChatListShape& shape : ListEditing::lists()) {
        for (const ListColumn& column : shape.columns)
            column.in(lists) = {"old"};
    }
    SetupValues values(live, lists, false);
    for (const ChatListShape& shape : ListEditing::lists()) {
        for (const ListColumn& column : shape.columns)
            column.in(values.lists).clear();
    }
    values.storeTo(live, lists);
    for (const ChatListShape& shape : ListEditing::lists()) {
        const bool kept = sessionOwned.count(shape.name) != 0;
        for (const ListColumn& column : shape.columns) {
            EXPECT_EQ(column.of(lists).empty(), !kept) << shape.name << " " << column.name;
        }
    }
}

// What the dialog shows is stored (switches as on or off, "Use DirectSound"
// always off); what it does not show keeps the live value.
TEST(SetupValues, OnlyTheOptionsTheDialogShowsAreStored) {
    tOptions live;
    ChatLists lists;
    SetupValues values(live, lists, false);
    std::fill_n(values.options.data(), tOptions::Size, std::uint8_t{2});
    values.storeTo(live, lists);

    // A flag byte of 2 is stored as on.
    EXPECT_EQ(
        live.data()[OptionFields::find(OptionFields::options(), "respond-to-phrases")->offset], 1);
    EXPECT_TRUE(live.masterSwitch());
    EXPECT_TRUE(live.keepLog());
    EXPECT_TRUE(live.autoReconnect());
    EXPECT_FALSE(live.useDirectSound());
    EXPECT_EQ(live.userName(), "\x02\x02");
    EXPECT_EQ(live.joinResponse(), "\x02\x02");
    EXPECT_EQ(live.loginTimeout(), 0x02020202);
    EXPECT_EQ(live.doubleClickAction(), 2);

    EXPECT_FALSE(live.toolBarVisible());
    EXPECT_EQ(live.awayReason(), "");
    EXPECT_EQ(live.server(), "");
    EXPECT_EQ(live.infoColor(), 0u);
    EXPECT_EQ(live.chatFont().size(), 0);
}

}  // namespace
}  // namespace verdo
