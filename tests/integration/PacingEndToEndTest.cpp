// The send queue against the gateway's pvpgn quota, end to end: the real Qt
// socket, the connection, the interpreter and the in-process gateway. Five users
// say a phrase within one second and the bot answers each with a line of a
// given length. The queue's timers and the gateway's quota clock run on one
// fake clock, so the run is exact and takes no real waiting. Every answer must
// arrive whole and in order, without a refusal, and within 1.5 times the
// shortest time the quota and the fixed interval allow.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <deque>

#include "gateway/GatewayTestSupport.h"
#include "interp/BnetChat.h"
#include "interp/OutgoingSplit.h"
#include "net/ChatInterface.h"
#include "platform/qt/QtTcpClient.h"
#include "support/TimerClock.h"

namespace verdo {
namespace {

using gateway::test::GatewayTest;
using gateway::test::RawClient;
using gateway::test::waitUntil;

// The real client, counting the lines it hands to the socket.
class CountingTcpClient : public TcpClient {
  public:
    CountingTcpClient() {
        inner_.OnConnected = [this] { OnConnected(); };
        inner_.OnConnectFailed = [this](std::string_view reason) { OnConnectFailed(reason); };
        inner_.OnData = [this](std::string_view bytes) { OnData(bytes); };
        inner_.OnClosed = [this] { OnClosed(); };
        inner_.OnError = [this] { OnError(); };
    }
    void connectToHost(const std::string& host, std::uint16_t port) override {
        inner_.connectToHost(host, port);
    }
    std::int64_t send(std::string_view bytes) override {
        const std::int64_t taken = inner_.send(bytes);
        for (std::int64_t i = 0; i < taken; ++i)
            lines += bytes[static_cast<std::size_t>(i)] == '\r';
        return taken;
    }
    void close() override { inner_.close(); }

    int lines = 0;

