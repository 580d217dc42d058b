// The quota-aware send queue: cutting long lines, the quota model and its
// Chat.ini section, and the queue against a fake clock that runs its timers:
// pieces that fill each quota window, classes, the bound and its reports.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "interp/BnetChat.h"
#include "interp/OutgoingSplit.h"
#include "interp/PacingRules.h"
#include "interp/SendBudget.h"
#include "interp/SendPacer.h"
#include "net/ChatInterface.h"
#include "platform/IniFile.h"
#include "support/TempFolder.h"
#include "support/TimerClock.h"

namespace verdo {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using testing::FakePlatform;
using testing::FakeTcpClient;
using testing::TimerClock;

// "w1 w2 ..." up to exactly `length` bytes.
std::string words(std::size_t length, const std::string& word = "word") {
    std::string text;
    while (text.size() < length)
        text += (text.empty() ? "" : " ") + word;
    text.resize(length);
    if (text.back() == ' ') text.back() = 'x';
    return text;
}

std::vector<std::string> cut(const std::string& line, std::size_t limit = 160) {
    auto pieces = SplitOutgoingLine(line, limit);
    return pieces ? *pieces : std::vector<std::string>{"(cannot)"};
}

TEST(SplitOutgoingLine, CutsAtTheLastBlankAtOrBeforeTheLimit) {
    const std::string head = std::string(155, 'a') + " bbbb";  // a blank at 155, 160 bytes
    EXPECT_THAT(cut(head + " cc"), ElementsAre(std::string(155, 'a') + " bbbb", "cc"));
    EXPECT_THAT(cut(std::string(155, 'a') + " bbbbb"), ElementsAre(std::string(155, 'a'), "bbbbb"));
    EXPECT_THAT(cut(std::string(170, 'x')),
                ElementsAre(std::string(160, 'x'), std::string(10, 'x')));
    EXPECT_THAT(cut(std::string(160, 'x')), ElementsAre(std::string(160, 'x')));
    for (const std::string& piece : cut(words(500)))
        EXPECT_LE(piece.size(), 160u);
}

TEST(SplitOutgoingLine, WhispersAndEmotesKeepTheirPrefixOtherCommandsAreNotCut) {
    const std::string text = std::string(150, 'a') + " " + std::string(30, 'b');
    EXPECT_THAT(cut("/w Bob " + text),
                ElementsAre("/w Bob " + std::string(150, 'a'), "/w Bob " + std::string(30, 'b')));
    EXPECT_THAT(cut("/MSG Bob " + text), ElementsAre("/MSG Bob " + std::string(150, 'a'),
                                                     "/MSG Bob " + std::string(30, 'b')));
    for (const std::string command : {"/whisper Zed ", "/m Zed ", "/me ", "/emote "}) {
        const auto pieces = cut(command + text);
        ASSERT_EQ(pieces.size(), 2u) << command;
        for (const std::string& piece : pieces) {
            EXPECT_EQ(piece.rfind(command, 0), 0u) << piece;
            EXPECT_LE(piece.size(), 160u);
        }
    }
    EXPECT_THAT(cut("/ban Bob " + text), ElementsAre("(cannot)"));
    EXPECT_THAT(cut("/w " + std::string(170, 'n')), ElementsAre("(cannot)"));    // no text
    EXPECT_THAT(cut("/ban Bob " + text, 400), ElementsAre("/ban Bob " + text));  // short enough
}

TEST(SplitOutgoingLine, NeverCutsInsideAUtf8Character) {
    std::string text;
    while (text.size() < 170)
        text += "\xC3\xAB";  // ë, no blanks
    const auto pieces = cut(text);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].size(), 160u);
    EXPECT_EQ(pieces[0] + pieces[1], text);
    const auto odd = cut("x" + text);  // the limit falls inside a character
    EXPECT_EQ(odd[0].size(), 159u);
    EXPECT_EQ(odd[0] + odd[1], "x" + text);
}

TEST(SplitOutgoingLine, TalkThatNoCutKeepsFromStartingWithASlashIsNotCut) {
    // Every piece after the first would be a command of slashes; the text
    // was dropped when the rest of the line became one.
    EXPECT_THAT(cut("x" + std::string(200, '/')), ElementsAre("(cannot)"));
    EXPECT_THAT(cut("xy" + std::string(20, '/'), 1), ElementsAre("(cannot)"));
    std::string rest = "a" + std::string(20, '/');
    EXPECT_EQ(TakeFirstPiece(rest, 0, 4), std::nullopt);
    EXPECT_EQ(rest, "a" + std::string(20, '/'));
}

