// The 26 macro slots of the key combinations Ctrl-Alt-A to Ctrl-Alt-Z, read
// from and written back to the chat file's MacroKeys and MacroList.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace verdo {

class MacroTable {
  public:
    static constexpr std::size_t SlotCount = 26;

    MacroTable() = default;
    // Entry i of `keys` binds its first letter (either case) to entry i of
    // `actions`; a later entry for the same letter replaces an earlier one.
    // Entries that do not start with a letter A to Z are skipped.
    static MacroTable fromLists(const std::vector<std::string>& keys,
                                const std::vector<std::string>& actions);

    const std::string& action(std::size_t slot) const { return slots_.at(slot); }
    void setAction(std::size_t slot, std::string text) { slots_.at(slot) = std::move(text); }

    // Every non-empty slot, in the order A to Z: its letter to `keys`, its
    // action to `actions`. Both lists are replaced.
    void toLists(std::vector<std::string>& keys, std::vector<std::string>& actions) const;

  private:
    std::array<std::string, SlotCount> slots_{};
};

}  // namespace verdo
