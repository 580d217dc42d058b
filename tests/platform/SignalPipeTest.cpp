// Signals handed to the event loop through the self-pipe, and the previous
// handlers back once it is gone.
#include <gtest/gtest.h>

#include <csignal>
#include <vector>

#include "platform/qt/SignalPipe.h"
#include "support/WaitFor.h"

namespace verdo {
namespace {

volatile std::sig_atomic_t previousCalls = 0;
extern "C" void countPrevious(int) {
    previousCalls = previousCalls + 1;
}

TEST(SignalPipeTest, SignalsArriveInTheEventLoopInOrder) {
    SignalPipe pipe{SIGHUP, SIGTERM};
    std::vector<int> received;
    pipe.OnSignal = [&](int number) { received.push_back(number); };
    std::raise(SIGHUP);
    std::raise(SIGTERM);
    std::raise(SIGHUP);
    EXPECT_TRUE(received.empty());  // nothing runs inside the handler
    ASSERT_TRUE(testing::waitFor([&] { return received.size() == 3; }));
    EXPECT_EQ(received, (std::vector<int>{SIGHUP, SIGTERM, SIGHUP}));
}

TEST(SignalPipeTest, ThePreviousHandlerReturnsAfterwards) {
    struct sigaction counting {};
    counting.sa_handler = countPrevious;
    sigemptyset(&counting.sa_mask);
    struct sigaction original {};
    ASSERT_EQ(::sigaction(SIGUSR1, &counting, &original), 0);
    previousCalls = 0;
    {
        SignalPipe pipe{SIGUSR1};
        int received = 0;
        pipe.OnSignal = [&](int) { ++received; };
        std::raise(SIGUSR1);
        ASSERT_TRUE(testing::waitFor([&] { return received == 1; }));
        EXPECT_EQ(previousCalls, 0);
    }
    std::raise(SIGUSR1);
    EXPECT_EQ(previousCalls, 1);
    ::sigaction(SIGUSR1, &original, nullptr);
}

}  // namespace
}  // namespace verdo
