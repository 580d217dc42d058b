// The File menu, the start with the last or given chat file and the Chat.ini
// side of start and exit, on a ChatForm with fakes and a scratch folder.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "chat/ChatForm.h"
#include "engine/ChatFile.h"
#include "support/FakePlatform.h"
#include "support/Fifo.h"
#include "support/RecordingView.h"
#include "support/TempFolder.h"

namespace verdo {
namespace {

using ::testing::ElementsAre;
using testing::FakePlatform;
using ::testing::IsEmpty;
using testing::readFile;
using testing::RecordingView;
using testing::TempFolder;
using testing::writeFile;

class ChatFilesTest : public ::testing::Test {
  protected:
    ChatFilesTest() { form.document().setSettingsFile(dir / "Chat.ini"); }

    std::string path(const std::string& name) const { return (dir / name).string(); }
    // A chat file written by the program's own saver.
    void makeChatFile(const std::string& name, const std::string& userName,
                      const std::string& version = "6.20") {
        tOptions options;
        ChatLists lists;
        tUserList users;
        ResetOptions(options, lists.ProductActions);
        options.setUserName(userName);
        options.setFormatVersion(version);
        lists.OwnerList = {"Boss of " + userName};
        ASSERT_TRUE(SaveChatFile(path(name), {options, lists, users}).ok);
    }
    void start() { form.FormShow(); }

