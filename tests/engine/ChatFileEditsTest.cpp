// The bot's own edits found by comparing with the state last read or written,
// and replayed by value onto a chat file another program changed meanwhile.
#include "engine/ChatFileEdits.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace verdo {
namespace {

using ::testing::ElementsAre;

TEST(ChatFileEdits, ReplaysAddsDeletesSwitchesAndNumbersByValue) {
    tOptions baseOptions;
    ChatLists base;
    base.OwnerList = {"Boss", "Old"};
    base.BanList = {"spammer", "gone"};
    base.AccountList = {"Kept", "Renumbered"};
    base.NumberList = {"1", "2"};

    // The bot's edits since then.
    tOptions options = baseOptions;
    ChatLists lists = base;
    lists.OwnerList = {"Boss", "Zed", "Ann"};  // Old deleted, Zed and Ann added
    lists.BanList = {"spammer"};               // gone deleted
    lists.NumberList = {"1", "20"};            // Renumbered
    lists.AccountList.push_back("New");        // a new account
    lists.NumberList.push_back("3");
    options.setMasterSwitch(!baseOptions.masterSwitch());
    const ChatFileEdits edits = ChatFileEdits::between(baseOptions, base, options, lists);

    // Another program's version: Old and gone already removed, ZED added,
    // another owner added, Renumbered moved.
    tOptions disk = baseOptions;
    ChatLists onDisk;
    onDisk.OwnerList = {"Boss", "ZED", "Other"};
    onDisk.BanList = {"spammer", "new ban"};
    onDisk.AccountList = {"Other account", "renumbered", "Kept"};
    onDisk.NumberList = {"9", "2", "1"};
    const ChatFileEdits::Count count = edits.replayOnto(disk, onDisk);

    EXPECT_THAT(onDisk.OwnerList, ElementsAre("Boss", "ZED", "Other", "Ann"));
    EXPECT_THAT(onDisk.BanList, ElementsAre("spammer", "new ban"));
    EXPECT_THAT(onDisk.AccountList, ElementsAre("Other account", "renumbered", "Kept", "New"));
    EXPECT_THAT(onDisk.NumberList, ElementsAre("9", "20", "1", "3"));
    EXPECT_EQ(disk.masterSwitch(), options.masterSwitch());
    // Two deletes had nothing left to remove; the adds, the switch and the
    // two numbers are replayed.
    EXPECT_EQ(count.dropped, 2u);
    EXPECT_EQ(count.replayed, 5u);
}

TEST(ChatFileEdits, NoChangeIsNoEdit) {
    tOptions options;
    ChatLists lists;
    lists.OwnerList = {"Boss"};
    EXPECT_TRUE(ChatFileEdits::between(options, lists, options, lists).empty());
}

}  // namespace
}  // namespace verdo
