// The send queue by class, with its bound (see SendQueue.h).
#include "interp/SendQueue.h"

#include <algorithm>
#include <utility>

namespace verdo {

bool SendQueue::push(Line line) {
    if (line.timer != kNoTimer && timerWaiting(line.timer)) return false;
    of(line.sendClass).push_back(Entry{std::move(line), arrivals_++});
    ++size_;
    while (size_ > kMaxWaiting) {
        const std::size_t before = size_;
        dropOldest();
        if (size_ == before) break;  // only lines that are never dropped wait
    }
    return true;
}

void SendQueue::pushFront(Line line) {
    of(line.sendClass).push_front(Entry{std::move(line), 0});
    ++size_;
}

SendQueue::Line& SendQueue::front() {
    for (auto& lines : classes_)
        if (!lines.empty()) return lines.front().line;
    return classes_.back().front().line;  // never reached: callers check empty()
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
                       [&](const Entry& entry) { return entry.line.timer == timer; });
}

void SendQueue::clear() {
    for (auto& lines : classes_)
        lines.clear();
    size_ = 0;
}

int SendQueue::takeDropped() {
    return std::exchange(dropped_, 0);
}

void SendQueue::dropOldest() {
    // A line some of whose pieces have left is finished rather than cut short;
    // only the first line of a class can be one.
    std::deque<Entry>* oldest = nullptr;
    std::size_t at = 0;
    for (SendClass sendClass : {SendClass::Automatic, SendClass::Timed}) {
        std::deque<Entry>& lines = of(sendClass);
        std::size_t i = 0;
        while (i < lines.size() && lines[i].line.started)
            ++i;
        if (i == lines.size()) continue;
        if (!oldest || lines[i].arrival < (*oldest)[at].arrival) {
            oldest = &lines;
            at = i;
        }
    }
    if (!oldest) return;
    oldest->erase(oldest->begin() + static_cast<std::ptrdiff_t>(at));
    --size_;
    ++dropped_;
}

}  // namespace verdo
