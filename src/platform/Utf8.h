// UTF-8 among the program's 8-bit texts. A text counts as UTF-8 when it is
// valid UTF-8 and holds at least one character beyond ASCII; any other text
// is Windows-1252. Cuts in a UTF-8 text fall between characters.
#pragma once

#include <cstddef>
#include <string_view>

namespace verdo {

// The length (2 to 4) of the valid multi-byte sequence at `at`, else 0:
// ASCII, stray continuation bytes, overlong forms, surrogates and code points
// beyond U+10FFFF are not sequences.
std::size_t utf8SequenceLength(std::string_view text, std::size_t at);
// Valid UTF-8 with at least one character beyond ASCII.
bool isUtf8BeyondAscii(std::string_view text);
// `at`, or the start of the character `at` falls inside (the text taken as
// UTF-8).
std::size_t utf8Boundary(std::string_view text, std::size_t at);
// The longest prefix of at most `limit` bytes: in a UTF-8 text it ends
// between characters, in any other text it is `limit` bytes long.
std::size_t utf8CutPoint(std::string_view text, std::size_t limit);

}  // namespace verdo
