// OptionSwitches: the switches of the options table that act from outside
// the configuration dialog: the ones an owner sets by a whispered word and
// the ones a main-window action flips. Their words, labels and action names
// are those of their rows (OptionFields.cpp).
#pragma once

#include <span>
#include <string_view>

#include "records/OptionField.h"

namespace verdo {

class OptionSwitches {
  public:
    // The rows with a remote word, in the table's order.
    static std::span<const OptionField* const> remote();
    // The row whose remote word is `word` (exactly), or null.
    static const OptionField* byWord(std::string_view word);
    // The row the main-window action of this object name flips, or null.
    static const OptionField* byAction(std::string_view objectName);
};

}  // namespace verdo
