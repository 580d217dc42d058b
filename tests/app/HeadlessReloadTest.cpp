// The headless program's reload: a chat file that cannot be re-read leaves the
// bot on its previous settings and keeps every save off the files until a
// reload succeeds. Driven in process; the chat file names an unused loopback
// port, so the connect loop never reaches a server.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/headless/HeadlessRunner.h"
#include "engine/ChatFile.h"
#include "support/TempFolder.h"

namespace verdo {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

std::string contentsOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class HeadlessReloadTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tOptions options;
        ChatLists lists;
        tUserList users;
        NewChatFile({options, lists, users});
        options.setServer("127.0.0.1");
        lists.ServerList = {"127.0.0.1:1"};
        lists.OwnerList = {"Boss"};
        ASSERT_TRUE(SaveChatFile(chatFile, {options, lists, users}).ok);
        HeadlessOptions headless;
        headless.chatFile = chatFile.string();
        headless.programFolder = folder.path();
        headless.settingsFile = folder.path() / "Chat.ini";
        runner = std::make_unique<HeadlessRunner>(
            headless, ConsoleOutput{out, err, false, [] { return std::string("[t]"); }});
        ASSERT_TRUE(runner->start()) << err.str();
    }

    testing::TempFolder folder;
    fs::path chatFile = folder.path() / "bot.ch5";
    std::ostringstream out;
    std::ostringstream err;
    std::unique_ptr<HeadlessRunner> runner;
};

TEST_F(HeadlessReloadTest, AFailedReloadKeepsTheSettingsAndSavesNothingUntilOneSucceeds) {
    ChatDocument& document = runner->form().document();
    // The ".usr" file is being copied in when the reload comes.
    const std::string partial(5000, 'u');
    std::ofstream(folder.path() / "bot.usr", std::ios::binary) << partial;
    const std::string record = contentsOf(chatFile);
    const std::string lists = contentsOf(folder.path() / "bot.ext");

    runner->reloadChatFile();
    EXPECT_THAT(document.lists().OwnerList, ::testing::ElementsAre("Boss"));
    EXPECT_EQ(document.currentFile(), chatFile.string());
    EXPECT_THAT(err.str(), HasSubstr("could not be re-read: the bot goes on with its previous"));
    EXPECT_THAT(err.str(), HasSubstr("bot.usr: its size, 5000 bytes"));

    // A remote change arrives; stopping would save it, but not over files
    // that could not be read.
    document.lists().OwnerList.push_back("Zed");
    document.setModified(true);
    runner->stop();
    EXPECT_THAT(err.str(), HasSubstr("Not saving the changed settings"));
    EXPECT_EQ(contentsOf(chatFile), record);
    EXPECT_EQ(contentsOf(folder.path() / "bot.ext"), lists);
    EXPECT_EQ(contentsOf(folder.path() / "bot.usr"), partial);
}

TEST_F(HeadlessReloadTest, TheNextReloadThatSucceedsAllowsSavesAgain) {
    ChatDocument& document = runner->form().document();
    std::ofstream(folder.path() / "bot.usr", std::ios::binary) << std::string(5000, 'u');
    runner->reloadChatFile();
    fs::resize_file(folder.path() / "bot.usr", 4096);  // the copy has finished
    runner->reloadChatFile();
    EXPECT_THAT(out.str(), HasSubstr("Chat file " + chatFile.string() + " re-read."));
    document.lists().OwnerList.push_back("Zed");
    document.setModified(true);
    runner->stop();
    tOptions options;
    ChatLists lists;
    tUserList users;
    ASSERT_TRUE(LoadChatFile(chatFile, {options, lists, users}).ok);
    EXPECT_THAT(lists.OwnerList, ::testing::ElementsAre("Boss", "Zed"));
    EXPECT_EQ(users.Count(), 1);
}

// `verdochat chatfile add` changed the file while the bot ran: the bot's
// save reads it again and makes its own edits on it, so neither is lost.
TEST_F(HeadlessReloadTest, ASaveAfterAChangeOnDiskReplaysTheBotsEditsOnIt) {
    ChatDocument& document = runner->form().document();
    {
        tOptions options;
        ChatLists lists;
        tUserList users;
        ASSERT_TRUE(LoadChatFile(chatFile, {options, lists, users}).ok);
        lists.OwnerList.push_back("Added");
        ASSERT_TRUE(SaveChatFile(chatFile, {options, lists, users}).ok);
    }
    document.lists().OwnerList.push_back("Zed");
    document.setModified(true);
    runner->stop();
    EXPECT_THAT(err.str(), HasSubstr("Replayed 1 of the bot's own edits"));
    tOptions options;
    ChatLists lists;
    tUserList users;
    ASSERT_TRUE(LoadChatFile(chatFile, {options, lists, users}).ok);
    EXPECT_THAT(lists.OwnerList, ::testing::ElementsAre("Boss", "Added", "Zed"));
}

}  // namespace
}  // namespace verdo
