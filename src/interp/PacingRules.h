// PacingRules: the message quota of the server, as the send queue models it.
// A line of at most `unitBytes` bytes costs one unit, a longer one
// ceil(length / unitBytes); the server refuses a line once the units of the
// last `windowSeconds` (its own included) reach `units`, and refuses any line
// longer than `longestLine`. Lengths count the whole line without its carriage
// return. The defaults are those of the servers most people run; Chat.ini may
// set others in its "[Pacing]" section.
#pragma once

#include <cstddef>

namespace verdo {

class IniFile;

struct PacingRules {
    int unitBytes = 40;
    int units = 5;
    int windowSeconds = 5;
    int longestLine = 200;

    int unitsOf(std::size_t length) const {
        const auto unit = static_cast<std::size_t>(unitBytes);
        return length <= unit ? 1 : static_cast<int>((length + unit - 1) / unit);
    }
    // The longest line that can ever leave without a refusal: its units stay
    // one below the limit, and the server takes its length.
    std::size_t longestPassable() const;

    bool operator==(const PacingRules&) const = default;
};

// The "[Pacing]" section of Chat.ini: "Unit Bytes", "Units", "Window Seconds",
// "Longest Line". A missing or unusable value keeps its default.
PacingRules ReadPacingRules(const IniFile& ini);

}  // namespace verdo
