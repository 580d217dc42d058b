// The quota budget of the send queue (see SendBudget.h).
#include "interp/SendBudget.h"

#include <algorithm>

namespace verdo {

int SendBudget::heldAt(std::int64_t now) const {
    int held = 0;
    for (const auto& [at, units] : sent_)
        if (at > now - spanMilliseconds()) held += units;
    return held;
}

namespace {
// A line too heavy for any budget goes only when nothing else counts; the
// server then judges it alone.
bool fitsBeside(int held, int units, int limit) {
    return held + units <= limit - 1 || held == 0;
}
}  // namespace

bool SendBudget::fits(int units, std::int64_t now) const {
    return fitsBeside(heldAt(now), units, rules_.units);
}

std::int64_t SendBudget::freeAt(int units, std::int64_t now) const {
    int held = heldAt(now);
    std::int64_t at = now;
    // Lines stop counting oldest first.
    for (const auto& [sentAt, sentUnits] : sent_) {
        if (fitsBeside(held, units, rules_.units)) break;
        if (sentAt <= now - spanMilliseconds()) continue;
        held -= sentUnits;
        at = std::max(at, sentAt + spanMilliseconds());
    }
    return at;
}

int SendBudget::freeUnits(std::int64_t now) const {
    return std::max(0, rules_.units - 1 - heldAt(now));
}

void SendBudget::record(int units, std::int64_t at) {
    while (!sent_.empty() && sent_.front().first <= at - spanMilliseconds())
        sent_.pop_front();
    sent_.emplace_back(at, units);
}

void SendBudget::forgetLast() {
    if (!sent_.empty()) sent_.pop_back();
}

}  // namespace verdo
