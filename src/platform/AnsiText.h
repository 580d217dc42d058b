// Helpers for the 8-bit text the program carries end to end. Comparisons of
// incoming text with configured text change only the letters A to Z, so that
// bytes of other code pages are never altered by a locale.
#pragma once

#include <string>
#include <string_view>

namespace verdo {

std::string lowerAZ(std::string_view text);
std::string upperAZ(std::string_view text);
bool equalsIgnoreCaseAZ(std::string_view a, std::string_view b);
// True when `needle` occurs in `text`, letters A to Z compared without case.
bool containsIgnoreCaseAZ(std::string_view text, std::string_view needle);
bool startsWithIgnoreCaseAZ(std::string_view text, std::string_view prefix);

}  // namespace verdo
