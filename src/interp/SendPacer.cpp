// When and what the send queue sends (see SendPacer.h).
#include "interp/SendPacer.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "interp/OutgoingSplit.h"

namespace verdo {

void SendPacer::setRules(const PacingRules& rules) {
    rules_ = rules;
    budget_.setRules(rules);
    splitLength_ = rules.longestPassable();
}

void SendPacer::shortenPieces() {
    // Never longer than before, even when the longest line is below a unit.
    const auto step = static_cast<std::size_t>(rules_.unitBytes);
    if (splitLength_ > step) splitLength_ = std::max(step, splitLength_ - step);
}

bool SendPacer::isShort(const SendQueue::Line& line) const {
    return !line.started && line.text.size() <= static_cast<std::size_t>(rules_.unitBytes);
}

std::int64_t SendPacer::readyAt(const SendQueue::Line& line, std::int64_t now) const {
    const std::int64_t from = std::max(now, holdUntil_);
    const std::size_t length = line.text.size();
    const int wholeUnits = rules_.unitsOf(length);
    const std::int64_t wholeAt = budget_.freeAt(wholeUnits, from);
    if (wholeAt == from && length <= splitLength_) return from;  // most lines
    // A command waits until it fits whole.
    if (line.keptPrefix < 0) return wholeAt;
    const auto prefix = static_cast<std::size_t>(line.keptPrefix);
    // The units of a full piece, or of the smallest piece worth sending: its
    // prefix and half a unit of text.
    const int full = length <= splitLength_ ? wholeUnits : rules_.unitsOf(splitLength_);
    const std::int64_t fullAt = full == wholeUnits ? wholeAt : budget_.freeAt(full, from);
    const int least = rules_.unitsOf(prefix + rules_.unitBytes / 2 + 1);
    if (least >= full) return fullAt;
    const std::int64_t leastAt = budget_.freeAt(least, from);
    return fullAt - leastAt > kGatherMilliseconds ? leastAt : fullAt;
}

std::string SendPacer::take(SendQueue::Line& line, std::int64_t now) {
    std::optional<std::string> piece;
    // A line of one unit within the cut length is never cut, so it needs no
    // look at the budget.
    const std::size_t uncut = std::min(static_cast<std::size_t>(rules_.unitBytes), splitLength_);
    if (line.keptPrefix >= 0 && line.text.size() > uncut) {
        const auto room = static_cast<std::size_t>(budget_.freeUnits(now) * rules_.unitBytes);
        const std::size_t limit = std::min(splitLength_, room);
        if (line.text.size() > limit) {
            const auto prefix = static_cast<std::size_t>(line.keptPrefix);
            piece = TakeFirstPiece(line.text, prefix, limit);
            // No piece fits the free units (a character or a run of slashes
            // longer than them): a piece of the cut length is better than the
            // whole line, which the server would refuse for its length.
            if (!piece && limit < splitLength_)
                piece = TakeFirstPiece(line.text, prefix, splitLength_);
            if (piece && !line.text.empty()) line.started = true;
        }
    }
    // A line that fits, or a command that cannot be cut, leaves whole.
    if (!piece) piece = std::exchange(line.text, std::string());
    budget_.record(rules_.unitsOf(piece->size()), now);
    return std::move(*piece);
}

void SendPacer::reset() {
    budget_.clear();
    holdUntil_ = 0;
    splitLength_ = rules_.longestPassable();
}

}  // namespace verdo
