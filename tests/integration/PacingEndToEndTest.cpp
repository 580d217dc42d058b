// The send queue against the gateway's pvpgn quota, end to end: the real Qt
// socket, the connection, the interpreter and the in-process gateway. Five users
// say a phrase within one second and the bot answers each with a line of a
// given length. The queue's timers and the gateway's quota clock run on one
// fake clock, so the run is exact and takes no real waiting. Every answer must
// arrive whole and in order, without a refusal; a long answer within 1.3 times
// what the quota allows: the answers' units packed four to a window of six
// seconds (the five-second window and the second of the server's whole-second
// clock), the first window starting at once, plus the second in which the
// phrases arrive.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <deque>

#include "gateway/GatewayTestSupport.h"
#include "interp/BnetChat.h"
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

// What the quota allows for `count` answers of `length` bytes, in milliseconds.
std::int64_t quotaAllows(std::size_t length, int count) {
    const int units = count * unitsOf(length);
    return 6000LL * ((units + 3) / 4 - 1) + 1000;
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
    std::size_t pieces = 0;
    std::int64_t milliseconds = 0;
    std::int64_t allowed = 0;
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
            return gateway::Clock::time_point(std::chrono::milliseconds(platform.fakeClock.nowMs));
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
        std::size_t expectedBytes = 0;
        for (const std::string& text : answers)
            expectedBytes += text.size();
        const auto heardBytes = [&] {
            std::size_t bytes = 0;
            for (const std::string& piece : heard())
                bytes += piece.size() + 1;  // a blank was dropped at each cut
            return bytes;
        };
        while (heardBytes() < expectedBytes + answers.size() && clock.now() - first < 600'000)
            clock.advanceBy(1000, settle);
        clock.advanceBy(10000, settle);  // nothing more arrives

        const std::vector<std::string> pieces = heard();
        // Each answer arrives whole and in order: its pieces, joined again,
        // are the answer.
        std::size_t next = 0;
        int whole = 0;
        for (const std::string& text : answers) {
            std::string joinedText;
            while (next < pieces.size() && joinedText.size() < text.size())
                joinedText += (joinedText.empty() ? "" : " ") + pieces[next++];
            whole += joinedText == text;
        }
        EXPECT_EQ(next, pieces.size());
        Outcome outcome;
        outcome.length = length;
        outcome.delivered = whole;
        outcome.refusals = refusals;
        outcome.pieces = pieces.size();
        outcome.milliseconds = arrivals.empty() ? -1 : arrivals.back() - first;
        outcome.allowed = quotaAllows(length, 5);
        bot.ChatInterface = nullptr;
        return outcome;
    }
};

TEST_F(PacingEndToEndTest, FiveAnswersOfEachLengthArriveWholeInOrderWithoutRefusal) {
    std::printf("| length | delivered | pieces | refusals | seconds | quota allows | ratio |\n");
    for (std::size_t length : {30, 70, 110, 150, 190, 250}) {
        SCOPED_TRACE(length);
        const Outcome o = run(length);
        std::printf("| %zu | %d of 5 | %zu | %d | %.1f | %.1f | %.2f |\n", o.length, o.delivered,
                    o.pieces, o.refusals, o.milliseconds / 1000.0, o.allowed / 1000.0,
                    static_cast<double>(o.milliseconds) / o.allowed);
        EXPECT_EQ(o.delivered, 5);
        EXPECT_EQ(o.refusals, 0);
        // Short answers keep the fixed interval, which is slower than the quota.
        if (unitsOf(length) > 1) {
            EXPECT_LE(o.milliseconds * 10, o.allowed * 13);
        }
        clients_.clear();
        server_.reset();
    }
}

}  // namespace
}  // namespace verdo
