// OptionField: one user-edited field of a fixed-layout record (the options
// record or a user record) by a readable name: where it lies, what kind of
// value it holds, and the limits the configuration dialog applies to it. It
// turns the stored bytes into a readable value and a readable value back into
// bytes, so the dialog and the command line edit the same fields the same way.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace verdo {

enum class OptionKind {
    Text,       // a length-prefixed string of `capacity` characters
    Flag,       // one byte: "on" (1) or "off" (0)
    Number,     // a 32-bit signed integer
    Choice,     // one byte naming one of `choices`
    Color,      // 0x00BBGGRR, written as #rrggbb
    FontStyle,  // the style bits of a font record: "bold italic underline strike-out"
};

// Who gives a value: a person (the dialog's limits apply, a value too long or
// out of range is refused) or a stored file (anything the field can hold, so a
// file's values come back exactly as they were).
enum class OptionInput { Editor, Stored };

struct OptionField {
    std::string_view name;     // the readable name, e.g. "user-name"
    std::string_view caption;  // the configuration dialog's caption
    OptionKind kind;
    std::size_t offset;        // of the field in its record
    std::size_t capacity = 0;  // Text: characters the field holds
    std::size_t limit = 0;     // Text: the longest value a person may enter
    std::int32_t min = 0;      // Number, Choice: the range a person may enter
    std::int32_t max = 0;
    std::span<const std::string_view> choices = {};  // Choice: the name of each value
    // What File > New writes, as `store` reads it; none: the field keeps its value.
    std::optional<std::string_view> reset = {};
    std::string_view control = {};  // the configuration dialog's control ("cbWhois"); empty: none
    std::string_view hint = {};     // the control's tool tip; empty: none
    // Switches an owner may set by a whispered command: the response token
    // that names the switch ("<userjoin>") and the answer's label, followed
    // by "on" or "off". Empty for the others.
    std::string_view remoteWord = {};
    std::string_view remoteLabel = {};
    std::string_view action = {};  // the main window's action that flips the switch ("acMaster")

    // The stored value as readable text (bytes as stored; a value outside the
    // kind's usual form, such as a flag byte of 2, as its number).
    std::string format(const std::uint8_t* record) const;
    // Stores `value`; returns an empty text, or why the value is refused (the
    // record is then unchanged).
    std::string store(std::uint8_t* record, std::string_view value, OptionInput input) const;
    // The number of bytes from `offset` that `store` writes for the value the
    // record holds: a text's length byte and characters, a number's four bytes.
    std::size_t footprint(const std::uint8_t* record) const;
    // What `value` may be, for messages and help: "on or off", "2 to 100"...
    std::string describe() const;

    // A Flag field: whether it is on, and switching it (stored as 1 or 0).
    bool isOn(const std::uint8_t* record) const { return record[offset] != 0; }
    void setOn(std::uint8_t* record, bool on) const { record[offset] = on ? 1 : 0; }
};

}  // namespace verdo
