// Highlights: which lines mention the user (whole words, case A to Z, own
// name from the server, others' talk, emotes and whispers only), how the
// window's logic draws them, and the [Alerts] settings of Chat.ini.
#include <gmock/gmock.h>

#include "engine/AlertSettings.h"
#include "chat/HighlightMatcher.h"
#include "chat/SessionFixture.h"
#include "support/TempFolder.h"

namespace verdo::testing {
namespace {

using ::testing::ElementsAre;

TEST(HighlightWords, AWordCountsOnlyWhenNoLetterDigitOrHighByteTouchesIt) {
    EXPECT_TRUE(containsWholeWordAZ("ping bob, are you there", "BOB"));
    EXPECT_TRUE(containsWholeWordAZ("bob", "bob"));
    EXPECT_TRUE(containsWholeWordAZ("(Bob)", "bob"));
    EXPECT_TRUE(containsWholeWordAZ("hey_bob_", "bob"));  // '_' is no letter
    EXPECT_FALSE(containsWholeWordAZ("bobby", "bob"));
    EXPECT_FALSE(containsWholeWordAZ("kabob", "bob"));
    EXPECT_FALSE(containsWholeWordAZ("bob2", "bob"));
    EXPECT_FALSE(
        containsWholeWordAZ("\xE9"
                            "bob",
                            "bob"));  // a byte above 127 is a letter
    EXPECT_FALSE(containsWholeWordAZ("bob\xC3\xA9", "bob"));
    // A later occurrence counts when the first is inside a word.
    EXPECT_TRUE(containsWholeWordAZ("bobby and bob", "bob"));
    // Only A to Z fold: other code pages' bytes must match exactly.
    EXPECT_TRUE(containsWholeWordAZ("caf\xC9 time", "caf\xC9"));
    EXPECT_FALSE(containsWholeWordAZ("caf\xE9 time", "caf\xC9"));
    EXPECT_FALSE(containsWholeWordAZ("anything", ""));
}

TEST(HighlightWords, OwnNameAndListWordsMatchOnlyInWhatOthersSay) {
    HighlightMatcher matcher;
    matcher.setWords({"", "lobby", "[clan]"});
    EXPECT_FALSE(matcher.mentions("hi verdo#2"));  // no name before the log-on
    matcher.setOwnName("Verdo#2");
    EXPECT_TRUE(matcher.mentions("hi verdo#2!"));
    EXPECT_FALSE(matcher.mentions("hi verdo#23"));
    EXPECT_TRUE(matcher.mentions("the LOBBY is full"));
    EXPECT_TRUE(matcher.mentions("join [CLAN] now"));
    EXPECT_FALSE(matcher.mentions("lobbyist"));

    using K = SessionEventKind;
    for (K kind : {K::Talk, K::Emote, K::WhisperReceived}) {
        EXPECT_TRUE(matcher.highlights(kind, "Ann", "lobby?"));
        EXPECT_FALSE(matcher.highlights(kind, "VERDO#2", "lobby?"));  // own lines
        EXPECT_FALSE(matcher.highlights(kind, "Verdo#2", "hello"));   // never the speaker
    }
    for (K kind : {K::WhisperSent, K::Info, K::Error, K::Kicked, K::UserJoined})
        EXPECT_FALSE(matcher.highlights(kind, "Ann", "lobby"));
    SessionEvent talk(K::Talk);
    talk.user = "Ann";
    talk.text = "ask verdo#2";
    EXPECT_TRUE(matcher.highlights(talk));
}

class HighlightedLines : public SessionFixture {
  protected:
    void SetUp() override {
        AlertSettings alerts;
        alerts.words = "lobby  ladder";
        alerts.mentionColor = 0x000111;
        alerts.mentionBackground = 0x000222;
        alerts.sound = "ding.wav";
        form.applyAlerts(alerts);
        logOn("Verdo#2");
        view.lines.clear();
    }
    const ChatLine& last() const { return view.lines.back().segments; }
};

TEST_F(HighlightedLines, MentionsAreDrawnInTheMentionColoursOthersAsBefore) {
    receive("1005 TALK Bob 0010 \"see you in the lobby\"");
    for (int i : {0, 1}) {
        EXPECT_EQ(last()[i].color, 0x000111u);
        EXPECT_EQ(last()[i].background, 0x000222u);
    }
    EXPECT_FALSE(last()[2].background);  // the empty segment stays plain
    receive("1023 EMOTE Bob 0010 \"waves at verdo#2\"");
    EXPECT_EQ(last()[0].background, 0x000222u);
    receive("1004 WHISPER Ann 0010 \"ladder tonight?\"");
    EXPECT_EQ(view.lines.back().pane, WhisperPane);
    EXPECT_EQ(last()[1].color, 0x000111u);

    receive("1005 TALK Lobby 0010 \"hello\"");  // the speaker's name is not looked at
    EXPECT_FALSE(last()[1].background);
    EXPECT_EQ(last()[1].color, form.document().options().textColor());
    receive("1010 WHISPER Ann 0010 \"the lobby\"");  // a sent whisper is the user's own
    EXPECT_FALSE(last()[1].background);
}

TEST_F(HighlightedLines, AMentionPlaysTheHighlightSoundOfTheSoundFolder) {
    TempFolder folder;
    std::filesystem::create_directories(folder.path() / "Sounds");
    writeFile(folder.path() / "Sounds" / "ding.wav", "RIFF");
    form.setProgramFolder(folder.path().string());
    receive("1005 TALK Bob 0010 \"nothing here\"");
    EXPECT_TRUE(platform.fakeSound.played.empty());
    receive("1005 TALK Bob 0010 \"lobby\"");
    EXPECT_THAT(platform.fakeSound.played,
                ElementsAre((folder.path() / "Sounds" / "ding.wav").string()));
}

TEST(AlertSettingsFile, RoundTripsThroughChatIniAndDefaultsWhenMissing) {
    TempFolder folder;
    IniFile ini(folder.path() / "Chat.ini");
    const AlertSettings defaults = readAlertSettings(ini);
    EXPECT_TRUE(defaults.words.empty());
    EXPECT_TRUE(defaults.notifyWhispers);
    EXPECT_FALSE(defaults.trayIcon);

    AlertSettings changed;
    changed.words = "alpha beta";
    changed.mentionColor = 0x00ABCDEF;
    changed.sound = "sub.wav";
    changed.notifyKicked = false;
    changed.trayIcon = true;
    ASSERT_TRUE(writeAlertSettings(ini, changed));
    const AlertSettings read = readAlertSettings(ini);
    EXPECT_EQ(read.words, "alpha beta");
    EXPECT_THAT(read.wordList(), ElementsAre("alpha", "beta"));
    EXPECT_EQ(read.mentionColor, 0x00ABCDEFu);
    EXPECT_EQ(read.mentionBackground, defaults.mentionBackground);
    EXPECT_EQ(read.sound, "sub.wav");
    EXPECT_FALSE(read.notifyKicked);
    EXPECT_TRUE(read.trayIcon);
    EXPECT_NE(readFile(ini.path()).find("[Alerts]"), std::string::npos);
}

TEST_F(HighlightedLines, NewAlertSettingsGoToChatIniAndLeaveTheChatFileUnmodified) {
    TempFolder folder;
    form.document().setSettingsFile(folder / "Chat.ini");
    form.document().setModified(false);
    AlertSettings alerts;
    alerts.words = "zebra";
    ASSERT_TRUE(form.applyAlerts(alerts));
    EXPECT_FALSE(form.document().modified());
    EXPECT_EQ(readAlertSettings(IniFile(folder / "Chat.ini")).words, "zebra");
    receive("1005 TALK Bob 0010 \"a zebra\"");
    EXPECT_TRUE(view.lines.back().segments[1].background);
}

TEST(AlertSettingsFile, AFailedWriteIsReported) {
    TempFolder folder;
    IniFile ini(folder.path() / "missing" / "Chat.ini");
    EXPECT_FALSE(writeAlertSettings(ini, AlertSettings{}));
}

}  // namespace
}  // namespace verdo::testing
