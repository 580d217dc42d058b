// The send queue by class: the order lines leave in, a timed message waiting
// once, and the bound that drops only automatic and timed lines.
#include "interp/SendQueue.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace verdo {
namespace {

using ::testing::ElementsAre;

SendQueue::Line line(std::string text, SendClass sendClass, int timer = SendQueue::kNoTimer) {
    SendQueue::Line l;
    l.text = std::move(text);
    l.sendClass = sendClass;
    l.timer = timer;
    return l;
}

std::vector<std::string> drain(SendQueue& queue) {
    std::vector<std::string> out;
    while (!queue.empty()) {
        out.push_back(queue.front().text);
        queue.popFront();
    }
    return out;
}

TEST(SendQueue, LinesLeaveByClassThenInArrivalOrder) {
    SendQueue queue;
    queue.push(line("play 1", SendClass::Playback));
    queue.push(line("timer 1", SendClass::Timed, 0));
    queue.push(line("answer 1", SendClass::Automatic));
    queue.push(line("reply 1", SendClass::Command));
    queue.push(line("typed 1", SendClass::Typed));
    queue.push(line("answer 2", SendClass::Automatic));
    queue.push(line("typed 2", SendClass::Typed));
    EXPECT_EQ(queue.size(), 7u);
    queue.pushFront(line("answer 0", SendClass::Automatic));  // refused, put back
    EXPECT_THAT(drain(queue), ElementsAre("typed 1", "typed 2", "reply 1", "answer 0", "answer 1",
                                          "answer 2", "timer 1", "play 1"));
    EXPECT_EQ(queue.size(), 0u);
}

TEST(SendQueue, ATimedMessageWaitsOnlyOnce) {
    SendQueue queue;
    EXPECT_TRUE(queue.push(line("first copy", SendClass::Timed, 3)));
    EXPECT_TRUE(queue.push(line("other timer", SendClass::Timed, 4)));
    EXPECT_FALSE(queue.push(line("second copy", SendClass::Timed, 3)));
    EXPECT_TRUE(queue.push(line("untimed", SendClass::Timed)));
    EXPECT_TRUE(queue.push(line("untimed again", SendClass::Timed)));
    EXPECT_TRUE(queue.timerWaiting(3));
    queue.popFront();
    EXPECT_FALSE(queue.timerWaiting(3));
    EXPECT_TRUE(queue.push(line("third copy", SendClass::Timed, 3)));
    EXPECT_THAT(drain(queue), ElementsAre("other timer", "untimed", "untimed again", "third copy"));
}

TEST(SendQueue, PastTheBoundTheOldestAutomaticAndTimedLinesAreDropped) {
    SendQueue queue;
    for (int i = 0; i < 100; ++i) {
        queue.push(line("timed " + std::to_string(i), SendClass::Timed));
        queue.push(line("auto " + std::to_string(i), SendClass::Automatic));
        queue.push(line("typed " + std::to_string(i), SendClass::Typed));
        queue.push(line("command " + std::to_string(i), SendClass::Command));
        queue.push(line("play " + std::to_string(i), SendClass::Playback));
    }
    EXPECT_EQ(queue.size(), 500u);
    EXPECT_EQ(queue.takeDropped(), 0);
    queue.push(line("typed late", SendClass::Typed));
    queue.push(line("auto late", SendClass::Automatic));
    EXPECT_EQ(queue.size(), 500u);
    EXPECT_EQ(queue.takeDropped(), 2);
    EXPECT_EQ(queue.takeDropped(), 0);
    const std::vector<std::string> left = drain(queue);
    const auto has = [&](const std::string& text) {
        return std::find(left.begin(), left.end(), text) != left.end();
    };
    // The oldest of the two classes went, in arrival order.
    EXPECT_FALSE(has("timed 0"));
    EXPECT_FALSE(has("auto 0"));
    EXPECT_TRUE(has("timed 1"));
    EXPECT_TRUE(has("auto late"));
    EXPECT_TRUE(has("typed late"));
    EXPECT_TRUE(has("command 0"));
    EXPECT_TRUE(has("play 0"));
}

TEST(SendQueue, NeverDropsTypedCommandPlaybackOrAStartedLine) {
    SendQueue queue;
    queue.push(line("answer begun", SendClass::Automatic));
    queue.front().started = true;
    for (int i = 0; i < 600; ++i)
        queue.push(line("typed", i % 3 == 0   ? SendClass::Typed
                                 : i % 3 == 1 ? SendClass::Command
                                              : SendClass::Playback));
    EXPECT_EQ(queue.size(), 601u);
    queue.push(line("answer", SendClass::Automatic));
    EXPECT_EQ(queue.size(), 601u);  // the new answer is the oldest that may go
    EXPECT_EQ(queue.takeDropped(), 1);
    queue.clear();
    EXPECT_TRUE(queue.empty());
}

}  // namespace
}  // namespace verdo
