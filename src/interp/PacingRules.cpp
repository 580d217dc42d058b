// The quota model and its Chat.ini section (see PacingRules.h).
#include "interp/PacingRules.h"

#include <algorithm>

#include "platform/IniFile.h"

namespace verdo {

std::size_t PacingRules::longestPassable() const {
    return static_cast<std::size_t>(std::min((units - 1) * unitBytes, longestLine));
}

PacingRules ReadPacingRules(const IniFile& ini) {
    constexpr std::string_view kSection = "Pacing";
    PacingRules rules;
    // A value outside its range would stop the queue or defeat it: keep the default.
    const auto read = [&](std::string_view key, int& value, int low, int high) {
        const int given = ini.readInteger(kSection, key, value);
        if (given >= low && given <= high) value = given;
    };
    read("Unit Bytes", rules.unitBytes, 1, 4096);
    read("Units", rules.units, 2, 1000);
    read("Window Seconds", rules.windowSeconds, 1, 3600);
    read("Longest Line", rules.longestLine, 1, 65536);
    return rules;
}

}  // namespace verdo
