// The demo chat file that ./run opens: it loads, points at the local gateway
// only, and is exactly what the program's own saver writes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>

#include "engine/BuiltInLists.h"
#include "engine/ChatFile.h"
#include "support/TempFolder.h"

namespace verdo {
namespace {

using ::testing::ElementsAre;
using testing::readFile;

const std::filesystem::path DemoFile =
    std::filesystem::path(VERDO_SOURCE_DIR) / "resources" / "demo" / "demo.ch5";

class DemoChatFile : public ::testing::Test {
  protected:
    void SetUp() override {
        const FileOutcome outcome = LoadChatFile(DemoFile, {options, lists, users});
        ASSERT_TRUE(outcome.ok) << ::testing::PrintToString(outcome.errors);
        ASSERT_FALSE(outcome.upgraded);
    }
    tOptions options;
    ChatLists lists;
    tUserList users;
};

TEST_F(DemoChatFile, TalksToTheLocalGatewayOnly) {
    EXPECT_EQ(options.server(), "127.0.0.1");
    EXPECT_THAT(lists.ServerList, ElementsAre("127.0.0.1"));
    EXPECT_EQ(options.homeChannel(), "Chat");
    EXPECT_FALSE(options.userName().empty());
    EXPECT_EQ(options.formatVersion(), "6.20");
}

TEST_F(DemoChatFile, EverythingElseIsAsNewMakesIt) {
    tOptions fresh;
    ChatLists freshLists;
    ResetOptions(fresh, freshLists.ProductActions);
    NewChatLists(freshLists);
    fresh.setServer(options.server());
    fresh.setUserName(options.userName());
    fresh.setHomeChannel(options.homeChannel());
    EXPECT_EQ(std::memcmp(fresh.data(), options.data(), tOptions::Size), 0);
    EXPECT_EQ(lists.ChannelList, freshLists.ChannelList);
    EXPECT_EQ(lists.CommandList, freshLists.CommandList);
    EXPECT_EQ(lists.ProductActions, freshLists.ProductActions);
    EXPECT_TRUE(lists.PhraseList.empty());
    EXPECT_EQ(users.Count(), 0);
}

TEST_F(DemoChatFile, IsWhatTheSaverWrites) {
    testing::TempFolder dir;
    ASSERT_TRUE(SaveChatFile(dir / "demo.ch5", {options, lists, users}).ok);
    const auto source = DemoFile.parent_path();
    for (const char* name : {"demo.ch5", "demo.ext", "demo.usr"})
        EXPECT_EQ(readFile(dir / name), readFile(source / name)) << name;
}

}  // namespace
}  // namespace verdo
