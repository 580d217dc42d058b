// How the console shows the logic's lines: one line of text per pane line,
// control characters made harmless, and 24-bit colours for a terminal.
#pragma once

#include <cstdint>
#include <string>

#include "chat/SessionView.h"

namespace verdo {

// The escape sequence that selects `color` (0x00BBGGRR) as the foreground, or
// nothing for a system colour (top bit set): the terminal's own colour serves.
std::string colorEscape(std::uint32_t color);
inline constexpr std::string_view ResetEscape = "\x1b[0m";

// The three segments as UTF-8, each in its colour when `colored`. Text from
// the network or a chat file goes through printableText (platform/), so
// nobody can move the cursor, retitle the terminal, forge a second line or
// reorder the line.
std::string consoleLine(const ChatLine& line, bool colored);

// 8-bit text as UTF-8 for the console, made printable.
std::string consoleText(const std::string& bytes);

}  // namespace verdo
