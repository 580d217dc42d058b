// Reading and writing one field of a record by its readable value.
#include "records/OptionField.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <limits>
#include <optional>

#include "platform/AnsiText.h"
#include "records/RecordFields.h"

namespace verdo {
namespace {

constexpr std::array<std::string_view, 4> StyleWords = {"bold", "italic", "underline",
                                                        "strike-out"};
constexpr std::uint8_t AllStyles = 15;

std::optional<std::int64_t> parseInteger(std::string_view text) {
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

std::optional<std::uint32_t> parseHex(std::string_view digits) {
    std::uint32_t value = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value, 16);
    if (digits.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

std::string rangeText(std::int64_t min, std::int64_t max) {
    return std::to_string(min) + " to " + std::to_string(max);
}

std::optional<bool> parseSwitch(std::string_view text) {
    const std::string word = lowerAZ(text);
    for (const std::string_view on : {"on", "yes", "true", "1"})
        if (word == on) return true;
    for (const std::string_view off : {"off", "no", "false", "0"})
        if (word == off) return false;
    return std::nullopt;
}

std::optional<std::uint8_t> parseStyle(std::string_view text) {
    if (equalsIgnoreCaseAZ(text, "plain")) return 0;
    std::uint8_t bits = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t stop = std::min(text.find_first_of(" ,+", at), text.size());
        const std::string_view word = text.substr(at, stop - at);
        at = stop + 1;
        if (word.empty()) continue;
        const auto found = std::find_if(StyleWords.begin(), StyleWords.end(),
                                        [word](auto w) { return equalsIgnoreCaseAZ(w, word); });
        if (found == StyleWords.end()) return std::nullopt;
        bits |= static_cast<std::uint8_t>(1u << (found - StyleWords.begin()));
    }
    return bits;
}

}  // namespace

std::string OptionField::format(const std::uint8_t* record) const {
    const std::uint8_t* at = record + offset;
    switch (kind) {
        case OptionKind::Text:
            return record::readText(at, capacity);
        case OptionKind::Flag:
            return *at == 0 ? "off" : *at == 1 ? "on" : std::to_string(*at);
        case OptionKind::Number:
            return std::to_string(record::readInt32(at));
        case OptionKind::Choice:
            return *at < choices.size() ? std::string(choices[*at]) : std::to_string(*at);
        case OptionKind::Color: {
            const std::uint32_t value = record::readUInt32(at);
            char text[16];
            if (value >> 24 == 0)
                std::snprintf(text, sizeof text, "#%02x%02x%02x", value & 0xFF, (value >> 8) & 0xFF,
                              (value >> 16) & 0xFF);
            else
                std::snprintf(text, sizeof text, "0x%08x", value);
            return text;
        }
        case OptionKind::FontStyle: {
            if (*at == 0) return "plain";
            if (*at > AllStyles) return std::to_string(*at);
            std::string words;
            for (std::size_t bit = 0; bit < StyleWords.size(); ++bit) {
                if ((*at & (1u << bit)) == 0) continue;
                if (!words.empty()) words += ' ';
                words += StyleWords[bit];
            }
            return words;
        }
    }
    return {};
}

std::string OptionField::store(std::uint8_t* record, std::string_view value,
                               OptionInput input) const {
    const bool editor = input == OptionInput::Editor;
    std::uint8_t* at = record + offset;
    const std::string refused = std::string(name) + ": ";
    switch (kind) {
        case OptionKind::Text: {
            const std::size_t most = editor ? limit : capacity;
            if (value.size() > most)
                return refused + "too long (" + std::to_string(value.size()) +
                       " characters, at most " + std::to_string(most) + ")";
            record::writeText(at, capacity, value);
            return {};
        }
        case OptionKind::Flag: {
            if (const auto on = parseSwitch(value)) {
                *at = *on ? 1 : 0;
                return {};
            }
            const auto raw = parseInteger(value);
            if (editor || !raw || *raw < 0 || *raw > 255) return refused + "expected " + describe();
            *at = static_cast<std::uint8_t>(*raw);
            return {};
        }
        case OptionKind::Number: {
            const auto number = parseInteger(value);
            const std::int64_t low = editor ? min : std::numeric_limits<std::int32_t>::min();
            const std::int64_t high = editor ? max : std::numeric_limits<std::int32_t>::max();
            if (!number || *number < low || *number > high)
                return refused + "expected a number from " + rangeText(low, high);
            record::writeInt32(at, static_cast<std::int32_t>(*number));
            return {};
        }
        case OptionKind::Choice: {
            const auto named = std::find_if(choices.begin(), choices.end(), [value](auto choice) {
                return equalsIgnoreCaseAZ(choice, value);
            });
            std::optional<std::int64_t> number = parseInteger(value);
            if (named != choices.end()) number = named - choices.begin();
            const std::int64_t high = editor ? max : 255;
            if (!number || *number < (editor ? min : 0) || *number > high)
                return refused + "expected " + describe();
            *at = static_cast<std::uint8_t>(*number);
            return {};
        }
        case OptionKind::Color: {
            std::optional<std::uint32_t> color;
            if (value.size() == 7 && value[0] == '#') {
                if (const auto rgb = parseHex(value.substr(1)))
                    color = (*rgb >> 16) | (*rgb & 0x00FF00) | ((*rgb & 0xFF) << 16);
            } else if (!editor && value.size() == 10 && value.substr(0, 2) == "0x") {
                color = parseHex(value.substr(2));
            }
            if (!color) return refused + "expected " + describe();
            record::writeUInt32(at, *color);
            return {};
        }
        case OptionKind::FontStyle: {
            std::optional<std::uint8_t> bits = parseStyle(value);
            if (!bits && !editor) {
                const auto raw = parseInteger(value);
                if (raw && *raw >= 0 && *raw <= 255) bits = static_cast<std::uint8_t>(*raw);
            }
            if (!bits) return refused + "expected " + describe();
            *at = *bits;
            return {};
        }
    }
    return refused + "cannot be set";
}

std::size_t OptionField::footprint(const std::uint8_t* record) const {
    switch (kind) {
        case OptionKind::Text:
            return 1 + std::min<std::size_t>(record[offset], capacity);
        case OptionKind::Number:
        case OptionKind::Color:
            return 4;
        case OptionKind::Flag:
        case OptionKind::Choice:
        case OptionKind::FontStyle:
            return 1;
    }
    return 0;
}

std::string OptionField::describe() const {
    switch (kind) {
        case OptionKind::Text:
            return "text of at most " + std::to_string(limit) + " characters";
        case OptionKind::Flag:
            return "on or off";
        case OptionKind::Number:
            return "a number from " + rangeText(min, max);
        case OptionKind::Choice: {
            std::string text = "one of";
            for (std::size_t i = 0; i < choices.size(); ++i)
                text += (i == 0 ? " \"" : ", \"") + std::string(choices[i]) + "\"";
            return text + " (or its number " + rangeText(min, max) + ")";
        }
        case OptionKind::Color:
            return "a colour #rrggbb";
        case OptionKind::FontStyle:
            return "\"plain\" or any of bold, italic, underline, strike-out";
    }
    return {};
}

}  // namespace verdo
