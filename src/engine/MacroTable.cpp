// Reading and writing the macro slots.
#include "engine/MacroTable.h"

namespace verdo {

MacroTable MacroTable::fromLists(const std::vector<std::string>& keys,
                                 const std::vector<std::string>& actions) {
    MacroTable table;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i].empty()) continue;
        char letter = keys[i].front();
        if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - ('a' - 'A'));
        if (letter < 'A' || letter > 'Z') continue;
        table.slots_[static_cast<std::size_t>(letter - 'A')] =
            i < actions.size() ? actions[i] : std::string();
    }
    return table;
}

void MacroTable::toLists(std::vector<std::string>& keys, std::vector<std::string>& actions) const {
    keys.clear();
    actions.clear();
    for (std::size_t slot = 0; slot < SlotCount; ++slot) {
        if (slots_[slot].empty()) continue;
        keys.emplace_back(1, static_cast<char>('A' + slot));
        actions.push_back(slots_[slot]);
    }
}

}  // namespace verdo