    TempFolder dir;
    FakePlatform platform;
    RecordingView view;
    ChatForm form{platform, view, view};
};

// The window shows "Loading..." first only for a chat file whose three files
// together pass the limit.
TEST_F(ChatFilesTest, AStartIsSlowOnlyForALargeChatFile) {
    EXPECT_FALSE(form.startIsSlow());  // no chat file at all
    makeChatFile("bot.ch5", "Verdo");
    writeFile(dir / "Chat.ini", "[Last File]\r\nLast File=" + path("bot.ch5") + "\r\n");
    EXPECT_FALSE(form.startIsSlow());
    const auto others = ChatFileSize(path("bot.ch5")) - std::filesystem::file_size(path("bot.usr"));
    std::filesystem::resize_file(path("bot.usr"), ChatForm::SlowStartBytes - others + 1);
    EXPECT_EQ(ChatFileSize(path("bot.ch5")), ChatForm::SlowStartBytes + 1);
    EXPECT_TRUE(form.startIsSlow());
    makeChatFile("small.ch5", "Verdo");
    form.setStartChatFile(path("small.ch5"));  // named on the command line: that one
    EXPECT_FALSE(form.startIsSlow());
}

TEST_F(ChatFilesTest, StartLoadsTheLastFileOfChatIni) {
    makeChatFile("bot.ch5", "Verdo");
    writeFile(dir / "Chat.ini", "[Last File]\r\nLast File=" + path("bot.ch5") + "\r\n");
    start();
    EXPECT_TRUE(view.hasLine("Chat file " + path("bot.ch5") + " loaded."));
    EXPECT_EQ(form.document().currentFile().value_or("None"), path("bot.ch5"));
    EXPECT_EQ(form.document().options().userName(), "Verdo");
    EXPECT_EQ(form.session().bcChat().UserName, "Verdo");
    EXPECT_THAT(form.document().lists().OwnerList, ElementsAre("Boss of Verdo"));
    EXPECT_FALSE(form.document().modified());
}

TEST_F(ChatFilesTest, StartWithoutChatIniHasBuiltInListsAndNoFile) {
    start();
    EXPECT_EQ(form.document().currentFile().value_or("None"), "None");
    ChatLists builtIn;
    NewChatLists(builtIn);
    EXPECT_EQ(form.document().lists().ServerList, builtIn.ServerList);
    EXPECT_EQ(form.document().lists().ChannelList, builtIn.ChannelList);
    EXPECT_EQ(form.document().lists().ProductActions, builtIn.ProductActions);
    // One line says how to begin, in the Info colour.
    ASSERT_EQ(view.lines.size(), 1u);
    EXPECT_THAT(view.lines[0].text(), ::testing::StartsWith("No chat file is open: press F6 "));
    EXPECT_EQ(view.lines[0].segments[0].color, form.document().options().infoColor());
}

TEST_F(ChatFilesTest, ACommandLineFileWinsOverChatIni) {
    makeChatFile("ini.ch5", "FromIni");
    makeChatFile("given.ch5", "Given");
    writeFile(dir / "Chat.ini", "[Last File]\nLast File=" + path("ini.ch5") + "\n");
    form.setStartChatFile(path("given.ch5"));
    start();
    EXPECT_EQ(form.document().options().userName(), "Given");
    EXPECT_EQ(form.document().currentFile().value_or("None"), path("given.ch5"));
}

TEST_F(ChatFilesTest, AFailedStartSaysSoAndHasNoFile) {
    writeFile(dir / "Chat.ini", "[Last File]\nLast File=" + path("gone.ch5") + "\n");
    start();
    EXPECT_THAT(view.messages, ElementsAre("Error loading file: " + path("gone.ch5") + " (" +
                                           path("gone.ch5") + ": no such file)"));
    EXPECT_TRUE(view.hasLine("An Error occured loading chat settings."));
    EXPECT_EQ(view.lines.back().segments[0].color, form.document().options().errorColor());
    EXPECT_EQ(form.document().currentFile().value_or("None"), "None");
}

TEST_F(ChatFilesTest, AnOldFileCountsAsModifiedAtStartButNotAfterOpen) {
    makeChatFile("old.ch5", "Old", "5.00");
    form.setStartChatFile(path("old.ch5"));
    start();
    EXPECT_TRUE(form.document().modified());

    makeChatFile("old.ch5", "Old", "5.00");
    view.fileAnswers = {path("old.ch5")};
    view.questionAnswers = {Answer::No};
    form.document().acOpenExecute();
    EXPECT_FALSE(form.document().modified());
    EXPECT_TRUE(view.hasLine("Chat settings loaded."));
}

TEST_F(ChatFilesTest, StartReadsPlaybackStatePacingAndIgnorePrefix) {
    writeFile(dir / "story.txt", "Once upon a time\r\n");
    writeFile(dir / "Chat.ini", "[Batch File]\nBatch File=" + path("story.txt") +
                                    "\nBatch User=Pal\n[Response]\nIgnore=!bot\n"
                                    "[Pacing]\nUnits=8\nLongest Line=240\n");
    start();
    EXPECT_EQ(form.session().bcChat().Pacing(), (PacingRules{40, 8, 5, 240}));
    EXPECT_EQ(form.playback().batchFile(), path("story.txt"));
    EXPECT_EQ(form.playback().batchUser(), "Pal");
    EXPECT_EQ(form.document().ignorePrefix(), "!bot");
    EXPECT_THAT(form.playback().lines(), ElementsAre("Once upon a time"));

    view.questionAnswers = {Answer::No};
    form.document().acNewExecute();
    EXPECT_THAT(form.playback().lines(), IsEmpty());
    EXPECT_EQ(form.playback().batchFile(), path("story.txt"));
    EXPECT_EQ(form.playback().batchUser(), "Pal");
}

// A missing file, or a FIFO that must not hold the start up: the file name
// and its lines go, the user the lines were whispered to stays.
class UnreadableBatchTest : public ChatFilesTest, public ::testing::WithParamInterface<bool> {};

TEST_P(UnreadableBatchTest, EmptiesTheFileAndTheLinesButNotTheUser) {
    const bool fifo = GetParam();
    if (fifo) {
        ASSERT_TRUE(testing::makeFifo(dir / "story.txt"));
    }
    writeFile(dir / "Chat.ini",
              "[Batch File]\nBatch File=" + path("story.txt") + "\nBatch User=Pal\n");
    EXPECT_TRUE(testing::returnsWithoutWaiting(dir / "story.txt", [this] { start(); }));
    EXPECT_THAT(view.messages, ElementsAre("Could not open text file"));
    EXPECT_EQ(form.playback().batchFile(), "");
    EXPECT_THAT(form.playback().lines(), IsEmpty());
    EXPECT_EQ(form.playback().batchUser(), "Pal");
}

INSTANTIATE_TEST_SUITE_P(MissingOrFifo, UnreadableBatchTest, ::testing::Bool());

TEST_F(ChatFilesTest, ExitWritesLastFileOnlyWhenAFileIsCurrent) {
    writeFile(dir / "Chat.ini", "[Last File]\nLast File=/kept.ch5\n[Response]\nIgnore=!\n");
    start();
    form.playback().setBatch("/tmp/story.txt", "Pal");
    ASSERT_TRUE(form.FormCloseQuery());
    form.FormClose();
    EXPECT_EQ(readFile(dir / "Chat.ini"),
              "[Last File]\nLast File=/kept.ch5\n[Response]\nIgnore=!\n"
              "[Batch File]\nBatch File=/tmp/story.txt\nBatch User=Pal\n");

    makeChatFile("bot.ch5", "Verdo");
    view.fileAnswers = {path("bot.ch5")};
    form.document().acOpenExecute();
    form.FormClose();
    EXPECT_EQ(IniFile(dir / "Chat.ini").readString("Last File", "Last File", ""), path("bot.ch5"));
}

// File > Open of a chat file whose ".usr" is damaged: the open file, its
// settings and its unsaved changes stay, and Save writes them to that file.
TEST_F(ChatFilesTest, AFailedOpenKeepsTheOpenFileAndItsChanges) {
    makeChatFile("bot.ch5", "Verdo");
    makeChatFile("other.ch5", "Other");
    writeFile(dir / "other.usr", std::string(5000, 'x'));
    form.setStartChatFile(path("bot.ch5"));
    start();
    form.document().lists().OwnerList.push_back("Zed");
    form.document().setModified(true);
    view.questionAnswers = {Answer::No};
    view.fileAnswers = {path("other.ch5")};
    form.document().acOpenExecute();
    EXPECT_TRUE(view.hasLine("An Error occured loading chat settings."));
    EXPECT_THAT(view.messages.back(), ::testing::StartsWith("Could not load user settings file ("));
    EXPECT_EQ(form.document().currentFile().value_or("None"), path("bot.ch5"));
    EXPECT_EQ(form.document().options().userName(), "Verdo");
    EXPECT_TRUE(form.document().modified());
    form.document().acSaveExecute();
    tOptions options;
    ChatLists lists;
    tUserList users;
    ASSERT_TRUE(LoadChatFile(path("bot.ch5"), {options, lists, users}).ok);
    EXPECT_THAT(lists.OwnerList, ElementsAre("Boss of Verdo", "Zed"));
    EXPECT_EQ(readFile(dir / "other.usr"), std::string(5000, 'x'));
}

// "a*b.ch5" would share "ab.ext" and "ab.usr" with "ab.ch5".
TEST_F(ChatFilesTest, SaveAsRefusesANameWithAStar) {
    start();
    view.fileAnswers = {path("a*b.ch5")};
    form.document().setModified(true);
    form.document().acSaveAsExecute();
    EXPECT_THAT(view.messages,
                ElementsAre(path("a*b.ch5") + ": a chat file's name cannot hold \"*\""));
    EXPECT_TRUE(view.hasLine("An Error occured saving chat settings."));
    EXPECT_TRUE(form.document().modified());
    EXPECT_TRUE(dir.entries().empty());
}

// Another program changed the open chat file: Save asks whether to overwrite
// it, keep the other version (read it), or do nothing.
TEST_F(ChatFilesTest, SaveAsksBeforeOverwritingAFileChangedOnDisk) {
    makeChatFile("bot.ch5", "Verdo");
    form.setStartChatFile(path("bot.ch5"));
    start();
    const auto ownersOnDisk = [this] {
        tOptions options;
        ChatLists lists;
        tUserList users;
        EXPECT_TRUE(LoadChatFile(path("bot.ch5"), {options, lists, users}).ok);
        return lists.OwnerList;
    };
    form.document().lists().OwnerList = {"Mine"};
    form.document().setModified(true);
    makeChatFile("bot.ch5", "Verdo");  // the other program's save
    ASSERT_TRUE(form.document().changedOnDisk());

    view.questionAnswers = {Answer::Cancel};
    form.document().acSaveExecute();
    EXPECT_THAT(view.questions.back(), ::testing::StartsWith("Another program changed the chat"));
    EXPECT_THAT(ownersOnDisk(), ElementsAre("Boss of Verdo"));
    EXPECT_TRUE(form.document().modified());

    view.questionAnswers = {Answer::No};
    form.document().acSaveExecute();
    EXPECT_THAT(form.document().lists().OwnerList, ElementsAre("Boss of Verdo"));
    EXPECT_FALSE(form.document().modified());
    EXPECT_FALSE(form.document().changedOnDisk());

    form.document().lists().OwnerList = {"Mine"};
    makeChatFile("bot.ch5", "Verdo");
    view.questionAnswers = {Answer::Yes};
    form.document().acSaveExecute();
    EXPECT_THAT(ownersOnDisk(), ElementsAre("Mine"));
    EXPECT_EQ(view.questions.size(), 3u);
    form.document().acSaveExecute();  // unchanged since: no question
    EXPECT_EQ(view.questions.size(), 3u);
}

TEST_F(ChatFilesTest, ExitAsksWhenModified) {
    start();
    form.document().setModified(true);
    view.questionAnswers = {Answer::Cancel};
    EXPECT_FALSE(form.FormCloseQuery());
    EXPECT_THAT(view.questions, ElementsAre("Save current chat settings?"));

    view.questionAnswers = {Answer::Yes};
    view.fileAnswers = {path("saved.ch5")};
    EXPECT_TRUE(form.FormCloseQuery());
    EXPECT_TRUE(std::filesystem::exists(dir / "saved.ch5"));
    EXPECT_EQ(form.document().currentFile().value_or("None"), path("saved.ch5"));
}

TEST_F(ChatFilesTest, YesWithoutASuccessfulSaveKeepsTheSettings) {
    start();
    form.document().lists().PhraseList = {"precious"};
    form.document().setModified(true);
    view.questionAnswers = {Answer::Yes};  // and the save dialog is cancelled
    form.document().acNewExecute();
    EXPECT_THAT(form.document().lists().PhraseList, ElementsAre("precious"));
    view.questionAnswers = {Answer::Yes};
    EXPECT_FALSE(form.FormCloseQuery());
}

TEST_F(ChatFilesTest, NewClearsKeepsTheFileNameAndSaveWritesThere) {
    makeChatFile("bot.ch5", "Verdo");
    form.setStartChatFile(path("bot.ch5"));
    start();
    form.document().users().Add(std::make_unique<tUser>());
    form.document().setModified(true);
    view.questionAnswers = {Answer::No};
    form.document().acNewExecute();
    EXPECT_TRUE(view.hasLine("Chat settings cleared."));
    EXPECT_FALSE(form.document().modified());
    EXPECT_NE(form.document().options().userName(), "Verdo");
    tOptions reset;
    tProductActions actions;
    ResetOptions(reset, actions);
    EXPECT_EQ(form.document().options().userName(), reset.userName());
    EXPECT_EQ(form.document().users().Count(), 0);
    EXPECT_THAT(form.document().lists().OwnerList, IsEmpty());
    EXPECT_THAT(form.document().lists().ProductActions, ::testing::Each("None"));
    EXPECT_EQ(form.document().currentFile().value_or("None"), path("bot.ch5"));

    form.document().acSaveExecute();
    EXPECT_THAT(view.fileDialogs, IsEmpty());
    EXPECT_TRUE(view.hasLine("Chat settings saved."));
    tOptions options;
    ChatLists lists;
    tUserList users;
    ASSERT_TRUE(LoadChatFile(path("bot.ch5"), {options, lists, users}).ok);
    EXPECT_THAT(lists.OwnerList, IsEmpty());
}

TEST_F(ChatFilesTest, SaveWithoutAFileOpensTheSaveDialog) {
    start();
    form.document().acNewExecute();
    form.document().acSaveExecute();
    ASSERT_EQ(view.fileDialogs.size(), 1u);
    const FileDialogRequest& dialog = view.fileDialogs[0];
    EXPECT_TRUE(dialog.save);
    EXPECT_EQ(dialog.title, "Save Chat Settings...");
    EXPECT_EQ(dialog.filter, "Chat Files (*.ch5)|*.ch5");
    EXPECT_EQ(dialog.defaultExtension, "ch5");
    EXPECT_EQ(dialog.startFolder, dir.path().string());
    EXPECT_EQ(form.document().currentFile().value_or("None"), "None");
}

TEST_F(ChatFilesTest, OpenDialogAndItsOutcomes) {
    start();
    view.lines.clear();
    form.document().acOpenExecute();  // cancelled
    ASSERT_EQ(view.fileDialogs.size(), 1u);
    EXPECT_FALSE(view.fileDialogs[0].save);
    EXPECT_EQ(view.fileDialogs[0].title, "Open Chat Settings File...");
    EXPECT_THAT(view.lines, IsEmpty());

    makeChatFile("bot.ch5", "Verdo");
    view.fileAnswers = {path("bot.ch5"), path("gone.ch5")};
    form.document().acOpenExecute();
    form.document().acOpenExecute();
    EXPECT_THAT(view.texts(),
                ElementsAre("Chat settings loaded.", "An Error occured loading chat settings."));
    EXPECT_EQ(form.document().currentFile().value_or("None"), path("bot.ch5"));
}

TEST_F(ChatFilesTest, AFailedSaveSaysSo) {
    start();
    view.fileAnswers = {path("missing folder/bot.ch5")};
    form.document().setModified(true);
    form.document().acSaveAsExecute();
    EXPECT_THAT(view.messages,
                ElementsAre(::testing::StartsWith(
                                "Error saving file: " + path("missing folder/bot.ch5") + " ("),
                            "Could not save user settings file"));
    EXPECT_TRUE(view.hasLine("An Error occured saving chat settings."));
    EXPECT_TRUE(form.document().modified());
    EXPECT_EQ(form.document().currentFile().value_or("None"), "None");
}

TEST_F(ChatFilesTest, ImportAsksMergesAndReports) {
    start();
    form.document().acImportExecute();  // No
    EXPECT_THAT(view.questions, ElementsAre("Importing will combine version 4 response files\r"
                                            "with the current file.  Do you wish to continue?"));
    EXPECT_THAT(view.fileDialogs, IsEmpty());

    writeFile(dir / "oldphrase.txt", "hello\r\n");
    view.questionAnswers = {Answer::Yes};
    view.fileAnswers = {path("old.cht")};
    form.document().acImportExecute();
    ASSERT_EQ(view.fileDialogs.size(), 1u);
    EXPECT_EQ(view.fileDialogs[0].title, "Select Location of Version 4 Files...");
    EXPECT_EQ(view.fileDialogs[0].filter, "VerdoChat 4 Files (*.cht)|*.cht");
    EXPECT_EQ(view.fileDialogs[0].defaultExtension, "cht");
    EXPECT_THAT(form.document().lists().PhraseList, ElementsAre("hello"));
    EXPECT_THAT(view.messages, ElementsAre("Import complete."));
    EXPECT_TRUE(form.document().modified());
}

TEST_F(ChatFilesTest, ImportOfMissingFilesStillCompletes) {
    start();
    view.questionAnswers = {Answer::Yes};
    view.fileAnswers = {path("nothing.cht")};
    form.document().acImportExecute();
    EXPECT_THAT(view.messages, ElementsAre("Import complete."));
    EXPECT_THAT(form.document().lists().PhraseList, IsEmpty());
}

TEST_F(ChatFilesTest, LayoutDefaultsAndTheOrderOfItsKeys) {
    const WindowLayout defaults = form.document().readLayout();
    EXPECT_EQ(defaults.top, 50);
    EXPECT_EQ(defaults.left, 50);
    EXPECT_FALSE(defaults.maximized);
    EXPECT_EQ(defaults.width, 800);
    EXPECT_EQ(defaults.height, 600);
    EXPECT_EQ(defaults.userWidth, 162);
    EXPECT_EQ(defaults.customHeight, 132);
    EXPECT_EQ(defaults.whisperHeight, 132);

    form.document().writeLayout({1, 2, true, 3, 4, 5, 6, 7});
    EXPECT_EQ(readFile(dir / "Chat.ini"),
              "[Screen]\nWidth=3\nHeight=4\nTop=1\nLeft=2\nMaximized=1\nNew User Width=5\n"
              "New Custom Height=6\nNew Whisper Height=7\n");
    const WindowLayout read = form.document().readLayout();
    EXPECT_EQ(read.top, 1);
    EXPECT_TRUE(read.maximized);
    EXPECT_EQ(read.whisperHeight, 7);
}

TEST_F(ChatFilesTest, LoadOpensTheLogForAppending) {
    tOptions options;
    ChatLists lists;
    tUserList users;
    ResetOptions(options, lists.ProductActions);
    options.setKeepLog(true);
    options.setLogFileName(path("no folder/chat.log"));
    ASSERT_TRUE(SaveChatFile(path("badlog.ch5"), {options, lists, users}).ok);
    options.setLogFileName(path("chat.log"));
    ASSERT_TRUE(SaveChatFile(path("log.ch5"), {options, lists, users}).ok);
    writeFile(dir / "chat.log", "earlier\n");

    form.setStartChatFile(path("badlog.ch5"));
    start();
    EXPECT_THAT(view.messages, ElementsAre("Log File is invalid"));
    EXPECT_FALSE(form.chatLog().isOpen());
    EXPECT_TRUE(form.document().LoadChatFile(path("log.ch5")));
    EXPECT_TRUE(form.chatLog().isOpen());
    EXPECT_EQ(readFile(dir / "chat.log"), "earlier\n");
}

// A log picked with "Ch&ange..." is remembered in Chat.ini, so the log may
// append to it although its name does not say "log"; a chat file naming the
// same kind of file by itself gets "Log File is invalid".
TEST_F(ChatFilesTest, OnlyAChosenLogMayBeAnyExistingFile) {
    start();
    writeFile(dir / "journal", "earlier\n");
    writeFile(dir / ".profile", "PATH=/usr/bin\n");
    SetupValues values(form.document().options(), form.document().lists(), false);
    values.options.setKeepLog(true);
    values.options.setLogFileName(path(".profile"));
    form.applySetup(values);
    EXPECT_THAT(view.messages, ElementsAre("Log File is invalid"));
    EXPECT_FALSE(form.chatLog().isOpen());

    form.document().chooseLogFile(path("journal"));
    EXPECT_EQ(form.document().options().logFileName(), path("journal"));
    EXPECT_THAT(readFile(dir / "Chat.ini"), ::testing::HasSubstr("[Log Files]"));
    values.options.setLogFileName(path("journal"));
    form.applySetup(values);
    EXPECT_TRUE(form.chatLog().isOpen());
    EXPECT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(readFile(dir / ".profile"), "PATH=/usr/bin\n");
}

// The configuration dialog's values, after New, make a chat file that logs on
// as the new user: stored, handed to the connection, saved and read back.
TEST_F(ChatFilesTest, SetupAfterNewMakesAWorkingChatFile) {
    start();
    form.document().acNewExecute();
    SetupValues values(form.document().options(), form.document().lists(), false);
    values.options.setUserName("Zed");
    values.options.setPassword("secret");
    values.lists.ServerList = {"127.0.0.1"};
    values.lists.OwnerList = {"Boss"};
    values.modified = true;
    const int refreshes = view.optionsRefreshes;
    form.applySetup(values);
    EXPECT_EQ(form.session().bcChat().UserName, "Zed");
    EXPECT_EQ(form.session().ChatInterface().Address, form.document().options().server());
    EXPECT_TRUE(form.document().modified());
    EXPECT_EQ(view.optionsRefreshes, refreshes + 1);

    view.fileAnswers = {path("zed.ch5")};
    form.document().acSaveExecute();
    EXPECT_FALSE(form.document().modified());
    tOptions options;
    ChatLists lists;
    tUserList users;
    ASSERT_TRUE(LoadChatFile(path("zed.ch5"), {options, lists, users}).ok);
    EXPECT_EQ(options.userName(), "Zed");
    EXPECT_EQ(options.password(), "secret");
    EXPECT_THAT(lists.ServerList, ElementsAre("127.0.0.1"));
    EXPECT_THAT(lists.OwnerList, ElementsAre("Boss"));
}

// Unchanged values keep the flag; the log is reopened as a load reopens it.
TEST_F(ChatFilesTest, SetupKeepsTheFlagAndReopensTheLog) {
    start();
    SetupValues values(form.document().options(), form.document().lists(), false);
    values.options.setKeepLog(true);
    values.options.setLogFileName(path("no folder/chat.log"));
    form.applySetup(values);
    EXPECT_FALSE(form.document().modified());
    EXPECT_THAT(view.messages, ElementsAre("Log File is invalid"));
    EXPECT_FALSE(form.chatLog().isOpen());

    values.options.setLogFileName(path("chat.log"));
    form.applySetup(values);
    EXPECT_TRUE(form.chatLog().isOpen());
    EXPECT_THAT(view.messages, ElementsAre("Log File is invalid"));
}

}  // namespace
}  // namespace verdo
