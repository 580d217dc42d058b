// The decimal number a whole text holds, as the timer lists and playback
// commands store them.
#pragma once

#include <charconv>
#include <string_view>

namespace verdo {

// `fallback` when the text is not entirely one decimal number.
inline int decimalOr(std::string_view text, int fallback) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : fallback;
}

}  // namespace verdo
