// SendPacer: decides when the next queued line, or a piece of it, may leave
// under the server's message quota, and what leaves. A line that fits the free
// units leaves whole. A longer line that can be cut (talk, whispers, emotes)
// leaves in pieces cut to the units that are free, so that every quota window
// is filled; when all the units it wants are free within a moment, it waits
// for them rather than leaving in small pieces. A line that cannot be cut
// waits until its units fit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "interp/PacingRules.h"
#include "interp/SendBudget.h"
#include "interp/SendQueue.h"

namespace verdo {

class SendPacer {
  public:
    // A line waits this long for all the units it wants before it leaves in
    // a smaller piece.
    static constexpr std::int64_t kGatherMilliseconds = 1000;

    explicit SendPacer(const PacingRules& rules) : rules_(rules) {}

    // Also resets the cut length.
    void setRules(const PacingRules& rules);
    const PacingRules& rules() const { return rules_; }
    // No piece is longer than this.
    std::size_t splitLength() const { return splitLength_; }
    // After a refusal for length: pieces get one unit shorter, never below one
    // unit and never longer than they were.
    void shortenPieces();

    // A line of one unit of which nothing has left yet: it keeps the shortest
    // gap of the flood timer.
    bool isShort(const SendQueue::Line& line) const;
    // The earliest time from `now` on at which `line`, or a piece of it, may leave.
    std::int64_t readyAt(const SendQueue::Line& line, std::int64_t now) const;
    // What leaves of `line` at `now`, when it is ready: the whole line, or a
    // piece cut from its front while the line keeps the rest. Its units count.
    std::string take(SendQueue::Line& line, std::int64_t now);

    // Nothing leaves before `at` (after a refusal for the quota).
    void holdUntil(std::int64_t at) { holdUntil_ = at; }
    // The last line that left was not counted by the server.
    void forgetLast() { budget_.forgetLast(); }
    // A new connection starts with a fresh quota.
    void reset();

  private:
    PacingRules rules_;
    SendBudget budget_{rules_};
    std::size_t splitLength_ = rules_.longestPassable();
    std::int64_t holdUntil_ = 0;
};

}  // namespace verdo
