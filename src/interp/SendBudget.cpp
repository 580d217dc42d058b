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

bool SendBudget::fits(int units, std::int64_t now) const {
    return heldAt(now) + units <= rules_.units - 1;
}

std::int64_t SendBudget::freeAt(int units, std::int64_t now) const {
    int held = heldAt(now);
    std::int64_t at = now;
    // Lines stop counting oldest first.
    for (const auto& [sentAt, sentUnits] : sent_) {
        if (held + units <= rules_.units - 1) break;
        if (sentAt <= now - spanMilliseconds()) continue;
        held -= sentUnits;
        at = std::max(at, sentAt + spanMilliseconds());
    }
    return at;
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
