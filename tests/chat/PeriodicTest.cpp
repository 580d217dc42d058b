// The one-second timer (timed messages, text-file playback), the switches and
// the chat pause.
#include <gmock/gmock.h>

#include <algorithm>

#include "chat/SessionFixture.h"
#include "support/TempFolder.h"

namespace verdo::testing {
namespace {

using ::testing::ElementsAre;

class PeriodicTest : public SessionFixture {
  protected:
    void SetUp() override {
        logOn();
        flood->tick();  // the join went out; the sender is ready again
        view.lines.clear();
        form.document().options().setMasterSwitch(true);
        form.document().options().setRespondToTimers(true);
    }
    // Ticks the one-second timer and lets each line it sent go out at once.
    std::vector<int> ticksThatSent(int ticks) {
        std::vector<int> sentAt;
        for (int tick = 1; tick <= ticks; ++tick) {
            const std::size_t before = peer->sent.size();
            chatTimer->tick();
            flood->tick();
            flood->tick();
            if (peer->sent.size() != before) sentAt.push_back(tick);
        }
        return sentAt;
    }
};

TEST_F(PeriodicTest, TimerRunsTheWholeRunEverySecond) {
    EXPECT_TRUE(chatTimer->enabled());
    EXPECT_EQ(chatTimer->interval(), 1000);
}

TEST_F(PeriodicTest, IntervalZeroSendsEveryTickIntervalOneEverySecondTick) {
    form.document().lists().TimerList = {"every <user>"};
    form.document().lists().IntervalList = {"0"};
    EXPECT_THAT(ticksThatSent(3), ElementsAre(1, 2, 3));
    EXPECT_EQ(peer->sent, "every Verdo\revery Verdo\revery Verdo\r");
    EXPECT_EQ(view.lines.back().text(), "<Verdo> every Verdo");
    form.document().lists().IntervalList = {"1"};
    peer->sent.clear();
    EXPECT_THAT(ticksThatSent(4), ElementsAre(2, 4));
}

TEST_F(PeriodicTest, IntervalThatIsNoNumberNeverSends) {
    form.document().lists().TimerList = {"never"};
    form.document().lists().IntervalList = {"soon"};
    EXPECT_TRUE(ticksThatSent(5).empty());
}

TEST_F(PeriodicTest, CountersKeepWhileSwitchedOffAndRestartWhenAMessageIsAdded) {
    form.document().lists().TimerList = {"a"};
    form.document().lists().IntervalList = {"2"};
    ticksThatSent(2);
    EXPECT_THAT(form.timed().TimerCounters, ElementsAre("2"));
    form.document().options().setRespondToTimers(false);
    ticksThatSent(5);
    EXPECT_THAT(form.timed().TimerCounters, ElementsAre("2"));
    form.document().lists().TimerList.push_back("b");
    form.document().lists().IntervalList.push_back("5");
    form.document().options().setRespondToTimers(true);
    ticksThatSent(1);
    EXPECT_THAT(form.timed().TimerCounters, ElementsAre("1", "1"));
}

// The timer's lines reach the queue as timed lines of their message: a copy
// that still waits is not queued or shown again, and its counter restarts.
TEST_F(PeriodicTest, AMessageWhosePreviousCopyWaitsIsNotQueuedAgain) {
    form.document().lists().TimerList = {"tick <user>"};
    form.document().lists().IntervalList = {"0"};
    form.session().sendLine("typed first",
                            SendClass::Typed);  // leaves at once; the timer's line must wait
    for (int tick = 0; tick < 3; ++tick)
        chatTimer->tick();
    EXPECT_EQ(form.session().bcChat().QueueCount(), 1);
    EXPECT_EQ(std::count_if(view.lines.begin(), view.lines.end(),
                            [](const auto& line) { return line.text() == "<Verdo> tick Verdo"; }),
              1);
    EXPECT_THAT(form.timed().TimerCounters, ElementsAre("0"));
    flood->tick();
    EXPECT_EQ(peer->sent.substr(peer->sent.size() - 11), "tick Verdo\r");
}

// Connected but not yet logged on: a line sent now would reach the server.
TEST_F(PeriodicTest, NothingRunsWhileLoggedOff) {
    form.document().lists().TimerList = {"a"};
    form.document().lists().IntervalList = {"0"};
    form.connectLoop().acConnectExecute();
    connectAndAccept();
    ASSERT_FALSE(form.session().LoggedOn());
    peer->sent.clear();
    view.lines.clear();
    EXPECT_TRUE(ticksThatSent(3).empty());
    EXPECT_EQ(peer->sent, "");
    EXPECT_EQ(form.session().bcChat().QueueCount(), 0);
    EXPECT_TRUE(view.lines.empty());
}

class PlaybackTest : public PeriodicTest {
  protected:
    void play(const std::string& contents, const std::string& target = "") {
        const auto file = folder.write("lines.txt", contents);
        form.playback().startPlayback(file.string(), target);
    }
    TempFolder folder;
};

TEST_F(PlaybackTest, RepeatRestartsSoLinesGoOutAtTicksTwoSixTen) {
    form.document().options().setReciteDelay(2);
    play("hi\r\n/repeat\r\n");
    EXPECT_THAT(ticksThatSent(10), ElementsAre(2, 6, 10));
    EXPECT_EQ(peer->sent, "hi\rhi\rhi\r");
    EXPECT_TRUE(form.playback().running());
}

TEST_F(PlaybackTest, WhisperTargetPrefixesLinesAndCharLinesAndHidesThem) {
    form.document().options().setReciteDelay(1);
    play("plain\n/char 65\n", "Ann");
    ticksThatSent(2);
    EXPECT_EQ(peer->sent, "/w Ann plain\r/w Ann /char 65\r");
    EXPECT_TRUE(view.lines.empty());
}

TEST_F(PlaybackTest, CharLineWithoutTargetSendsOneBareCharacter) {
    form.document().options().setReciteDelay(1);
    play("/char 13\n/CHAR x\nshown\n");
    ticksThatSent(3);
    EXPECT_EQ(peer->sent, std::string("\r\0shown\r", 8));
    EXPECT_THAT(view.texts(), ElementsAre("<Verdo> shown"));
}

TEST_F(PlaybackTest, EmptyFileEndsAtTheFirstDueTick) {
    form.document().options().setReciteDelay(1);
    play("");
    chatTimer->tick();
    EXPECT_FALSE(form.playback().running());
    EXPECT_EQ(view.lines.back().text(),
              "Text file: " + (folder.path() / "lines.txt").string() + " done.");
    EXPECT_EQ(view.lines.back().segments[0].color, form.document().options().infoColor());
}

TEST_F(PlaybackTest, MissingFileSaysSo) {
    form.playback().startPlayback((folder.path() / "none.txt").string(), "");
    EXPECT_THAT(view.messages, ElementsAre("Could not open text file"));
    EXPECT_FALSE(form.playback().running());
}

// The text-file window's controls act on the playback the timer runs.
TEST_F(PlaybackTest, TextFileWindowControlsReachThePlayback) {
    form.document().options().setReciteDelay(1);
    TextPlayback& control = form.textPlayback();
    EXPECT_FALSE(control.loadFile((folder.path() / "none.txt").string()));
    EXPECT_EQ(control.fileName(), "");
    const auto file = folder.write("lines.txt", "one\ntwo\n");
    ASSERT_TRUE(control.loadFile(file.string()));
    EXPECT_EQ(control.fileName(), file.string());
    control.setWhisperTarget("Ann");
    control.setRunning(true);
    EXPECT_THAT(ticksThatSent(1), ElementsAre(1));
    control.setRunning(false);
    EXPECT_TRUE(ticksThatSent(2).empty());
    control.rewind();
    control.setRunning(true);
    ticksThatSent(1);
    EXPECT_EQ(peer->sent, "/w Ann one\r/w Ann one\r");
    control.showInfo("Text file: x stopped.");
    EXPECT_EQ(view.lines.back().segments[0].color, form.document().options().infoColor());
}

using SwitchTest = PeriodicTest;

TEST_F(SwitchTest, RemoteCommandChangesShowAtTheNextIdleUpdate) {
    form.document().lists().OwnerList = {"Boss"};
    form.ActionListUpdate();
    EXPECT_TRUE(view.checked[ChatAction::Master]);
    receive("1004 WHISPER Boss 0010 \"/allevents off\"");
    EXPECT_FALSE(form.document().options().masterSwitch());
    form.ActionListUpdate();
    EXPECT_FALSE(view.checked[ChatAction::Master]);
}

using PauseTest = PeriodicTest;

TEST_F(PauseTest, HeldLinesAreAnsweredInOrderWhenThePauseEnds) {
    form.document().options().setRespondToPhrases(true);
    form.document().lists().PhraseList = {"hello"};
    form.document().lists().PhraseRes = {{{"hi <user>"}, {""}, {""}}};
    form.pause().acPauseExecute();
    form.ActionListUpdate();
    EXPECT_EQ(view.status[1], "CHAT PAUSED");
    for (const char* user : {"Ann", "Bob", "Cid"}) {
        receive(std::string("1005 TALK ") + user + " 0010 \"hello\"");
    }
    EXPECT_TRUE(view.lines.empty());
    EXPECT_EQ(form.pause().heldLineCount(), 3u);
    form.pause().acPauseExecute();
    for (int i = 0; i < 5; ++i)
        flood->tick();
    EXPECT_THAT(view.texts(), ElementsAre("<Ann> hello", "<Verdo> hi Ann", "<Bob> hello",
                                          "<Verdo> hi Bob", "<Cid> hello", "<Verdo> hi Cid"));
    EXPECT_EQ(peer->sent, "hi Ann\rhi Bob\rhi Cid\r");
}

TEST_F(PauseTest, DisconnectWhilePausedDropsTheHeldLines) {
    form.pause().acPauseExecute();
    receive("1005 TALK Ann 0010 \"hello\"");
    form.connectLoop().acConnectExecute();
    form.ActionListUpdate();
    EXPECT_EQ(view.status[1], "");
    EXPECT_FALSE(form.pause().paused());
    EXPECT_EQ(form.pause().heldLineCount(), 0u);
    EXPECT_FALSE(view.checked[ChatAction::Pause]);
    EXPECT_FALSE(view.enabled[ChatAction::Pause]);
}

// The new connect loop starts inside the closing event, before any idle
// update: the pause must not hold the next session's welcome.
TEST_F(PauseTest, ServerCloseWhilePausedEndsThePauseSoTheReconnectLogsOn) {
    form.document().options().setAutoReconnect(true);
    form.pause().acPauseExecute();
    receive("1005 TALK Ann 0010 \"hello\"");
    peer->peerClose();
    EXPECT_TRUE(form.connectLoop().connectLoopRunning());
    EXPECT_FALSE(form.pause().paused());
    EXPECT_EQ(form.pause().heldLineCount(), 0u);
    EXPECT_FALSE(view.checked[ChatAction::Pause]);
    peer->accept();
    receive("2010 NAME Verdo");
    receive("1018 INFO \"Welcome to the test gateway!\"");
    EXPECT_TRUE(form.session().LoggedOn());
    EXPECT_FALSE(form.connectLoop().connectLoopRunning());
    EXPECT_FALSE(view.hasLine("<Ann> hello"));
}

}  // namespace
}  // namespace verdo::testing
