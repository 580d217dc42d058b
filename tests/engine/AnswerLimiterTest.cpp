// The sliding-window cap on automatic answers per user.
#include <gtest/gtest.h>

#include "engine/AnswerLimiter.h"

namespace verdo {
namespace {

using Verdict = AnswerLimiter::Verdict;

TEST(AnswerLimiterTest, FiveWithinTheWindowThenHeldBackAndFirstHoldIsMarked) {
    AnswerLimiter limiter;
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(limiter.tryAnswer("Ann", i * 1000), Verdict::Allowed);
    EXPECT_EQ(limiter.tryAnswer("Ann", 5000), Verdict::FirstHeldBack);
    EXPECT_EQ(limiter.tryAnswer("Ann", 6000), Verdict::HeldBack);
}

TEST(AnswerLimiterTest, SlidingWindowFreesOneSlotAtATime) {
    AnswerLimiter limiter;
    for (int i = 0; i < 5; ++i)
        limiter.tryAnswer("Ann", i * 1000);
    EXPECT_EQ(limiter.tryAnswer("Ann", 29999), Verdict::FirstHeldBack);
    EXPECT_EQ(limiter.tryAnswer("Ann", 30000), Verdict::Allowed);
    EXPECT_EQ(limiter.tryAnswer("Ann", 30500), Verdict::FirstHeldBack);
}

TEST(AnswerLimiterTest, UsersAreCountedApartAndWithoutCase) {
    AnswerLimiter limiter;
    for (int i = 0; i < 5; ++i)
        limiter.tryAnswer(i % 2 ? "ANN" : "ann", 0);
    EXPECT_EQ(limiter.tryAnswer("Ann", 0), Verdict::FirstHeldBack);
    EXPECT_EQ(limiter.tryAnswer("Bob", 0), Verdict::Allowed);
}

TEST(AnswerLimiterTest, ManyQuietUsersAreForgottenWithoutLosingBusyOnes) {
    AnswerLimiter limiter;
    for (int i = 0; i < 5; ++i)
        limiter.tryAnswer("busy", 100000);
    for (int i = 0; i < 300; ++i)
        limiter.tryAnswer("user" + std::to_string(i), 0);
    EXPECT_EQ(limiter.tryAnswer("busy", 100001), Verdict::FirstHeldBack);
    for (int i = 0; i < 300; ++i)
        limiter.tryAnswer("other" + std::to_string(i), 100002);
    EXPECT_EQ(limiter.tryAnswer("busy", 100003), Verdict::HeldBack);
}

}  // namespace
}  // namespace verdo
