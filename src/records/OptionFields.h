// OptionFields: the one table of every field a person edits in the options
// record and in a user record, by readable name, in the record's order. Each
// row says everything about its option (caption, limits, reset value, dialog
// control, remote word and main-window action); the configuration and colour
// dialogs, `SetupValues`, File > New, the remote commands, the main window's
// switch actions and the `chatfile` command all read it. The recipe for adding
// a switch is beside the rows (OptionFields.cpp).
#pragma once

#include <span>
#include <string_view>

#include "records/OptionField.h"

namespace verdo {

class OptionFields {
  public:
    // The options record (tOptions): fonts, colours, switches, texts, numbers.
    // Reserved bytes and the format version are not among them.
    static std::span<const OptionField> options();
    // A user record (tUser): name, greeting, sounds, notes, colours.
    static std::span<const OptionField> userRecord();
    // The field of `table` with this name (letters A to Z without case), or null.
    static const OptionField* find(std::span<const OptionField> table, std::string_view name);
};

}  // namespace verdo
