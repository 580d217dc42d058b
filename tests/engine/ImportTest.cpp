// Version-4 import: which lists merge by adding missing items, which append
// everything, and how the response files stay aligned with their entries.
#include "engine/Import.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace verdo {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::TempFolder;
using testing::writeFile;

class ImportTest : public ::testing::Test {
  protected:
    void put(const std::string& name, const std::string& contents) {
        writeFile(dir / ("old" + name), contents);
    }
    void runImport() { ImportVersion4(dir / "old", lists); }

    TempFolder dir;
    ChatLists lists;
};

TEST_F(ImportTest, ImportingTwiceDoublesOnlyTheAppendedLists) {
    put("ban.txt", "Friend\r\nfriend\r\n");
    put("userban.txt", "Spammer\r\n");
    put("account.txt", "Someone\r\n");
    put("number.txt", "#1\r\n");
    put("channel.txt", "Chat\r\n");
    put("timer.txt", "Hello all\r\n");
    put("interval.txt", "60\r\n");
    put("join.txt", "Pal\r\n");
    put("userres1.txt", "Hi Pal\r\n");
    put("owner.txt", "Boss\r\n");
    put("phrase.txt", "hello\r\n");
    put("res1.txt", "hi <user>\r\n");
    put("userdef.txt", "Buddy\r\n");
    put("whisper.txt", "help\r\n");
    put("whispres1.txt", "no\r\n");
    lists.ChannelList = {"CHAT"};
    runImport();
    runImport();
    EXPECT_THAT(lists.NoBanList, ElementsAre("Friend"));  // repeats in the file count once
    EXPECT_THAT(lists.BanList, ElementsAre("Spammer"));
    EXPECT_THAT(lists.ChannelList, ElementsAre("CHAT"));  // case ignored
    EXPECT_THAT(lists.OwnerList, ElementsAre("Boss"));
    EXPECT_THAT(lists.UserDef, ElementsAre("Buddy"));
    EXPECT_THAT(lists.AccountList, ElementsAre("Someone", "Someone"));
    EXPECT_THAT(lists.NumberList, ElementsAre("#1", "#1"));
    EXPECT_THAT(lists.TimerList, ElementsAre("Hello all", "Hello all"));
    EXPECT_THAT(lists.IntervalList, ElementsAre("60", "60"));
    EXPECT_THAT(lists.UserJoinList, ElementsAre("Pal", "Pal"));
    EXPECT_THAT(lists.UserRes[0], ElementsAre("Hi Pal", "Hi Pal"));
    EXPECT_THAT(lists.PhraseList, ElementsAre("hello", "hello"));
    EXPECT_THAT(lists.PhraseRes[0], ElementsAre("hi <user>", "hi <user>"));
    EXPECT_THAT(lists.WhisperList, ElementsAre("help", "help"));
    EXPECT_THAT(lists.WhiserRes[0], ElementsAre("no", "no"));
}

TEST_F(ImportTest, MissingFilesChangeNothing) {
    lists.PhraseList = {"kept"};
    lists.PhraseRes = {{{"a"}, {"b"}, {"c"}}};
    lists.OwnerList = {"Boss"};
    runImport();
    EXPECT_THAT(lists.PhraseList, ElementsAre("kept"));
    EXPECT_THAT(lists.PhraseRes[2], ElementsAre("c"));
    EXPECT_THAT(lists.OwnerList, ElementsAre("Boss"));
    EXPECT_THAT(lists.TimerList, IsEmpty());
}

// Every line of an appended file is kept, beyond its entries' length too;
// shorter and missing files are padded, so each entry keeps its partners.
TEST_F(ImportTest, SurplusLinesAreKeptShortFilesArePadded) {
    lists.PhraseList = {"old"};
    lists.PhraseRes = {{{"o1"}, {"o2"}, {"o3"}}};
    put("phrase.txt", "one\r\ntwo\r\nthree\r\n");
    put("res1.txt", "1a\r\n1b\r\n1c\r\n1d without entry\r\n");
    put("res3.txt", "3a\r\n");  // res2.txt is missing
    put("account.txt", "a\r\nb\r\n");
    put("number.txt", "#1\r\n");
    put("timer.txt", "t\r\n");
    put("interval.txt", "5\r\n6\r\n");
    runImport();
    EXPECT_THAT(lists.PhraseList, ElementsAre("old", "one", "two", "three"));
    EXPECT_THAT(lists.PhraseRes[0], ElementsAre("o1", "1a", "1b", "1c", "1d without entry"));
    EXPECT_THAT(lists.PhraseRes[1], ElementsAre("o2", "", "", ""));
    EXPECT_THAT(lists.PhraseRes[2], ElementsAre("o3", "3a", "", ""));
    EXPECT_THAT(lists.AccountList, ElementsAre("a", "b"));
    EXPECT_THAT(lists.NumberList, ElementsAre("#1", ""));
    EXPECT_THAT(lists.TimerList, ElementsAre("t"));
    EXPECT_THAT(lists.IntervalList, ElementsAre("5", "6"));
}

TEST_F(ImportTest, ThePrefixIsGluedToTheFileNames) {
    writeFile(dir / "oldphrase.txt", "glued\r\n");
    writeFile(dir / "old.phrase.txt", "separated\r\n");
    runImport();
    EXPECT_THAT(lists.PhraseList, ElementsAre("glued"));
}

}  // namespace
}  // namespace verdo