TEST(SplitOutgoingLine, ACharacterLongerThanTheRoomLeftIsNeverCut) {
    const std::string euros = "\xE2\x82\xAC\xE2\x82\xAC";  // two three-byte characters
    EXPECT_THAT(cut("/w Bob " + euros, 9), ElementsAre("(cannot)"));
    EXPECT_THAT(cut("/w Bob " + euros, 10),
                ElementsAre("/w Bob \xE2\x82\xAC", "/w Bob \xE2\x82\xAC"));
    EXPECT_THAT(cut(euros, 2), ElementsAre("(cannot)"));
    // Windows-1252 text has only one-byte characters.
    EXPECT_THAT(cut("\xE9\xE9\xE9", 1), ElementsAre("\xE9", "\xE9", "\xE9"));
}

TEST(SplitOutgoingLine, NoPieceOfTalkStartsWithASlash) {
    // Cut at the last blank, the second piece would be the command "/kick Bob".
    const std::string talk = std::string(150, 'a') + " said /kick Bob";
    const auto pieces = cut(talk);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0], std::string(150, 'a'));
    EXPECT_EQ(pieces[1], "said /kick Bob");
    // Without a blank to move to, the slash ends the first piece.
    const auto hard = cut(std::string(160, 'b') + "/kick");
    ASSERT_EQ(hard.size(), 2u);
    EXPECT_NE(hard[1].front(), '/');
    EXPECT_EQ(hard[0] + hard[1], std::string(160, 'b') + "/kick");
    // A whisper's pieces are whispers: its text may start with a slash.
    EXPECT_THAT(cut("/w Bob " + std::string(150, 'c') + " /kick", 160),
                ElementsAre("/w Bob " + std::string(150, 'c'), "/w Bob /kick"));
}

TEST(CutOutgoingLine, GivesTheFirstPieceAndTheRestAsALine) {
    const auto whisper = CutOutgoingLine("/w Bob one two three", 13);
    ASSERT_TRUE(whisper);
    EXPECT_EQ(whisper->first, "/w Bob one");
    EXPECT_EQ(whisper->second, "/w Bob two three");
    const auto whole = CutOutgoingLine("/ban Bob now", 40);
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->first, "/ban Bob now");
    EXPECT_EQ(whole->second, "");
    EXPECT_FALSE(CutOutgoingLine("/ban Bob now", 8));
    EXPECT_FALSE(CutOutgoingLine("/w Bob one two", 7));  // no room beside the prefix
}

TEST(PacingRules, UnitsAndTheLongestLineThatCanPass) {
    PacingRules rules;
    EXPECT_EQ(rules.unitsOf(1), 1);
    EXPECT_EQ(rules.unitsOf(40), 1);
    EXPECT_EQ(rules.unitsOf(41), 2);
    EXPECT_EQ(rules.unitsOf(161), 5);
    EXPECT_EQ(rules.longestPassable(), 160u);
    rules.units = 20;
    EXPECT_EQ(rules.longestPassable(), 200u);  // the line length rule binds first
}

TEST(PacingRules, ReadFromThePacingSectionOfChatIni) {
    testing::TempFolder dir;
    IniFile ini(dir / "Chat.ini");
    EXPECT_EQ(ReadPacingRules(ini), PacingRules{});
    testing::writeFile(dir / "Chat.ini",
                       "[Pacing]\nUnit Bytes=50\nUnits=8\nWindow Seconds=10\nLonger=3\n");
    EXPECT_EQ(ReadPacingRules(ini), (PacingRules{50, 8, 10, 200}));
    testing::writeFile(dir / "Chat.ini",
                       "[pacing]\nunit bytes=0\nUnits=1\nWindow Seconds=x\nLongest Line=120\n");
    EXPECT_EQ(ReadPacingRules(ini), (PacingRules{40, 5, 5, 120}));
}

TEST(SendBudget, HoldsUnitsForTheWindowAndOneSecondMore) {
    SendBudget budget{PacingRules{}};
    budget.record(4, 1000);
    EXPECT_FALSE(budget.fits(1, 1000));
    EXPECT_FALSE(budget.fits(1, 6999));
    EXPECT_TRUE(budget.fits(4, 7000));
    EXPECT_EQ(budget.freeAt(1, 2000), 7000);
    budget.record(1, 7000);
    EXPECT_EQ(budget.freeAt(4, 7000), 13000);
    EXPECT_EQ(budget.freeAt(3, 7000), 7000);
    budget.forgetLast();
    EXPECT_TRUE(budget.fits(4, 7000));
}

