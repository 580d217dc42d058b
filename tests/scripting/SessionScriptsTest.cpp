// The bot scripts wired into a session on fakes: the example scripts answer
// through the session's sending door, whisper commands yield to the chat
// file's command table, the pause holds the scripts' events, the scripts
// follow the chat file and keep their enabled state in Chat.ini.
#include "scripting/SessionScripts.h"

#include <gmock/gmock.h>

#include <fstream>
#include <iterator>

#include "chat/SessionFixture.h"
#include "support/TempFolder.h"

namespace verdo::testing {
namespace {

using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::Not;

std::filesystem::path example(const std::string& name) {
    return std::filesystem::path(VERDO_SOURCE_DIR) / "resources" / "scripts" / name;
}

std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class SessionScriptsTest : public SessionFixture {
  protected:
    void start(std::vector<std::filesystem::path> extra) {
        scripts = std::make_unique<SessionScripts>(platform, form, view);
        scripts->setExtraFiles(std::move(extra));
        scripts->loadIfNoChatFile();
        logOn();
        form.document().options().setMasterSwitch(true);
    }

    std::unique_ptr<SessionScripts> scripts;
};

TEST_F(SessionScriptsTest, DiceAnswersTalkInsteadOfThePhraseResponse) {
    start({example("dice.lua")});
    form.document().options().setRespondToPhrases(true);
    form.document().lists().PhraseList = {"!roll"};
    form.document().lists().PhraseRes = {{{"no dice"}, {""}, {""}}};
    platform.fakeRandom.draws = {3, 5};
    receive("1005 TALK Ann 0010 \"!roll 2d6\"");
    EXPECT_EQ(sentOnceDrained(), "Ann rolls 2d6: 3 + 5 = 8\r");
    EXPECT_THAT(view.texts(), Contains("<Verdo> Ann rolls 2d6: 3 + 5 = 8"));
    EXPECT_THAT(view.texts(), Not(Contains(HasSubstr("no dice"))));
}

TEST_F(SessionScriptsTest, WhisperCommandsRunOnlyWhenNoTableItemMatches) {
    start({example("dice.lua")});
    platform.fakeRandom.draws = {17};
    receive("1004 WHISPER Bob 0010 \"!roll d20\"");
    EXPECT_EQ(sentOnceDrained(), "/w Bob 1d20: 17\r");
    EXPECT_THAT(view.texts(), Contains("Command from Bob !roll d20"));

    // An owners' item shadows the script's command even for a user it does not run for.
    ChatLists& lists = form.document().lists();
    lists.CommandList.push_back("!roll");
    lists.CommandRes.push_back("table roll");
    lists.CommandLevel.push_back("1");
    peer->sent.clear();
    receive("1004 WHISPER Bob 0010 \"!roll d20\"");
    EXPECT_EQ(sentOnceDrained(), "");
}

TEST_F(SessionScriptsTest, HeldLinesReachTheScriptsWhenThePauseEnds) {
    start({example("karma.lua")});
    form.pause().acPauseExecute();
    receive("1005 TALK Ann 0010 \"Zed++\"");
    receive("1005 TALK Ann 0010 \"!karma Zed\"");
    EXPECT_EQ(sentOnceDrained(), "");
    form.pause().acPauseExecute();
    EXPECT_EQ(sentOnceDrained(), "Zed has karma 1.\r");
}

TEST_F(SessionScriptsTest, ScriptsFollowTheChatFileAndKeepTheirData) {
    TempFolder folder;
    const std::filesystem::path chatFile = folder.path() / "bot.ch5";
    const std::filesystem::path scriptsFolder = folder.path() / "bot.scripts";
    std::filesystem::create_directories(scriptsFolder);
    std::filesystem::copy_file(example("seen.lua"), scriptsFolder / "seen.lua");
    // A --script of the same name as a folder script is refused.
    start({folder.write("elsewhere/seen.lua", "verdo.on('talk', function() end)")});
    ASSERT_TRUE(form.document().SaveChatFile(chatFile.string()));
    ASSERT_TRUE(form.document().LoadChatFile(chatFile.string()));
    form.document().options().setMasterSwitch(true);
    ASSERT_EQ(scripts->host().scripts().size(), 1u);
    EXPECT_EQ(scripts->host().scripts()[0].path, scriptsFolder / "seen.lua");
    EXPECT_THAT(view.texts(), Contains(HasSubstr("elsewhere/seen.lua")));

    receive("1005 TALK Zed 0010 \"good night\"");
    platform.fakeClock.nowMs += 3 * 60 * 1000;
    receive("1004 WHISPER Ann 0010 \"!seen Zed\"");
    EXPECT_EQ(sentOnceDrained(),
              "/w Ann Zed was last seen 3 minutes ago in Chat, saying: good night.\r");
    // New writes the data first.
    form.document().acNewExecute();
    EXPECT_THAT(fileText(scriptsFolder / "seen.data"), HasSubstr("good night"));
}

TEST_F(SessionScriptsTest, TheEnabledStateIsKeptInChatIni) {
    TempFolder folder;
    const std::filesystem::path ini = folder.path() / "Chat.ini";
    const std::filesystem::path dice = example("dice.lua");
    scripts = std::make_unique<SessionScripts>(platform, form, view);
    scripts->setSettingsFile(ini);
    scripts->setExtraFiles({dice});
    scripts->loadIfNoChatFile();
    scripts->setEnabled(dice, false);
    EXPECT_THAT(fileText(ini), HasSubstr(dice.string() + "=0"));

    scripts.reset();
    scripts = std::make_unique<SessionScripts>(platform, form, view);
    scripts->setSettingsFile(ini);
    scripts->setExtraFiles({dice});
    scripts->loadIfNoChatFile();
    ASSERT_EQ(scripts->host().scripts().size(), 1u);
    EXPECT_EQ(scripts->host().scripts()[0].state, ScriptState::Disabled);
}

}  // namespace
}  // namespace verdo::testing
