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