TEST(SendPacer, ALongestLineBelowAUnitBoundsEveryPiece) {
    PacingRules rules;
    rules.longestLine = 30;  // below the 40 bytes of a unit
    SendPacer pacer(rules);
    SendQueue::Line line;
    line.text = words(35);
    line.keptPrefix = 0;
    const std::string first = pacer.take(line, 0);
    EXPECT_LE(first.size(), 30u);
    EXPECT_FALSE(line.text.empty());
    pacer.shortenPieces();  // a unit is longer than the pieces: they stay as they are
    EXPECT_EQ(pacer.splitLength(), 30u);
}

TEST(SendPacer, ALineNoPieceOfTheFreeUnitsCanHoldLeavesInPiecesOfTheCutLength) {
    PacingRules rules;
    rules.unitBytes = 4;
    rules.units = 4;  // pieces of 12 bytes
    SendPacer pacer(rules);
    SendQueue::Line first;
    first.text = "abcdefgh";  // two units
    pacer.take(first, 0);
    SendQueue::Line line;
    line.text = "x" + std::string(7, '/') + " " + std::string(20, 'a');
    line.keptPrefix = 0;
    EXPECT_EQ(pacer.take(line, 0), "x" + std::string(7, '/'));
}

class PacingQueueTest : public ::testing::Test {
  protected:
    PacingQueueTest() {
        connection = std::make_unique<TChatInterface>(platform.createTcpClient());
        peer = platform.clients.back();
        chat = std::make_unique<TBnetChat>(platform.createTimer());
        chat->usePacingClock(platform.fakeClock, platform.createTimer());
        chat->ChatInterface = connection.get();
        chat->setFloodInterval(2500);
        chat->OnNotDelivered = [this](std::string_view line) { notDelivered.emplace_back(line); };
        connection->Connect();
        peer->accept();
        clock.advanceBy(3000);  // quiet: the next line leaves at once
    }
    // Runs the clock, noting when each line reached the wire.
    void run(std::int64_t milliseconds) {
        clock.advanceBy(milliseconds, [this] { collect(); });
    }
    void send(const std::string& line) {
        chat->SendLine(line + "\r");
        collect();
    }
    void collect() {
        std::size_t end;
        while ((end = peer->sent.find('\r', taken)) != std::string::npos) {
            lines.push_back(peer->sent.substr(taken, end - taken));
            times.push_back(clock.now() - start);
            taken = end + 1;
        }
    }
    void refuse(std::string_view what) {
        chat->Interpret("1019 ERROR \"Your " + std::string(what) + " quota has been exceeded!\"");
    }

    FakePlatform platform;
    TimerClock clock{platform};
    FakeTcpClient* peer = nullptr;
    std::unique_ptr<TChatInterface> connection;
    std::unique_ptr<TBnetChat> chat;
    std::int64_t start = clock.now() + 3000;
    std::size_t taken = 0;
    std::vector<std::string> lines;
    std::vector<std::int64_t> times;
    std::vector<std::string> notDelivered;
};

TEST_F(PacingQueueTest, ShortLinesKeepTheFixedIntervalAndAreNeverHeld) {
    for (int i = 0; i < 12; ++i)
        send("line " + std::to_string(i));
    run(40000);
    ASSERT_EQ(lines.size(), 12u);
    for (std::size_t i = 2; i < times.size(); ++i)
        EXPECT_EQ(times[i] - times[i - 1], 2500) << i;
}

TEST_F(PacingQueueTest, LongLinesLeaveAsSoonAsTheirUnitsFitShortOnesKeepTheInterval) {
    send(words(150));  // 4 units
    send("short");
    send(words(80));  // 2 units
    send("tail");
    run(20000);
    ASSERT_THAT(lines, ElementsAre(words(150), "short", words(80), "tail"));
    // "short" waits until the four units have been out for six seconds; the
    // two units beside it fit at once, and "tail" waits for the next tick.
    ASSERT_EQ(times.size(), 4u);
    EXPECT_EQ(times[1], 6000);
    EXPECT_EQ(times[2], 6000);
    EXPECT_EQ(times[3] - times[2], 2500);
    EXPECT_EQ(chat->QueueCount(), 0);
}