  private:
    QtTcpClient inner_;
};

// Units of one line under the default quota.
int unitsOf(std::size_t length) {
    return PacingRules{}.unitsOf(length);
}

// The shortest time, in milliseconds, from the first line to the last that
// the server's quota allows (at most four units within five whole seconds)
// when lines are at least `gap` apart; lines go as early as they may.
std::int64_t quotaMinimum(const std::vector<int>& units, std::int64_t gap) {
    std::vector<std::pair<std::int64_t, int>> sent;  // time, units
    std::int64_t time = 0;
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (i > 0) time += gap;
        for (;;) {
            const std::int64_t second = time / 1000;
            int held = units[i];
            for (const auto& [at, u] : sent)
                if (at / 1000 > second - 5) held += u;
            if (held <= 4) break;
            time = (second + 1) * 1000;
        }
        sent.emplace_back(time, units[i]);
    }
    return time;
}

// "answer K: " then words, exactly `length` bytes.
std::string answer(int k, std::size_t length) {
    std::string text = "answer " + std::to_string(k) + ":";
    for (int w = 0; text.size() < length; ++w)
        text += " w" + std::to_string(k) + std::to_string(w);
    text.resize(length);
    if (text.back() == ' ') text.back() = 'x';
    return text;
}

struct Outcome {
    std::size_t length = 0;
    int delivered = 0;
    int refusals = 0;
    std::int64_t milliseconds = 0;
    std::int64_t quotaOnly = 0;     // the quota alone
    std::int64_t withInterval = 0;  // the quota and the 2.5 s shortest gap
};

class PacingEndToEndTest : public GatewayTest {
  protected:
    Outcome run(std::size_t length) {
        testing::FakePlatform platform;
        testing::TimerClock clock(platform);
        platform.fakeClock.nowMs = 1'000'700;  // off a whole second
        int judged = 0;
        gateway::GatewayOptions options;
        options.style = gateway::StyleKind::Pvpgn;
        options.quotaClock = [&] {
            ++judged;
            return gateway::Clock::time_point(
                std::chrono::milliseconds(platform.fakeClock.nowMs));
        };
        start(options);

        std::vector<RawClient*> users;
        for (int k = 1; k <= 5; ++k)
            users.push_back(&user("user" + std::to_string(k)));

        auto counting = std::make_unique<CountingTcpClient>();
        CountingTcpClient& wire = *counting;
        TChatInterface connection(std::move(counting));
        TBnetChat bot(platform.createTimer());
        bot.usePacingClock(platform.fakeClock, platform.createTimer());
        bot.setFloodInterval(2500);
        bot.ChatInterface = &connection;
        bot.UserName = "bot";
        bot.Password = "pw";
        connection.Address = "127.0.0.1";
        connection.Port = port_;
        connection.OnConnect = [&] { bot.Logon(); };
        connection.OnDataReceived = [&](std::string_view line) { bot.Interpret(line); };
        int phrases = 0;
        int refusals = 0;
        std::vector<std::string> answers;
        bot.OnTalk = [&](std::string_view, std::string_view text) {
            if (text != "hello bot") return;
            ++phrases;
            answers.push_back(answer(phrases, length));
            bot.SendLine(answers.back() + "\r");
        };
        bool joined = false;
        bot.OnChannel = [&](std::string_view) { joined = true; };
        bot.OnError = [&](std::string_view text) {
            refusals += text.find("quota") != std::string_view::npos;
        };
        EXPECT_TRUE(connection.Connect());
        EXPECT_TRUE(waitUntil([&] { return joined; }));
        const int logonLines = wire.lines;

        RawClient& observer = *users.front();
        auto heard = [&] {
            std::vector<std::string> pieces;
            for (const std::string& line : observer.lines())
                if (line.rfind("1005 TALK bot ", 0) == 0)
                    pieces.push_back(
                        line.substr(line.find('"') + 1, line.size() - line.find('"') - 2));
            return pieces;
        };
        int userLines = 0;
        std::vector<std::int64_t> arrivals;
        std::size_t heardCount = 0;
        // Lets every line sent so far be judged and answered before the clock
        // moves on, as the window's idle update sets the interval.
        auto settle = [&] {
            const int botLines = wire.lines - logonLines;
            EXPECT_TRUE(waitUntil([&] {
                return judged == userLines + botLines &&
                       static_cast<int>(heard().size()) + refusals == botLines;
            }));
            for (; heardCount < heard().size(); ++heardCount)
                arrivals.push_back(clock.now());
            bot.setFloodInterval(bot.QueueCount() < 3 ? 2500 : 4000);
        };
        clock.advanceBy(10000, settle);  // a quiet start

        const std::int64_t first = clock.now();
        for (int k = 0; k < 5; ++k) {
            clock.advanceTo(first + 200 * k, settle);
            users[static_cast<std::size_t>(k)]->send("hello bot\r");
            ++userLines;
            EXPECT_TRUE(waitUntil([&] { return phrases == k + 1; }));
            settle();
        }
        std::vector<std::string> expected;
        std::vector<int> units;
        for (const std::string& text : answers) {
            const auto split = SplitOutgoingLine(text, 160);
            for (const std::string& piece : *split) {
                expected.push_back(piece);
                units.push_back(unitsOf(piece.size()));
            }
        }
        while (heard().size() < expected.size() && clock.now() - first < 600'000)
            clock.advanceBy(1000, settle);

        const std::vector<std::string> pieces = heard();
        EXPECT_EQ(pieces, expected) << length;
        // Each answer arrives whole: its pieces, joined again, are the answer.
        std::size_t next = 0;
        int whole = 0;
        for (const std::string& text : answers) {
            std::string joinedText;
            while (next < pieces.size() && joinedText.size() < text.size())
                joinedText += (joinedText.empty() ? "" : " ") + pieces[next++];
            whole += joinedText == text;
        }
        Outcome outcome;
        outcome.length = length;
        outcome.delivered = whole;
        outcome.refusals = refusals;
        outcome.milliseconds = arrivals.empty() ? -1 : arrivals.back() - first;
        outcome.quotaOnly = quotaMinimum(units, 0);
        outcome.withInterval = quotaMinimum(units, 2500);
        bot.ChatInterface = nullptr;
        return outcome;
    }
};

TEST_F(PacingEndToEndTest, FiveAnswersOfEachLengthArriveWholeInOrderWithoutRefusal) {
    std::printf("| length | delivered | refusals | seconds | quota minimum | with 2.5 s gap |\n");
    for (std::size_t length : {30, 70, 110, 150, 190, 250}) {
        SCOPED_TRACE(length);
        const Outcome o = run(length);
        std::printf("| %zu | %d of 5 | %d | %.1f | %.1f | %.1f |\n", o.length, o.delivered,
                    o.refusals, o.milliseconds / 1000.0, o.quotaOnly / 1000.0,
                    o.withInterval / 1000.0);
        EXPECT_EQ(o.delivered, 5);
        EXPECT_EQ(o.refusals, 0);
        EXPECT_LE(o.milliseconds, o.withInterval * 3 / 2);
        clients_.clear();
        server_.reset();
    }
}

}  // namespace
}  // namespace verdo
