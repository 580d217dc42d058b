// Sounds between users: requests received in any case, refused names, the
// folder before its subfolders, the menus' listing and sending.
#include <gmock/gmock.h>

#include "chat/SessionFixture.h"
#include "chat/SoundFolder.h"
#include "support/TempFolder.h"

namespace verdo::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class SoundsTest : public SessionFixture {
  protected:
    void SetUp() override {
        folder.write("Sounds/Hello.WAV");
        folder.write("Sounds/Extra/hello.wav");
        folder.write("Sounds/Extra/Bell.wav");
        folder.write("Sounds/notes.txt");
        folder.write("secret.wav");
        form.setProgramFolder(folder.path().string());
        logOn();
        view.lines.clear();
    }
    TempFolder folder;
};

TEST_F(SoundsTest, RequestInOtherCasePlaysTheFoldersOwnFileFirst) {
    receive("1005 TALK Bob 0010 \"~PlaySound hello.wav\"");
    EXPECT_THAT(platform.fakeSound.played,
                ElementsAre((folder.path() / "Sounds" / "Hello.WAV").string()));
    EXPECT_THAT(view.texts(), ElementsAre("Bob played: hello.wav"));
    EXPECT_EQ(view.lines[0].segments[0].color, form.document().options().nameColor());
}

TEST_F(SoundsTest, SubfolderIsSearchedWhenTheFolderHasNoSuchFile) {
    receive("1004 WHISPER Bob 0010 \"~playsound bell.wav\"");
    EXPECT_THAT(platform.fakeSound.played,
                ElementsAre((folder.path() / "Sounds" / "Extra" / "Bell.wav").string()));
    EXPECT_EQ(view.lines.back().pane, WhisperPane);
    EXPECT_EQ(view.lines.back().text(), "Bob played: bell.wav");
}

TEST_F(SoundsTest, RefusedRequestsAreOrdinaryTalk) {
    form.document().options().setAcceptIncomingSounds(false);
    receive("1005 TALK Bob 0010 \"~playsound hello.wav\"");
    EXPECT_THAT(platform.fakeSound.played, IsEmpty());
    EXPECT_THAT(view.texts(), ElementsAre("<Bob> ~playsound hello.wav"));
}

TEST_F(SoundsTest, NamesReachingOutsideTheFolderPlayNothingButAreAnnounced) {
    for (const char* name :
         {"../secret.wav", "Extra/bell.wav", "..\\secret.wav", "/etc/hosts", "missing.wav"}) {
        receive(std::string("1005 TALK Bob 0010 \"~playsound ") + name + "\"");
        EXPECT_EQ(view.lines.back().text(), std::string("Bob played: ") + name);
    }
    EXPECT_THAT(platform.fakeSound.played, IsEmpty());
}

TEST_F(SoundsTest, ListingSortsAndLowerCasesAndKeepsFullPaths) {
    const SoundList list = form.sounds().list();
    ASSERT_EQ(list.subfolders.size(), 1u);
    EXPECT_EQ(list.subfolders[0].caption, "extra");
    ASSERT_EQ(list.subfolders[0].sounds.size(), 2u);
    EXPECT_EQ(list.subfolders[0].sounds[0].caption, "bell.wav");
    EXPECT_EQ(list.subfolders[0].sounds[1].caption, "hello.wav");
    ASSERT_EQ(list.sounds.size(), 1u);
    EXPECT_EQ(list.sounds[0].caption, "hello.wav");
    EXPECT_EQ(list.sounds[0].path, (folder.path() / "Sounds" / "Hello.WAV").string());
}

TEST_F(SoundsTest, SendingToTheChannelAndToAUser) {
    flood->tick();  // the join went out; the sender is ready again
    const SoundEntry entry{"he&llo.wav", (folder.path() / "Sounds" / "Hello.WAV").string()};
    form.text().SendSoundToChannel(entry);
    EXPECT_EQ(peer->sent, "~playsound hello.wav\r");
    EXPECT_EQ(view.lines.back().text(), "Playing sound: hello.wav");
    EXPECT_THAT(platform.fakeSound.played, ElementsAre(entry.path));
    form.text().SendSoundToUser(entry, view.selectedRoster);  // no roster row selected: nothing
    view.selectedRoster = "Ann";
    form.text().SendSoundToUser(entry, view.selectedRoster);
    flood->tick();
    EXPECT_EQ(peer->sent, "~playsound hello.wav\r/w Ann ~playsound hello.wav\r");
    EXPECT_EQ(view.lines.back().text(), "Sending sound to Ann: hello.wav");
}

// The folder is looked up when first asked for; a new program folder is
// looked up afresh.
TEST_F(SoundsTest, EachProgramFolderHasItsOwnSoundFolder) {
    EXPECT_EQ(form.sounds().soundFolder(), (folder.path() / "Sounds").string());
    const std::filesystem::path other = folder.path() / "elsewhere";
    std::filesystem::create_directories(other);
    form.setProgramFolder(other.string());
    EXPECT_FALSE(form.sounds().available());
    form.setProgramFolder(folder.path().string());
    EXPECT_TRUE(form.sounds().available());
}

TEST(SoundFolderTest, BareFileNames) {
    EXPECT_TRUE(isBareFileName("hello.wav"));
    EXPECT_TRUE(isBareFileName("a b.wav"));
    for (std::string_view bad :
         {"", "../x.wav", "a/b.wav", "a\\b.wav", "/x.wav", "C:x.wav", ".."}) {
        EXPECT_FALSE(isBareFileName(bad)) << bad;
    }
    EXPECT_FALSE(isBareFileName(std::string_view("a\0b.wav", 7)));
}

TEST(SoundFolderTest, NoSoundsFolderMeansNoSounds) {
    TempFolder empty;
    EXPECT_FALSE(findSoundFolder(empty.path()));
    EXPECT_TRUE(listSounds(empty.path() / "none").sounds.empty());
}

TEST(SoundFolderTest, TheProgramsOwnFolderComesBeforeTheInstalledOne) {
    TempFolder prefix;
    const auto bin = prefix.path() / "bin";
    const auto installed = prefix.path() / "share" / "verdochat" / "Sounds";
    std::filesystem::create_directories(bin);
    std::filesystem::create_directories(installed);
    EXPECT_EQ(findSoundFolder(bin), installed);
    std::filesystem::create_directories(bin / "sounds");
    EXPECT_EQ(findSoundFolder(bin), bin / "sounds");
}

}  // namespace
}  // namespace verdo::testing
