// Outgoing text: Send, Emote, Whisper and the lock, the history, Tab through
// the whisperers, and the key macros.
#include <gmock/gmock.h>

#include "chat/SessionFixture.h"

namespace verdo::testing {
namespace {

using ::testing::ElementsAre;

class OutgoingTest : public SessionFixture {
  protected:
    void SetUp() override {
        logOn();
        flood->tick();  // the join went out; the next line leaves at once
        view.lines.clear();
    }
    std::string sent() {
        for (int i = 0; i < 5; ++i)
            flood->tick();
        return peer->sent;
    }
};

TEST_F(OutgoingTest, SendTalksEchoesAndKeepsTheHistory) {
    view.entry = "hello all";
    form.text().btnSendClick(view.entry, view.selection());
    EXPECT_EQ(sent(), "hello all\r");
    EXPECT_THAT(view.texts(), ElementsAre("<Verdo> hello all"));
    EXPECT_THAT(view.history, ElementsAre("hello all"));
    EXPECT_EQ(view.entry, "");
}

TEST_F(OutgoingTest, CommandsAreSentButNotShown) {
    view.entry = "/whois Bob";
    form.text().btnSendClick(view.entry, view.selection());
    EXPECT_EQ(sent(), "/whois Bob\r");
    EXPECT_TRUE(view.lines.empty());
    EXPECT_THAT(view.history, ElementsAre("/whois Bob"));
}

TEST_F(OutgoingTest, AnEmptyLineIsNeitherSentNorKept) {
    form.text().btnSendClick("", view.selection());
    EXPECT_EQ(sent(), "");
    EXPECT_TRUE(view.history.empty());
}

TEST_F(OutgoingTest, SendDoesNothingOffline) {
    form.connectLoop().acConnectExecute();
    view.entry = "hello";
    form.text().btnSendClick(view.entry, view.selection());
    EXPECT_EQ(view.entry, "hello");
    EXPECT_TRUE(view.history.empty());
}

TEST_F(OutgoingTest, EmoteWithAnEmptyEntrySendsTheBareCommand) {
    form.text().btnEmoteClick(view.entry, view.selection());
    EXPECT_EQ(sent(), "/me \r");
    EXPECT_TRUE(view.lines.empty());
    EXPECT_THAT(view.history, ElementsAre(""));
}

TEST_F(OutgoingTest, WhisperNeedsASelectedUserAndPrefersTheCustomList) {
    view.entry = "psst";
    form.text().btnWhisperClick(view.entry, view.selection());
    EXPECT_THAT(view.texts(), ElementsAre("No User Selected."));
    EXPECT_EQ(view.lines[0].pane, WhisperPane);
    EXPECT_EQ(view.entry, "psst");
    view.selectedRoster = "Ann";
    form.text().btnWhisperClick(view.entry, view.selection());
    view.entry = "second";
    view.selectedCustom = "Zed";
    form.text().btnWhisperClick(view.entry, view.selection());
    EXPECT_EQ(sent(), "/w Ann psst\r/w Zed second\r");
}

TEST_F(OutgoingTest, WhisperLockTurnsSendAndEmoteIntoWhispers) {
    form.text().acLockExecute();
    EXPECT_TRUE(view.checked[ChatAction::Lock]);
    view.selectedRoster = "Ann";
    view.entry = "locked";
    form.text().btnSendClick(view.entry, view.selection());
    view.entry = "also";
    form.text().btnEmoteClick(view.entry, view.selection());
    EXPECT_EQ(sent(), "/w Ann locked\r/w Ann also\r");
    EXPECT_TRUE(view.lines.empty());
    form.text().acLockExecute();
    EXPECT_FALSE(form.text().whisperLock());
}

TEST_F(OutgoingTest, TabWalksTheWhisperersAndStopsOnceTheUserTypes) {
    for (const char* name : {"Ann", "Bob", "Cid"})
        receive(std::string("1004 WHISPER ") + name + " 0010 \"x\"");
    std::vector<std::string> offered;
    for (int i = 0; i < 4; ++i) {
        form.text().CycleWhisperReply(view.entry);
        offered.push_back(view.entry);
    }
    EXPECT_THAT(offered, ElementsAre("/msg Cid ", "/msg Bob ", "/msg Ann ", "/msg Cid "));
    view.entry += "h";
    form.text().CycleWhisperReply(view.entry);
    EXPECT_EQ(view.entry, "/msg Cid h");
}

TEST_F(OutgoingTest, TabWithoutWhisperersDoesNothing) {
    view.entry = "x";
    form.text().CycleWhisperReply(view.entry);
    EXPECT_EQ(view.entry, "x");
}

TEST_F(OutgoingTest, MacrosOnTheKeyRunInOrderWithTheSelectedUser) {
    form.document().lists().MacroList = {"/ban <user>", "hi <user> <parameter>", "other"};
    form.document().lists().MacroKeys = {"b", "B", "C"};
    view.selectedRoster = "Eve";
    view.entry = "param";
    form.text().runMacros('B', view.entry, view.selection());
    EXPECT_EQ(sent(), "/ban Eve\rhi Eve \r");
    EXPECT_THAT(view.texts(), ElementsAre("<Verdo> hi Eve "));
    EXPECT_EQ(view.entry, "");
}

}  // namespace
}  // namespace verdo::testing
