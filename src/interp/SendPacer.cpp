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
    const auto step = static_cast<std::size_t>(rules_.unitBytes);
    splitLength_ = std::max(step, splitLength_ > step ? splitLength_ - step : step);
}

bool SendPacer::isShort(const SendQueue::Line& line) const {
    return !line.started && line.text.size() <= static_cast<std::size_t>(rules_.unitBytes);
}

std::int64_t SendPacer::readyAt(const SendQueue::Line& line, std::int64_t now) const {
    const std::int64_t from = std::max(now, holdUntil_);
    const std::size_t length = line.text.size();
    const std::optional<std::size_t> prefix = KeptPrefixLength(line.text);
    // A command waits until it fits whole.
    if (!prefix) return budget_.freeAt(rules_.unitsOf(length), from);
    // The units of a full piece, or of the smallest piece worth sending: its
    // prefix and half a unit of text.
    const int full = rules_.unitsOf(std::min(length, splitLength_));
    const int least = std::min(full, rules_.unitsOf(*prefix + rules_.unitBytes / 2 + 1));
    const std::int64_t fullAt = budget_.freeAt(full, from);
    const std::int64_t leastAt = budget_.freeAt(least, from);
    return fullAt - leastAt > kGatherMilliseconds ? leastAt : fullAt;
}

std::string SendPacer::take(SendQueue::Line& line, std::int64_t now) {
    const auto room = static_cast<std::size_t>(budget_.freeUnits(now) * rules_.unitBytes);
    const std::size_t limit = std::min(splitLength_, room);
    std::string piece;
    if (line.text.size() > limit && KeptPrefixLength(line.text)) {
        if (auto cut = CutOutgoingLine(line.text, limit)) {
            piece = std::move(cut->first);
            line.text = std::move(cut->second);
            line.started = true;
        }
    }
    if (piece.empty()) piece = std::exchange(line.text, std::string());
    budget_.record(rules_.unitsOf(piece.size()), now);
    return piece;
}

void SendPacer::reset() {
    budget_.clear();
    holdUntil_ = 0;
    splitLength_ = rules_.longestPassable();
}

}  // namespace verdo
