// The send queue by class, with its bound (see SendQueue.h).
#include "interp/SendQueue.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <utility>

#include "interp/OutgoingSplit.h"

namespace verdo {

bool SendQueue::push(Line line) {
    if (line.timer != kNoTimer && timerWaiting(line.timer)) return false;
    line.arrival = arrivals_++;
    notePrefix(line);
    of(line.sendClass).push_back(std::move(line));
    ++size_;
    // Stops when only lines that are never dropped wait.
    while (size_ > kMaxWaiting && dropOldest()) {
    }
    return true;
}

void SendQueue::pushFront(Line line) {
    line.arrival = 0;
    notePrefix(line);
    of(line.sendClass).push_front(std::move(line));
    ++size_;
}

SendQueue::Line& SendQueue::front() {
    for (auto& lines : classes_)
        if (!lines.empty()) return lines.front();
    return classes_.back().front();  // never reached: callers check empty()
}

void SendQueue::popFront() {
    for (auto& lines : classes_) {
        if (lines.empty()) continue;
        lines.pop_front();
        --size_;
        return;
    }
}

bool SendQueue::timerWaiting(int timer) const {
    const auto& timed = classes_[static_cast<std::size_t>(SendClass::Timed)];
    return std::any_of(timed.begin(), timed.end(),
                       [&](const Line& line) { return line.timer == timer; });
}

void SendQueue::clear() {
    for (auto& lines : classes_)
        lines.clear();
    size_ = 0;
}

void SendQueue::notePrefix(Line& line) {
    const std::optional<std::size_t> prefix = KeptPrefixLength(line.text);
    line.keptPrefix = prefix && *prefix <= std::numeric_limits<std::int16_t>::max()
                          ? static_cast<std::int16_t>(*prefix)
                          : std::int16_t{-1};
}

int SendQueue::takeDropped() {
    return std::exchange(dropped_, 0);
}

bool SendQueue::dropOldest() {
    // A line some of whose pieces have left is finished rather than cut short;
    // only the first line of a class can be one.
    std::deque<Line>* oldest = nullptr;
    std::size_t at = 0;
    for (SendClass sendClass : {SendClass::Automatic, SendClass::Timed}) {
        std::deque<Line>& lines = of(sendClass);
        std::size_t i = 0;
        while (i < lines.size() && lines[i].started)
            ++i;
        if (i == lines.size()) continue;
        if (!oldest || lines[i].arrival < (*oldest)[at].arrival) {
            oldest = &lines;
            at = i;
        }
    }
    if (!oldest) return false;
    oldest->erase(oldest->begin() + static_cast<std::ptrdiff_t>(at));
    --size_;
    ++dropped_;
    return true;
}

}  // namespace verdo
