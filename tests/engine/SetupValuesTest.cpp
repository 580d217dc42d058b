// Storing the configuration dialog's working copies.
#include "engine/SetupValues.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

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

// Each list the dialog shows reaches the live lists, an emptied one too.
TEST(SetupValues, EveryEditedListIsStored) {
    tStringList ChatLists::*const edited[] = {
        &ChatLists::ServerList,   &ChatLists::NameList,     &ChatLists::PasswordList,
        &ChatLists::HomeList,     &ChatLists::IntervalList, &ChatLists::TimerList,
        &ChatLists::CommandList,  &ChatLists::CommandLevel, &ChatLists::CommandRes,
        &ChatLists::PhraseList,   &ChatLists::WhisperList,  &ChatLists::BanList,
        &ChatLists::UserJoinList, &ChatLists::NoBanList,    &ChatLists::OwnerList,
        &ChatLists::MemberList};
    tOptions live;
    ChatLists lists;
    for (const auto list : edited)
        lists.*list = {"old"};
    SetupValues values(live, lists, false);
    for (const auto list : edited)
        (values.lists.*list).clear();
    values.lists.WhiserRes[1] = {"new"};
    values.storeTo(live, lists);
    for (const auto list : edited)
        EXPECT_TRUE((lists.*list).empty());
    EXPECT_THAT(lists.WhiserRes[1], ElementsAre("new"));
}

TEST(SetupValues, EverySwitchOfTheTableIsStored) {
    tOptions live;
    ChatLists lists;
    SetupValues values(live, lists, false);
    for (const SetupSwitch& option : SetupSwitches)
        (values.options.*option.set)(true);
    values.storeTo(live, lists);
    for (const SetupSwitch& option : SetupSwitches) {
        const bool expected = option.control != "cbDirectSound";
        EXPECT_EQ((live.*option.get)(), expected) << option.control;
    }
}

}  // namespace
}  // namespace verdo
