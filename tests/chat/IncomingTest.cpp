// Incoming messages: formats and colours per view, speaker colours from the
// user database, log kinds, the whisperer list, the URL bar and its link rule.
#include <gmock/gmock.h>

#include "chat/SessionFixture.h"
#include "support/TempFolder.h"

namespace verdo::testing {
namespace {

using ::testing::ElementsAre;

class IncomingTest : public SessionFixture {
  protected:
    void SetUp() override {
        logOn();
        view.lines.clear();
    }
    const RecordingView::Line& last() const { return view.lines.back(); }
    void addUserRecord(const std::string& name) {
        auto user = std::make_unique<tUser>();
        user->setName(name);
        user->setNameColor(0x000001);
        user->setTextColor(0x000002);
        user->setWhisperColor(0x000003);
        form.document().users().Add(std::move(user));
    }
};

TEST_F(IncomingTest, TalkUsesTheGeneralColoursOrTheSpeakersRecord) {
    receive("1005 TALK Bob 0010 \"hi there\"");
    EXPECT_EQ(last().pane, ChatPane);
    EXPECT_EQ(last().segments[0].text, "<Bob> ");
    EXPECT_EQ(last().segments[0].color, form.document().options().nameColor());
    EXPECT_EQ(last().segments[1].text, "hi there");
    EXPECT_EQ(last().segments[1].color, form.document().options().textColor());
    addUserRecord("bob");
    receive("1005 TALK Bob 0010 \"again\"");
    EXPECT_EQ(last().segments[0].color, 0x000001u);
    EXPECT_EQ(last().segments[1].color, 0x000002u);
}

TEST_F(IncomingTest, EmoteIsOneSegmentInTheEmoteColour) {
    receive("1023 EMOTE Bob 0010 \"waves\"");
    EXPECT_EQ(last().text(), "<Bob waves>");
    EXPECT_EQ(last().segments[0].color, form.document().options().emoteColor());
}

TEST_F(IncomingTest, WhisperGoesToTheWhisperPaneInWhisperColours) {
    receive("1004 WHISPER Ann 0010 \"psst\"");
    EXPECT_EQ(last().pane, WhisperPane);
    EXPECT_EQ(last().text(), "<FROM: Ann> psst");
    EXPECT_EQ(last().segments[1].color, form.document().options().whisperColor());
    addUserRecord("ANN");
    receive("1004 WHISPER Ann 0010 \"again\"");
    EXPECT_EQ(last().segments[0].color, 0x000001u);
    EXPECT_EQ(last().segments[1].color, 0x000003u);
}

TEST_F(IncomingTest, WhisperGoesToTheLatestWindowRegisteredForTheUserInAnyCase) {
    form.incoming().registerWhisperPane("ann", 7);
    form.incoming().registerWhisperPane("ANN", 8);
    receive("1004 WHISPER Ann 0010 \"psst\"");
    EXPECT_EQ(last().pane, 8);
    form.incoming().unregisterWhisperPane(8);
    receive("1010 WHISPER Ann 0010 \"back\"");
    EXPECT_EQ(last().pane, 7);
}

TEST_F(IncomingTest, WhisperBeginningWithSlashIsNeverShown) {
    receive("1004 WHISPER Ann 0010 \"/join Somewhere\"");
    EXPECT_TRUE(view.lines.empty());
    EXPECT_THAT(form.incoming().Whisperers(), ElementsAre("Ann"));
}

TEST_F(IncomingTest, WhisperSentShowsTheConfirmationWithOneBlankWhenEmpty) {
    receive("1010 WHISPER Ann 0010 \"\"");
    EXPECT_EQ(last().text(), "<TO: Ann>  ");
    EXPECT_EQ(last().segments[0].color, form.document().options().yourNameColor());
    EXPECT_EQ(last().segments[1].color, form.document().options().yourTextColor());
    receive("1010 WHISPER Ann 0010 \"~PlaySound hello.wav\"");
    receive("1010 WHISPER Ann 0010 \"/URL www.example.com\"");
    EXPECT_EQ(view.lines.size(), 1u);
}

TEST_F(IncomingTest, BroadcastAndChannelErrors) {
    receive("1006 BROADCAST \"Server going down\"");
    receive("1013 CHANNELFULL \"Op x\"");
    receive("1014 CHANNELDOESNOTEXIST \"Op x\"");
    receive("1015 CHANNELRESTRICTED \"Op x\"");
    EXPECT_THAT(view.texts(), ElementsAre("Server going down", "Channel is full.",
                                          "Channel does not exist.", "Channel is restricted."));
    EXPECT_EQ(view.lines[0].segments[0].color, form.document().options().infoColor());
    EXPECT_EQ(view.lines[1].segments[0].color, form.document().options().errorColor());
}

TEST_F(IncomingTest, WhisperersMoveToTheEndAndTheReplyIndexFollows) {
    for (const char* name : {"A", "B", "C"})
        receive(std::string("1004 WHISPER ") + name + " 0010 \"x\"");
    EXPECT_THAT(form.incoming().Whisperers(), ElementsAre("A", "B", "C"));
    // Index at A (0): A moves to the end and the index follows it to 2.
    view.entry.clear();
    form.text().CycleWhisperReply(view.entry);  // C
    form.text().CycleWhisperReply(view.entry);  // B
    form.text().CycleWhisperReply(view.entry);  // A
    ASSERT_EQ(form.incoming().replies().ReplyIndex(), 0);
    receive("1004 WHISPER a 0010 \"x\"");
    EXPECT_THAT(form.incoming().Whisperers(), ElementsAre("B", "C", "a"));
    EXPECT_EQ(form.incoming().replies().ReplyIndex(), 2);
    // Index at C (1 now): a whisper from B (0) moves it down by one.
    view.entry.clear();
    form.text().CycleWhisperReply(view.entry);  // a
    form.text().CycleWhisperReply(view.entry);  // C
    ASSERT_EQ(form.incoming().replies().ReplyIndex(), 1);
    receive("1004 WHISPER B 0010 \"x\"");
    EXPECT_THAT(form.incoming().Whisperers(), ElementsAre("C", "a", "B"));
    EXPECT_EQ(form.incoming().replies().ReplyIndex(), 0);
}

TEST_F(IncomingTest, UrlWhisperShowsTheBarOnlyWithTheBlank) {
    receive("1004 WHISPER Ann 0010 \"/url\"");
    receive("1004 WHISPER Ann 0010 \"/urlwww.example.com\"");
    EXPECT_EQ(view.urlLink, "");
    receive("1004 WHISPER Ann 0010 \"/URL www.example.com/a b\"");
    EXPECT_EQ(view.urlLabel, "Ann has sent the following URL: ");
    EXPECT_EQ(view.urlLink, "www.example.com/a b");
    EXPECT_TRUE(view.lines.empty());
}

TEST_F(IncomingTest, OnlyWebLinksAreOpened) {
    receive("1004 WHISPER Ann 0010 \"/url www.example.com\"");
    form.incoming().lblUrlClick();
    receive("1004 WHISPER Ann 0010 \"/url HTTPS://example.com/x\"");
    form.incoming().lblUrlClick();
    EXPECT_THAT(platform.openedLinks,
                ElementsAre("http://www.example.com", "HTTPS://example.com/x"));
    for (const char* refused : {"file:///etc/passwd", "javascript:alert(1)", "/etc/passwd",
                                "C:\\Windows\\system32", "smb://host/share"}) {
        receive(std::string("1004 WHISPER Ann 0010 \"/url ") + refused + "\"");
        view.lines.clear();
        form.incoming().lblUrlClick();
        EXPECT_EQ(view.urlLink, refused);
        ASSERT_EQ(view.lines.size(), 1u) << refused;
        EXPECT_EQ(last().text(), "Only web links can be opened.");
        EXPECT_EQ(last().segments[0].color, form.document().options().errorColor());
    }
    EXPECT_EQ(platform.openedLinks.size(), 2u);
}

TEST_F(IncomingTest, MessagesAreLoggedAlwaysEventsOnlyWhenAskedFor) {
    TempFolder folder;
    ASSERT_TRUE(form.chatLog().open((folder.path() / "chat.log").string()));
    form.document().options().setKeepLog(true);
    receive("1005 TALK Bob 0010 \"hi\"");
    receive("1023 EMOTE Bob 0010 \"waves\"");
    receive("1004 WHISPER Ann 0010 \"psst\"");
    receive("1010 WHISPER Ann 0010 \"back\"");
    receive("1006 BROADCAST \"news\"");
    form.document().options().setLogEvents(true);
    receive("1010 WHISPER Ann 0010 \"back\"");
    receive("1013 CHANNELFULL \"Op x\"");
    receive("2222 SOMETHING");
    form.chatLog().close();
    EXPECT_EQ(folder.read("chat.log"),
              "<Bob> hi\n<Bob EMOTE> waves\n<Ann WHISPER > psst\n<WHISPER TO Ann> back\nOp x\n"
              "2222 SOMETHING\n");
}

}  // namespace
}  // namespace verdo::testing