TEST_F(PacingQueueTest, ALineTooLongForTheQuotaLeavesInPieces) {
    const std::string text = words(250);
    send("/w Bob " + text);
    EXPECT_EQ(chat->QueueCount(), 1);  // the rest
    run(20000);
    ASSERT_EQ(lines.size(), 2u);
    std::string joined;
    for (const std::string& line : lines) {
        EXPECT_EQ(line.rfind("/w Bob ", 0), 0u);
        EXPECT_LE(line.size(), 160u);
        joined += (joined.empty() ? "" : " ") + line.substr(7);
    }
    EXPECT_EQ(joined, text);
}

// Five users say a phrase within a second and the bot answers each with a line
// of the given length: the answers arrive whole and in order, no whole second
// of the server's clock sees the quota exceeded, and the last piece leaves
// within 1.3 times what the quota allows: the answers' units packed four to a
// window of six seconds, the first window starting at once, and the second in
// which the phrases arrive.
class PacingTableTest : public PacingQueueTest,
                        public ::testing::WithParamInterface<std::size_t> {};

TEST_P(PacingTableTest, FiveLongAnswersFillEveryQuotaWindow) {
    const std::size_t length = GetParam();
    std::vector<std::string> answers;
    for (int k = 0; k < 5; ++k) {
        answers.push_back(std::to_string(k) + " " + words(length - 2));
        if (k > 0) run(200);
        send(answers.back());
    }
    run(120000);
    std::size_t next = 0;
    for (const std::string& answer : answers) {
        std::string joined;
        while (next < lines.size() && joined.size() < answer.size())
            joined += (joined.empty() ? "" : " ") + lines[next++];
        EXPECT_EQ(joined, answer);
    }
    EXPECT_EQ(next, lines.size());
    const PacingRules rules;
    int total = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::int64_t second = (start + times[i]) / 1000;
        int held = 0;
        for (std::size_t j = 0; j <= i; ++j)
            if ((start + times[j]) / 1000 > second - rules.windowSeconds)
                held += rules.unitsOf(lines[j].size());
        EXPECT_LT(held, rules.units) << lines[i];
        EXPECT_LE(lines[i].size(), 160u);
        total += rules.unitsOf(lines[i].size());
    }
    const int wholeUnits = 5 * rules.unitsOf(length);
    const std::int64_t allowed = 6000 * ((wholeUnits + 3) / 4 - 1) + 1000;
    EXPECT_LE(times.back() * 10, allowed * 13) << times.back() << " ms for " << allowed;
    std::printf(
        "%zu bytes: %zu pieces, %d units (whole lines %d), last at %.1f s, allowed "
        "%.1f s, ratio %.2f\n",
        length, lines.size(), total, wholeUnits, times.back() / 1000.0, allowed / 1000.0,
        static_cast<double>(times.back()) / allowed);
}

INSTANTIATE_TEST_SUITE_P(AnswerLengths, PacingTableTest, ::testing::Values(70, 110, 150, 190, 250));

TEST_F(PacingQueueTest, AQuotaRefusalPutsTheLineBackAndWaitsAWindow) {
    send("first");
    send("second");
    refuse("message");
    EXPECT_EQ(chat->QueueCount(), 2);
    run(20000);
    EXPECT_THAT(lines, ElementsAre("first", "first", "second"));
    EXPECT_EQ(times[1], 5000);
    EXPECT_TRUE(notDelivered.empty());
}

TEST_F(PacingQueueTest, ALineRefusedAfterTwoResendsIsReportedAndTheQueueGoesOn) {
    send("doomed");
    send("next");
    for (int i = 0; i < 3; ++i) {
        refuse("message");
        run(i < 2 ? 5000 : 0);
    }
    EXPECT_THAT(notDelivered, ElementsAre("doomed"));
    run(10000);
    EXPECT_THAT(lines, ElementsAre("doomed", "doomed", "doomed", "next"));
}

TEST_F(PacingQueueTest, ALengthRefusalLowersTheCutLengthAndSendsThePieces) {
    const std::string text = words(150);
    send(text);
    refuse("line length");
    EXPECT_EQ(chat->SplitLength(), 120u);
    run(20000);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], text);
    EXPECT_LE(lines[1].size(), 120u);
    EXPECT_EQ(lines[1] + " " + lines[2], text);
    for (int i = 0; i < 3; ++i) {  // never below one unit
        send(words(30));
        run(3000);
        refuse("line length");
    }
    EXPECT_EQ(chat->SplitLength(), 40u);
}

