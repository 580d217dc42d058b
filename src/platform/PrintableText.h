// Text that others chose (remote users, the server, a chat file from
// elsewhere) made safe to print on a terminal or into a journal: every
// character that could steer the terminal (move the cursor, retitle the
// window, start a second line) or reorder the line's text is replaced. Used by
// the console runner and by the chat-file command's listings.
#pragma once

#include <string>
#include <string_view>

namespace verdo {

// `bytes` in the same encoding with C0 controls and DEL, the C1 controls and
// the bidirectional controls (U+061C, U+200E, U+200F, U+202A..U+202E,
// U+2066..U+2069) each replaced by "?". A tab or line break becomes a blank:
// the program's own messages break lines, and a blank steers nothing. In
// Windows-1252 text (`asUtf8` false) the bytes 0x80..0x9F are characters and
// stay, except the five the code page leaves undefined, which are C1 controls.
std::string printableText(std::string_view bytes, bool asUtf8);
// The same, the encoding decided as everywhere (UTF-8 when the bytes are valid
// UTF-8 beyond ASCII, else Windows-1252).
std::string printableText(std::string_view bytes);

}  // namespace verdo
