// Chat files: the ".ch5" record, the ".ext" key lines and the ".usr" file,
// with their failure messages, upgrades, safe saves and permissions. Expected
// bytes and lines are written here from the file formats.
#include "engine/ChatFile.h"
#include "support/Fifo.h"
#include "support/FileSizeLimit.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "engine/BuiltInLists.h"
#include "engine/ChatFileFixture.h"
#include "engine/CommandTable.h"

namespace verdo {
namespace {

using testing::ChatFileTest;
using ::testing::ElementsAre;
using testing::fillEveryList;
using ::testing::IsEmpty;
using testing::makeFifo;
using testing::permissionsOf;
using testing::readFile;
using testing::recordBytes;
using testing::returnsWithoutWaiting;
using ::testing::StartsWith;
using testing::writeFile;

void expectSameLists(const ChatLists& a, const ChatLists& b) {
    EXPECT_EQ(a.UserDef, b.UserDef);
    EXPECT_EQ(a.NameList, b.NameList);
    EXPECT_EQ(a.PasswordList, b.PasswordList);
    EXPECT_EQ(a.ServerList, b.ServerList);
    EXPECT_EQ(a.HomeList, b.HomeList);
    EXPECT_EQ(a.ChannelList, b.ChannelList);
    EXPECT_EQ(a.OwnerList, b.OwnerList);
    EXPECT_EQ(a.MemberList, b.MemberList);
    EXPECT_EQ(a.AccountList, b.AccountList);
    EXPECT_EQ(a.NumberList, b.NumberList);
    EXPECT_EQ(a.PhraseList, b.PhraseList);
    EXPECT_EQ(a.WhisperList, b.WhisperList);
    EXPECT_EQ(a.BanList, b.BanList);
    EXPECT_EQ(a.NoBanList, b.NoBanList);
    EXPECT_EQ(a.UserJoinList, b.UserJoinList);
    EXPECT_EQ(a.TimerList, b.TimerList);
    EXPECT_EQ(a.IntervalList, b.IntervalList);
    EXPECT_EQ(a.CommandList, b.CommandList);
    EXPECT_EQ(a.CommandRes, b.CommandRes);
    EXPECT_EQ(a.CommandLevel, b.CommandLevel);
    EXPECT_EQ(a.MacroList, b.MacroList);
    EXPECT_EQ(a.MacroKeys, b.MacroKeys);
    EXPECT_EQ(a.PhraseRes, b.PhraseRes);
    EXPECT_EQ(a.WhiserRes, b.WhiserRes);
    EXPECT_EQ(a.UserRes, b.UserRes);
    EXPECT_EQ(a.ProductActions, b.ProductActions);
}

// --- Names of the files --------------------------------------------------

TEST(ChatFileBaseName, CutsTheFileNamesOwnExtension) {
    EXPECT_EQ(ChatFileBaseName("/home/me/bots/chat.ch5"), "/home/me/bots/chat");
    // A "." in a folder name stays: the companions sit beside the chat file.
    EXPECT_EQ(ChatFileBaseName("/home/me/v1.2/chat.ch5"), "/home/me/v1.2/chat");
    EXPECT_EQ(ChatFileBaseName("/home/me/v1.2/chat"), "/home/me/v1.2/chat");
    EXPECT_EQ(ChatFileBaseName("/data/my.bot.ch5"), "/data/my.bot");
    EXPECT_EQ(ChatFileBaseName("/data/*star*.ch5"), "/data/star");
    EXPECT_EQ(ChatFileBaseName("old.cht"), "old");
}

// --- The ".ext" format ---------------------------------------------------

TEST(ExtFile, KeysInTheSaversOrder) {
    const std::vector<std::string_view> expected = {
        "UserDef=",       "NameList=",        "PasswordList=",  "ServerList=",
        "HomeList=",      "ChannelList=",     "OwnerList=",     "MemberList=",
        "AccountList=",   "NumberList=",      "PhraseList=",    "WhisperList=",
        "BanList=",       "NoBanList=",       "UserJoinList=",  "TimerList=",
        "IntervalList=",  "CommandList=",     "CommandRes=",    "CommandLevel=",
        "MacroList=",     "MacroKeys=",       "WhiserRes1=",    "PhraseRes1=",
        "UserRes1=",      "WhiserRes2=",      "PhraseRes2=",    "UserRes2=",
        "WhiserRes3=",    "PhraseRes3=",      "UserRes3=",      "ChatAction=",
        "StarAction=",    "StarShareAction=", "DiabloAction=",  "DiabloShareAction=",
        "War2bneAction=", "Diablo2Action=",   "BroodwarAction="};
    EXPECT_EQ(ExtFileKeys(), expected);
}

TEST(ExtFile, OneLinePerItemListsInOrderAlternativesInterleaved) {
    ChatLists lists;
    lists.UserDef = {"Friend"};
    lists.ServerList = {"a", "b"};
    lists.PhraseList = {"hi"};
    lists.PhraseRes = {{{"p1"}, {""}, {"p3"}}};
    lists.WhiserRes = {{{"w1"}, {"w2"}, {"w3"}}};
    lists.UserRes = {{{"u1"}, {"u2"}, {}}};
    lists.ProductActions = {"None", "/ban <user>", "None", "None", "None", "None", "None", "x=y"};
    EXPECT_EQ(ExtFileText(lists),
              "UserDef=Friend\r\nServerList=a\r\nServerList=b\r\nPhraseList=hi\r\n"
              "WhiserRes1=w1\r\nPhraseRes1=p1\r\nUserRes1=u1\r\n"
              "WhiserRes2=w2\r\nPhraseRes2=\r\nUserRes2=u2\r\n"
              "WhiserRes3=w3\r\nPhraseRes3=p3\r\n"
              "ChatAction=None\r\nStarAction=/ban <user>\r\nStarShareAction=None\r\n"
              "DiabloAction=None\r\nDiabloShareAction=None\r\nWar2bneAction=None\r\n"
              "Diablo2Action=None\r\nBroodwarAction=x=y\r\n");
}

// --- Saving --------------------------------------------------------------

TEST_F(ChatFileTest, SaveWritesTheRecordAsItIsInMemory) {
    // Reserved bytes and text residue travel unchanged.
    for (std::size_t i = 0; i < tOptions::Size; ++i)
        options.data()[i] = static_cast<std::uint8_t>(i * 7);
    std::string expected(4096, '\0');
    for (std::size_t i = 0; i < expected.size(); ++i)
        expected[i] = static_cast<char>(static_cast<std::uint8_t>(i * 7));
    ASSERT_TRUE(SaveChatFile(file("bot.ch5"), data()).ok);
    EXPECT_EQ(readFile(file("bot.ch5")), expected);
}

TEST_F(ChatFileTest, SaveWritesTheThreeFilesOwnerOnly) {
    ::umask(022);
    users.Add(std::make_unique<tUser>());
    ASSERT_TRUE(SaveChatFile(file("bot.ch5"), data()).ok);
    EXPECT_EQ(readFile(file("bot.usr")).size(), 4096u);
    for (const char* name : {"bot.ch5", "bot.ext", "bot.usr"})
        EXPECT_EQ(permissionsOf(file(name)), 0600u) << name;
}

TEST_F(ChatFileTest, SaveReplacesTheOlderCompanionFiles) {
    for (const char* name : {"bot.pr1", "bot.wr2", "bot.ur3", "bot.cm", "bot.cmd", "bot.pro",
                             "bot.srv", "bot.chn", "bot.cls", "bot.nam"})
        writeFile(file(name), "old\r\n");
    writeFile(file("other.cls"), "kept\r\n");
    ASSERT_TRUE(SaveChatFile(file("bot.ch5"), data()).ok);
    std::vector<std::string> names = dir.entries();
    std::sort(names.begin(), names.end());
    EXPECT_THAT(names, ElementsAre("bot.ch5", "bot.ext", "bot.usr", "other.cls"));
}

TEST_F(ChatFileTest, SaveIntoAMissingFolderReportsTheError) {
    const auto path = dir / "gone" / "bot.ch5";
    const FileOutcome outcome = SaveChatFile(path, data());
    EXPECT_FALSE(outcome.ok);
    EXPECT_THAT(outcome.errors, ElementsAre("Error saving file: " + path.string() + " (" +
                                                (dir / "gone" / "bot.usr").string() +
                                                ": No such file or directory)",
                                            "Could not save user settings file"));
}

TEST_F(ChatFileTest, FailedSaveKeepsTheOldFilesWhole) {
    writeFile(file("bot.ch5"), recordBytes("6.20"));
    writeFile(file("bot.ext"), "NameList=old\r\n");
    writeFile(file("bot.srv"), "old.server\r\n");
    lists.NameList = {"new"};
    FileOutcome outcome;
    {
        testing::FileSizeLimit limit(1000);  // the record alone needs 4096 bytes
        outcome = SaveChatFile(file("bot.ch5"), data());
    }
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(readFile(file("bot.ch5")), recordBytes("6.20"));
    EXPECT_EQ(readFile(file("bot.ext")), "NameList=old\r\n");
    EXPECT_EQ(readFile(file("bot.srv")), "old.server\r\n");
}

// The ".usr" and ".ext" are renamed before the record; when the record
// cannot replace what holds its name, they are put back, so the three files
// on disk still belong together.
TEST_F(ChatFileTest, AFailedRecordKeepsTheListsAndUsersThatWereWrittenFirst) {
    writeFile(file("bot.ext"), "NameList=old\r\n");
    writeFile(file("bot.usr"), std::string(4096, 'u'));
    std::filesystem::create_directory(file("bot.ch5"));
    writeFile(file("bot.ch5") / "inside", "x");
    lists.NameList = {"new"};
    EXPECT_FALSE(SaveChatFile(file("bot.ch5"), data()).ok);
    EXPECT_EQ(readFile(file("bot.ext")), "NameList=old\r\n");
    EXPECT_EQ(readFile(file("bot.usr")), std::string(4096, 'u'));
    EXPECT_THAT(dir.entries(), ::testing::UnorderedElementsAre("bot.ch5", "bot.ext", "bot.usr"));
}

TEST_F(ChatFileTest, AFailedListFileKeepsTheCompanionFiles) {
    // The ".ext" cannot replace a folder of that name: the save fails before
    // the older files, still the only copy of the lists, are deleted.
    std::filesystem::create_directory(file("bot.ext"));
    writeFile(file("bot.phr"), "hello\r\n");
    EXPECT_FALSE(SaveChatFile(file("bot.ch5"), data()).ok);
    EXPECT_EQ(readFile(file("bot.phr")), "hello\r\n");
}

// --- Loading -------------------------------------------------------------

TEST_F(ChatFileTest, EveryListAndProductActionRoundTrips) {
    ResetOptions(options, lists.ProductActions);
    fillEveryList(lists);
    lists.PhraseRes[1][0] = "";  // an empty alternative
    lists.PhraseList[1] = "a=b == c";
    options.setUserName("Verdo");
    auto user = std::make_unique<tUser>();
    user->setName("Friend");
    users.Add(std::move(user));
    ASSERT_TRUE(SaveChatFile(file("bot.ch5"), data()).ok);

    const FileOutcome outcome = LoadChatFile(file("bot.ch5"), otherData());
    EXPECT_TRUE(outcome.ok);
    EXPECT_THAT(outcome.errors, IsEmpty());
    expectSameLists(otherLists, lists);
    EXPECT_EQ(std::memcmp(otherOptions.data(), options.data(), tOptions::Size), 0);
    ASSERT_EQ(otherUsers.Count(), 1);
    EXPECT_EQ(otherUsers.Items(0)->Name(), "Friend");
}

TEST_F(ChatFileTest, KeysInAnyLetterCaseValuesKeptWhole) {
    writeFile(file("bot.ch5"), recordBytes("6.20"));
    writeFile(file("bot.ext"),
              "phraselist=Hello There\r\nPHRASELIST=a=b\r\nnamelist=\r\nNot a key\r\n"
              "ServerList\r\nbroodwaraction=/ban <user>\r\nBroodWarAction=/kick <user>\r\n");
    ASSERT_TRUE(LoadChatFile(file("bot.ch5"), data()).ok);
    EXPECT_THAT(lists.PhraseList, ElementsAre("Hello There", "a=b"));
    EXPECT_THAT(lists.NameList, ElementsAre(""));
    EXPECT_EQ(lists.ProductActions[7], "/kick <user>");  // the last line wins
    EXPECT_EQ(lists.ProductActions[0], "None");
}

TEST_F(ChatFileTest, ListsAbsentFromTheExtFileStayEmpty) {
    FillDefaultServers(lists);
    FillDefaultChannels(lists);
    lists.HomeList = {"Home"};
    writeFile(file("bot.ch5"), recordBytes("6.20"));
    writeFile(file("bot.ext"), "OwnerList=Boss\r\n");
    ASSERT_TRUE(LoadChatFile(file("bot.ch5"), data()).ok);
    EXPECT_THAT(lists.ServerList, IsEmpty());
    EXPECT_THAT(lists.ChannelList, IsEmpty());
    EXPECT_THAT(lists.HomeList, IsEmpty());
    EXPECT_THAT(lists.CommandList, IsEmpty());
    EXPECT_THAT(lists.OwnerList, ElementsAre("Boss"));
}

TEST_F(ChatFileTest, LoadReplacesWhatTheListsHeld) {
    fillEveryList(lists);
    writeFile(file("bot.ch5"), recordBytes("6.20"));
    writeFile(file("bot.ext"), "TimerList=Hi\nIntervalList=60");  // LF ends, no final end
    ASSERT_TRUE(LoadChatFile(file("bot.ch5"), data()).ok);
    EXPECT_THAT(lists.TimerList, ElementsAre("Hi"));
    EXPECT_THAT(lists.IntervalList, ElementsAre("60"));
    EXPECT_THAT(lists.PhraseList, IsEmpty());
    EXPECT_THAT(lists.PhraseRes[0], IsEmpty());
    EXPECT_THAT(lists.NameList, IsEmpty());
    EXPECT_THAT(lists.ProductActions, ::testing::Each("None"));
}

TEST_F(ChatFileTest, ShortRecordFailsAndLeavesTheOptionsAndLists) {
    options.setUserName("Before");
    lists.PhraseList = {"kept"};
    writeFile(file("bot.ch5"), recordBytes("6.20").substr(0, 4095));
    writeFile(file("bot.ext"), "PhraseList=new\r\n");
    const FileOutcome outcome = LoadChatFile(file("bot.ch5"), data());
    EXPECT_FALSE(outcome.ok);
    EXPECT_THAT(outcome.errors,
                ElementsAre("Error loading file: " + file("bot.ch5").string() + " (" +
                            file("bot.ch5").string() + ": 4095 bytes, a chat file has 4096)"));
    EXPECT_EQ(options.userName(), "Before");
    EXPECT_THAT(lists.PhraseList, ElementsAre("kept"));
}

// Whichever file fails, the options, lists and user records in memory stay
// exactly as they were, and the message names the file and the reason.
TEST_F(ChatFileTest, AFailedLoadChangesNothingAndSaysWhichFileAndWhy) {
    const std::string loadError = std::string(LoadErrorText) + file("bot.ch5").string() + " (";
    const std::string userError = std::string(UserLoadErrorText) + " (";
    struct Case {
        const char* name;
        std::function<void()> damage;
        std::string message;
    };
    const Case cases[] = {
        {"missing record", [&] { std::filesystem::remove(file("bot.ch5")); },
         loadError + file("bot.ch5").string() + ": no such file)"},
        {"user file being copied in", [&] { writeFile(file("bot.usr"), std::string(5000, 'u')); },
         userError + file("bot.usr").string() +
             ": its size, 5000 bytes, is not a whole number of 4096-byte records)"},
        {"folder in place of the lists",
         [&] {
             std::filesystem::remove(file("bot.ext"));
             std::filesystem::create_directory(file("bot.ext"));
         },
         loadError + file("bot.ext").string() + ": a folder, not a file)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(dir.path());
        std::filesystem::create_directories(dir.path());
        writeFile(file("bot.ch5"), recordBytes("5.00"));  // an upgrade would mark it modified
        writeFile(file("bot.ext"), "PhraseList=new\r\n");
        c.damage();
        options.setUserName("Before");
        lists.PhraseList = {"kept"};
        users.Clear();
        auto user = std::make_unique<tUser>();
        user->setName("Friend");
        users.Add(std::move(user));
        const FileOutcome outcome = LoadChatFile(file("bot.ch5"), data());
        EXPECT_FALSE(outcome.ok);
        EXPECT_FALSE(outcome.upgraded);
        EXPECT_THAT(outcome.errors, ElementsAre(c.message));
        EXPECT_EQ(options.userName(), "Before");
        EXPECT_THAT(lists.PhraseList, ElementsAre("kept"));
        ASSERT_EQ(users.Count(), 1);
        EXPECT_EQ(users.Items(0)->Name(), "Friend");
    }
}

TEST_F(ChatFileTest, UserFileMissingIsEmptyDamagedFails) {
    users.Add(std::make_unique<tUser>());
    writeFile(file("bot.ch5"), recordBytes("6.20"));
    writeFile(file("bot.ext"), "");
    EXPECT_TRUE(LoadChatFile(file("bot.ch5"), data()).ok);
    EXPECT_EQ(users.Count(), 0);

    writeFile(file("bot.usr"), "not a whole record");
    const FileOutcome outcome = LoadChatFile(file("bot.ch5"), data());
    EXPECT_FALSE(outcome.ok);
    EXPECT_THAT(outcome.errors, ElementsAre(StartsWith("Could not load user settings file (")));
}

// Something that is not a regular file, named like one of the chat file's
// files, fails the load at once instead of waiting for a writer.
TEST_F(ChatFileTest, AFifoInPlaceOfAnyFileFailsTheLoadWithoutWaiting) {
    const std::string loadError = std::string(LoadErrorText) + file("bot.ch5").string();
    const std::pair<const char*, std::string> cases[] = {
        {"bot.ch5", loadError},
        {"bot.ext", loadError},
        {"bot.phr", loadError},  // an older companion file, read when there is no ".ext"
        {"bot.usr", std::string(UserLoadErrorText)}};
    for (const auto& [name, error] : cases) {
        SCOPED_TRACE(name);
        std::filesystem::remove_all(dir.path());
        std::filesystem::create_directories(dir.path());
        ASSERT_TRUE(makeFifo(file(name)));
        const std::string fifo = name;
        if (fifo != "bot.ch5") writeFile(file("bot.ch5"), recordBytes("6.20"));
        if (fifo == "bot.ch5" || fifo == "bot.usr") writeFile(file("bot.ext"), "");
        FileOutcome outcome;
        EXPECT_TRUE(returnsWithoutWaiting(
            file(name), [&] { outcome = LoadChatFile(file("bot.ch5"), data()); }));
        EXPECT_FALSE(outcome.ok);
        EXPECT_THAT(outcome.errors, ElementsAre(StartsWith(error + " (")));
    }
}

// The version field at 2704, the reserved switches at 2709..2712, the
// time-outs at 2713 and 2717, the sound switches at 2722 and 2988.
struct VersionCase {
    std::string version;
    bool reserved;
    bool timeouts;
};

class VersionUpgrade : public ChatFileTest, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(VersionUpgrade, OlderFilesGetTheLaterDefaults) {
    const VersionCase& c = GetParam();
    std::string bytes = recordBytes(c.version);
    bytes[2713] = 9;  // Connection Timeout
    bytes[2717] = 9;  // Login Timeout
    writeFile(file("bot.ch5"), bytes);
    writeFile(file("bot.ext"), "");
    const FileOutcome outcome = LoadChatFile(file("bot.ch5"), data());
    ASSERT_TRUE(outcome.ok);
    EXPECT_EQ(outcome.upgraded, c.reserved);
    const std::uint8_t* b = options.data();
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b + 2704), 5), std::string("\x04"
                                                                                   "6.20"));
    for (int i = 2709; i <= 2712; ++i)
        EXPECT_EQ(b[i], c.reserved ? 1 : 0) << i;
    EXPECT_EQ(b[2713], c.timeouts ? 5 : 9);
    EXPECT_EQ(b[2717], c.timeouts ? 20 : 9);
    EXPECT_EQ(b[2722], c.timeouts ? 1 : 0);
    EXPECT_EQ(b[2988], c.timeouts ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(ChatFile, VersionUpgrade,
                         ::testing::Values(VersionCase{"5.00", true, true},
                                           VersionCase{"6.0", true, true},
                                           VersionCase{"6.02", false, true},
                                           VersionCase{"6.03", false, false},
                                           VersionCase{"6.20", false, false}));

TEST_F(ChatFileTest, DamagedListsArePaddedToTheirLeadingList) {
    writeFile(file("bot.ch5"), recordBytes("6.20"));
    writeFile(file("bot.ext"),
              "NameList=a\r\nNameList=b\r\nAccountList=x\r\nTimerList=t\r\nCommandList=/c\r\n"
              "MacroList=m\r\nPhraseList=p\r\nWhisperList=w\r\nUserJoinList=j\r\nPhraseRes2=r\r\n");
    ASSERT_TRUE(LoadChatFile(file("bot.ch5"), data()).ok);
    EXPECT_THAT(lists.PasswordList, ElementsAre("", ""));
    EXPECT_THAT(lists.NumberList, ElementsAre(""));
    EXPECT_THAT(lists.IntervalList, ElementsAre(""));
    EXPECT_THAT(lists.CommandRes, ElementsAre(""));
    EXPECT_THAT(lists.CommandLevel, ElementsAre(""));
    EXPECT_THAT(lists.MacroKeys, ElementsAre(""));
    EXPECT_THAT(lists.PhraseRes[1], ElementsAre("r"));
    for (int n = 0; n < 3; ++n) {
        EXPECT_EQ(lists.PhraseRes[n].size(), 1u);
        EXPECT_EQ(lists.WhiserRes[n].size(), 1u);
        EXPECT_EQ(lists.UserRes[n].size(), 1u);
    }
}

// --- The older companion layout -------------------------------------------

TEST_F(ChatFileTest, CompanionFilesAreReadWhenThereIsNoExtFile) {
    writeFile(file("bot.ch5"), recordBytes("6.20"));
    writeFile(file("bot.pr2"), "second\r\n");
    writeFile(file("bot.phr"), "hello\rbye\n");
    writeFile(file("bot.cm"), "/a\r\nra\r\n1\r\n/b\r\nrb\r\n2\r\n/dropped\r\n");
    writeFile(file("bot.pro"), "c\r\ns\r\nss\r\nd\r\nds\r\nw\r\nd2\r\nbw\r\nextra\r\n");
    writeFile(file("bot.chn"), "Home\r\n");
    writeFile(file("bot.srv"), "one.server\r\n");
    lists.HomeList = {"old home"};
    ASSERT_TRUE(LoadChatFile(file("bot.ch5"), data()).ok);
    EXPECT_THAT(lists.PhraseList, ElementsAre("hello", "bye"));
    EXPECT_THAT(lists.PhraseRes[1], ElementsAre("second", ""));
    EXPECT_THAT(lists.PhraseRes[0], ElementsAre("", ""));
    EXPECT_THAT(lists.CommandList, ElementsAre("/a", "/b"));
    EXPECT_THAT(lists.CommandRes, ElementsAre("ra", "rb"));
    EXPECT_THAT(lists.CommandLevel, ElementsAre("1", "2"));
    EXPECT_EQ(lists.ProductActions, (tProductActions{"c", "s", "ss", "d", "ds", "w", "d2", "bw"}));
    EXPECT_THAT(lists.HomeList, ElementsAre("Home"));
    EXPECT_THAT(lists.ServerList, ElementsAre("one.server"));
    EXPECT_EQ(lists.ChannelList.size(), DefaultChannels.size());
}

TEST_F(ChatFileTest, ChannelFileWithoutServerFileGivesBuiltInServers) {
    writeFile(file("bot.ch5"), recordBytes("6.20"));
    writeFile(file("bot.cls"), "Zeta\r\nalpha\r\nMid\r\n");
    lists.HomeList = {"old home"};
    ASSERT_TRUE(LoadChatFile(file("bot.ch5"), data()).ok);
    EXPECT_THAT(lists.ChannelList, ElementsAre("Zeta", "alpha", "Mid"));
    EXPECT_EQ(lists.ServerList, tStringList(DefaultServers.begin(), DefaultServers.end()));
    EXPECT_THAT(lists.HomeList, IsEmpty());
    // Without a ".cm" the commands are those of a new file.
    ChatLists builtIn;
    FillBuiltInCommands(builtIn);
    EXPECT_EQ(lists.CommandList, builtIn.CommandList);
}

TEST_F(ChatFileTest, ShortProductActionFileFailsTheLoad) {
    writeFile(file("bot.ch5"), recordBytes("6.20"));
    writeFile(file("bot.pro"), "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n");
    writeFile(file("bot.phr"), "not read after the failure\r\n");
    const FileOutcome outcome = LoadChatFile(file("bot.ch5"), data());
    EXPECT_THAT(outcome.errors,
                ElementsAre(StartsWith("Error loading file: " + file("bot.ch5").string() + " (")));
    EXPECT_THAT(lists.PhraseList, IsEmpty());
}

TEST_F(ChatFileTest, CompanionLayoutIsReplacedByTheExtFileAtTheNextSave) {
    writeFile(file("bot.ch5"), recordBytes("6.20"));
    writeFile(file("bot.own"), "Boss\r\n");
    writeFile(file("bot.cls"), "Only\r\n");
    ASSERT_TRUE(LoadChatFile(file("bot.ch5"), data()).ok);
    ASSERT_TRUE(SaveChatFile(file("bot.ch5"), data()).ok);
    EXPECT_FALSE(std::filesystem::exists(file("bot.own")));
    EXPECT_FALSE(std::filesystem::exists(file("bot.cls")));
    ASSERT_TRUE(LoadChatFile(file("bot.ch5"), otherData()).ok);
    EXPECT_THAT(otherLists.OwnerList, ElementsAre("Boss"));
    EXPECT_THAT(otherLists.ChannelList, ElementsAre("Only"));
    EXPECT_EQ(otherLists.ServerList, lists.ServerList);
}

// --- New -----------------------------------------------------------------

TEST(NewChatLists, StartsFromBuiltInListsAndNoneActions) {
    ChatLists lists;
    fillEveryList(lists);
    NewChatLists(lists);
    EXPECT_THAT(lists.ProductActions, ::testing::Each("None"));
    EXPECT_EQ(lists.ServerList.size(), 15u);
    EXPECT_EQ(lists.ChannelList.size(), 28u);
    ChatLists builtIn;
    FillBuiltInCommands(builtIn);
    EXPECT_EQ(lists.CommandRes, builtIn.CommandRes);
    EXPECT_THAT(lists.HomeList, IsEmpty());
    EXPECT_THAT(lists.NameList, IsEmpty());
    EXPECT_THAT(lists.UserDef, IsEmpty());
    EXPECT_THAT(lists.MemberList, IsEmpty());
    EXPECT_THAT(lists.UserRes[2], IsEmpty());
}

}  // namespace
}  // namespace verdo