TEST_F(PacingQueueTest, ACommandTooHeavyForTheQuotaGoesAloneAndIsReportedWhenRefused) {
    const std::string ban = "/ban Bob " + words(170);  // five units, cannot be cut
    send("short");
    send(ban);
    send("after");
    run(7000);
    // It waits until nothing counts, so the server judges it alone.
    EXPECT_THAT(lines, ElementsAre("short", ban));
    EXPECT_THAT(times, ElementsAre(0, 6000));
    refuse("line length");  // it cannot get shorter: reported, not resent
    EXPECT_THAT(notDelivered, ElementsAre(ban));
    run(10000);
    EXPECT_THAT(lines, ElementsAre("short", ban, "after"));
}

TEST_F(PacingQueueTest, TypedLinesOvertakeWaitingAnswersAndATimerWaitsOnce) {
    send("first");
    for (const std::string text : {"answer 1", "answer 2"})
        chat->SendLine(text + "\r", SendClass::Automatic);
    EXPECT_TRUE(chat->SendLine("timer\r", SendClass::Timed, 0));
    EXPECT_FALSE(chat->SendLine("timer again\r", SendClass::Timed, 0));
    send("typed");
    EXPECT_EQ(chat->QueueCount(), 4);
    run(2500);
    EXPECT_FALSE(chat->SendLine("timer late\r", SendClass::Timed, 0));  // the first still waits
    run(20000);
    EXPECT_THAT(lines, ElementsAre("first", "typed", "answer 1", "answer 2", "timer"));
}

TEST_F(PacingQueueTest, DroppedLinesAreReportedOnceASecondWithTheirNumber) {
    std::vector<int> reports;
    chat->OnLinesDropped = [&](int count) { reports.push_back(count); };
    for (std::size_t i = 0; i < SendQueue::kMaxWaiting + 1; ++i)
        chat->SendLine("answer " + std::to_string(i) + "\r", SendClass::Automatic);
    EXPECT_THAT(reports, ElementsAre());  // the first left at once: 500 wait
    chat->SendLine("one more\r", SendClass::Automatic);
    chat->SendLine("and another\r", SendClass::Automatic);
    EXPECT_THAT(reports, ElementsAre(1));
    run(500);
    chat->SendLine("a third\r", SendClass::Automatic);
    EXPECT_THAT(reports, ElementsAre(1));
    run(3000);  // the next flood tick tells the rest
    EXPECT_THAT(reports, ElementsAre(1, 2));
    EXPECT_EQ(chat->QueueCount(), static_cast<int>(SendQueue::kMaxWaiting) - 1);
}

// A bot with a one-second timer in a busy channel: the timer and three
// answers a second ask for more than the quota lets out, yet the queue, and so
// the memory, stays bounded and typed lines still leave first.
TEST_F(PacingQueueTest, ABusyBotsQueueStaysBounded) {
    int dropped = 0;
    chat->OnLinesDropped = [&](int count) { dropped += count; };
    int asked = 0;
    int maxWaiting = 0;
    for (int second = 0; second < 3600; ++second) {
        asked += chat->SendLine("timed message\r", SendClass::Timed, 0);
        for (int k = 0; k < 3; ++k, ++asked)
            chat->SendLine("answer " + std::to_string(asked) + "\r", SendClass::Automatic);
        maxWaiting = std::max(maxWaiting, chat->QueueCount());
        run(1000);
    }
    EXPECT_LE(maxWaiting, static_cast<int>(SendQueue::kMaxWaiting));
    run(5000);
    EXPECT_EQ(asked, static_cast<int>(lines.size()) + dropped + chat->QueueCount());
    const std::size_t before = lines.size();
    send("typed");
    run(2500);
    ASSERT_GT(lines.size(), before);
    EXPECT_EQ(lines[before], "typed");
    std::printf("one hour: %d lines asked for, %zu sent, %d dropped, at most %d waiting\n", asked,
                lines.size(), dropped, maxWaiting);
}

TEST_F(PacingQueueTest, ANewConnectionStartsWithAFreshQuota) {
    send(words(150));
    refuse("line length");
    connection->Disconnect();
    run(2500);
    connection->Connect();
    peer->accept();
    run(2500);
    EXPECT_EQ(chat->SplitLength(), 160u);
    send(words(150));
    EXPECT_EQ(lines.back(), words(150));
}

}  // namespace
}  // namespace verdo
