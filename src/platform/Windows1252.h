// The Windows-1252 code page, the 8-bit text the program stores and sends:
// Latin-1 plus 27 characters in 0x80..0x9F. The five bytes the code page
// leaves undefined map to the control characters of the same value, as
// Windows does, so every byte survives a round trip.
#pragma once

#include <string>

namespace verdo {

char16_t windows1252ToUnicode(unsigned char byte);

// The byte for one code point, or '?' when the code page has none.
char unicodeToWindows1252(char32_t codePoint);

// UTF-16 text as Windows-1252 bytes; a character the code page cannot hold
// becomes '?', and any kind of blank becomes a plain blank.
std::string toWindows1252(std::u16string_view text);

}  // namespace verdo
