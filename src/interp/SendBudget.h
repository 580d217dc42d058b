// SendBudget: the units of the lines sent recently, so that the send queue
// lets a line leave only while the server's message quota stays one unit below
// its limit. The server counts on a whole-second clock, so a line counts here
// for one second longer than the server's window.
#pragma once

#include <cstdint>
#include <deque>
#include <utility>

#include "interp/PacingRules.h"

namespace verdo {

class SendBudget {
  public:
    explicit SendBudget(const PacingRules& rules) : rules_(rules) {}

    void setRules(const PacingRules& rules) { rules_ = rules; }
    // Milliseconds during which a sent line counts.
    std::int64_t spanMilliseconds() const { return (rules_.windowSeconds + 1) * 1000LL; }

    // A line whose own units reach the limit fits only when nothing is held.
    bool fits(int units, std::int64_t now) const;
    // The earliest time from `now` on at which `units` fit; never before `now`.
    std::int64_t freeAt(int units, std::int64_t now) const;
    // Units that may still leave at `now` while the total stays below the limit.
    int freeUnits(std::int64_t now) const;
    void record(int units, std::int64_t at);
    // The last recorded line was not counted by the server after all.
    void forgetLast();
    void clear() { sent_.clear(); }

  private:
    int heldAt(std::int64_t now) const;

    PacingRules rules_;
    std::deque<std::pair<std::int64_t, int>> sent_;  // time, units; oldest first
};

}  // namespace verdo
