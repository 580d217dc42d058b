// The user information database: the record's layout and defaults, the list's
// look-ups, and the ".usr" file with its failure rules and safe saving.
#include "records/UserList.h"
#include "support/FileSizeLimit.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstring>
#include <functional>

#include "support/TempFolder.h"

namespace verdo {
namespace {

using ::testing::ElementsAre;
using testing::readFile;
using testing::TempFolder;
using testing::writeFile;
using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(const tUser& user) {
    return Bytes(user.data(), user.data() + 4096);
}

void putText(Bytes& b, std::size_t at, const std::string& text) {
    b[at] = static_cast<std::uint8_t>(text.size());
    std::memcpy(&b[at + 1], text.data(), text.size());
}

std::unique_ptr<tUser> userNamed(const std::string& name) {
    auto user = std::make_unique<tUser>();
    user->setName(name);
    return user;
}

std::vector<std::string> namesOf(const tUserList& list) {
    std::vector<std::string> names;
    for (int i = 0; i < list.Count(); ++i)
        names.push_back(list.Items(i)->Name());
    return names;
}

TEST(UserRecord, NewRecordHoldsTheDefaultsByteByByte) {
    tUser user;
    Bytes expected(4096, 0);
    putText(expected, 258, "None");
    putText(expected, 514, "None");
    const Bytes colors = {0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0x80, 0x80, 0x80, 0x00};
    std::copy(colors.begin(), colors.end(), expected.begin() + 1026);
    EXPECT_EQ(bytesOf(user), expected);

    EXPECT_EQ(user.JoinSound(), "None");
    EXPECT_EQ(user.LeaveSound(), "None");
    EXPECT_EQ(user.Notes(), "");
    EXPECT_EQ(user.Greeting(), "");
    EXPECT_EQ(user.NameColor(), 0x0000FFFFu);
    EXPECT_EQ(user.TextColor(), 0x00FFFFFFu);
    EXPECT_EQ(user.WhisperColor(), 0x00808080u);
}

TEST(UserRecord, FieldsSitAtTheirOffsets) {
    tUser user;
    user.setName("Arthas");
    user.setGreeting("/me waves");
    user.setJoinSound("up");
    user.setLeaveSound("out.wav");
    user.setNotes("met on USEast");
    user.setNameColor(0x00010203);
    user.setTextColor(0x00040506);
    user.setWhisperColor(0x80070809);

    Bytes expected(4096, 0);
    putText(expected, 0, "Arthas");
    putText(expected, 17, "/me waves");
    putText(expected, 258, "None");
    putText(expected, 258, "up");  // "ne" of the default stays behind
    putText(expected, 514, "out.wav");
    putText(expected, 770, "met on USEast");
    const Bytes colors = {0x03, 0x02, 0x01, 0x00, 0x06, 0x05, 0x04, 0x00, 0x09, 0x08, 0x07, 0x80};
    std::copy(colors.begin(), colors.end(), expected.begin() + 1026);
    EXPECT_EQ(bytesOf(user), expected);
    EXPECT_EQ(user.Notes(), "met on USEast");
    EXPECT_EQ(user.WhisperColor(), 0x80070809u);
}

TEST(UserRecord, SettersCutTextsToTheirFields) {
    tUser user;
    user.setName("ABCDEFGHIJKLMNOPQRST");
    user.setGreeting(std::string(300, 'g'));
    user.setNotes(std::string(300, 'n'));
    EXPECT_EQ(user.Name(), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(user.data()[0], 16);
    EXPECT_EQ(user.data()[17], 240);  // the greeting's own length, not name overflow
    EXPECT_EQ(user.Greeting(), std::string(240, 'g'));
    EXPECT_EQ(user.data()[258], 4);  // join sound untouched by the greeting
    EXPECT_EQ(user.Notes(), std::string(255, 'n'));
    EXPECT_EQ(user.data()[1026], 0xFF);  // name colour untouched by the notes
}

TEST(UserRecord, ADamagedLengthByteNeverReadsPastTheField) {
    tUser user;
    user.setName("short");
    user.data()[0] = 255;
    EXPECT_EQ(user.Name().size(), 16u);
}

class UserListTest : public ::testing::Test {
  protected:
    UserListTest() {
        for (const char* name : {"bob", "Alice", "\xE9mile", "carl", "Bo"})
            list.Add(userNamed(name));
    }
    tUserList list;
};

TEST_F(UserListTest, ItemsAndDeleteIgnoreIndexesOutOfRange) {
    EXPECT_EQ(list.Items(-1), nullptr);
    EXPECT_EQ(list.Items(list.Count()), nullptr);
    EXPECT_EQ(list.Items(1)->Name(), "Alice");
    list.Delete(list.Count());
    list.Delete(-1);
    EXPECT_EQ(list.Count(), 5);
    list.Delete(0);
    EXPECT_THAT(namesOf(list), ElementsAre("Alice", "\xE9mile", "carl", "Bo"));
}

TEST_F(UserListTest, AddReturnsTheNewIndex) {
    EXPECT_EQ(list.Add(userNamed("dave")), 5);
    EXPECT_EQ(list.Count(), 6);
}

TEST_F(UserListTest, IndexOfNameIgnoresTheCaseOfAToZOnly) {
    EXPECT_EQ(list.IndexOfName("ALICE"), 1);
    EXPECT_EQ(list.IndexOfName("\xE9MILE"), 2);
    EXPECT_EQ(list.IndexOfName("\xC9mile"), -1);
    EXPECT_EQ(list.IndexOfName("b"), -1);
    EXPECT_EQ(list.IndexOfName("nobody"), -1);
}

TEST_F(UserListTest, IndexOfNameFindsTheFirstOfEqualNames) {
    list.Add(userNamed("BOB"));
    EXPECT_EQ(list.IndexOfName("Bob"), 0);
}

TEST_F(UserListTest, ANameLongerThanTheFieldNeverMatches) {
    const int index = list.Add(userNamed("TwentyCharacterName!"));
    EXPECT_EQ(list.Items(index)->Name(), "TwentyCharacterN");
    EXPECT_EQ(list.IndexOfName("TwentyCharacterName!"), -1);
    EXPECT_EQ(list.IndexOfName("twentycharactern"), index);
}

TEST_F(UserListTest, SortOrdersLowerCasedNamesByUnsignedBytes) {
    list.Sort();
    EXPECT_THAT(namesOf(list), ElementsAre("Alice", "Bo", "bob", "carl", "\xE9mile"));
}

TEST_F(UserListTest, ClearEmptiesTheList) {
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Items(0), nullptr);
}

class UserFileTest : public UserListTest {
  protected:
    TempFolder dir;
    std::filesystem::path file = dir / "chat.usr";
};

TEST_F(UserFileTest, SaveWritesTheRecordsInOrderWithoutHeader) {
    list.Items(0)->setNotes("a note");
    ASSERT_TRUE(list.SaveToFile(file));
    const std::string contents = readFile(file);
    ASSERT_EQ(contents.size(), 5u * 4096);
    for (int i = 0; i < list.Count(); ++i)
        EXPECT_EQ(contents.substr(static_cast<std::size_t>(i) * 4096, 4096),
                  std::string(reinterpret_cast<const char*>(list.Items(i)->data()), 4096));
    EXPECT_THAT(dir.entries(), ElementsAre("chat.usr"));
}

TEST_F(UserFileTest, LoadGivesBackWhatWasSaved) {
    list.Items(2)->setGreeting("hi <user>");
    list.Items(2)->setWhisperColor(0x00123456);
    ASSERT_TRUE(list.SaveToFile(file));
    tUserList loaded;
    loaded.Add(userNamed("stale"));
    ASSERT_TRUE(loaded.LoadFromFile(file));
    EXPECT_EQ(namesOf(loaded), namesOf(list));
    EXPECT_EQ(bytesOf(*loaded.Items(2)), bytesOf(*list.Items(2)));
}

TEST_F(UserFileTest, AFileOfExactlyTwoRecordsGivesTwoUsers) {
    std::string contents(8192, '\0');
    contents[0] = 1;
    contents[1] = 'x';
    contents[4096] = 1;
    contents[4097] = 'y';
    writeFile(file, contents);
    ASSERT_TRUE(list.LoadFromFile(file));
    EXPECT_THAT(namesOf(list), ElementsAre("x", "y"));
}

// A file being copied in, a folder, a file larger than 100,000 records (here
// a sparse one, refused from its size before anything is read): the load
// fails, says why, and the records in memory stay.
TEST_F(UserFileTest, AFileThatCannotBeReadWholeFailsAndKeepsTheList) {
    const std::pair<std::function<void()>, std::string> cases[] = {
        {[&] { writeFile(file, std::string(8192 + 100, '\0')); },
         "its size, 8292 bytes, is not a whole number of 4096-byte records"},
        {[&] { std::filesystem::create_directory(file); }, "a folder, not a file"},
        {[&] {
             writeFile(file, "");
             std::filesystem::resize_file(file, (tUserList::MaxRecords + 1) * tUser::Size);
         },
         "larger than 409600000 bytes"},
    };
    for (const auto& [damage, reason] : cases) {
        SCOPED_TRACE(reason);
        std::filesystem::remove_all(file);
        damage();
        list.Clear();
        list.Add(userNamed("kept"));
        std::string why;
        EXPECT_FALSE(list.LoadFromFile(file, &why));
        EXPECT_EQ(why, reason);
        EXPECT_THAT(namesOf(list), ElementsAre("kept"));
    }
}

TEST_F(UserFileTest, AMissingFileGivesAnEmptyList) {
    EXPECT_TRUE(list.LoadFromFile(dir / "absent.usr"));
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(UserFileTest, SavingAnEmptyListRemovesTheOldRecords) {
    ASSERT_TRUE(list.SaveToFile(file));
    list.Clear();
    ASSERT_TRUE(list.SaveToFile(file));
    EXPECT_EQ(std::filesystem::file_size(file), 0u);
    list.Add(userNamed("stale"));
    EXPECT_TRUE(list.LoadFromFile(file));
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(UserFileTest, ASaveThatCannotReplaceTheTargetFails) {
    std::filesystem::create_directory(file);
    writeFile(file / "inside", "kept");
    EXPECT_FALSE(list.SaveToFile(file));
    EXPECT_EQ(readFile(file / "inside"), "kept");
    EXPECT_THAT(dir.entries(), ElementsAre("chat.usr"));
}

TEST_F(UserFileTest, AWriteThatFailsMidwayLeavesThePreviousFileWhole) {
    tUserList one;
    one.Add(userNamed("keeper"));
    ASSERT_TRUE(one.SaveToFile(file));
    const std::string before = readFile(file);
    {
        testing::FileSizeLimit limit(10000);  // the five records need 20480 bytes
        EXPECT_FALSE(list.SaveToFile(file));
    }
    EXPECT_EQ(readFile(file), before);
    EXPECT_THAT(dir.entries(), ElementsAre("chat.usr"));
    ASSERT_TRUE(one.LoadFromFile(file));
    EXPECT_THAT(namesOf(one), ElementsAre("keeper"));
}

}  // namespace
}  // namespace verdo
