// Case folding limited to A to Z (see AnsiText.h).
#include "platform/AnsiText.h"

#include <algorithm>

namespace verdo {
namespace {

char lowerByte(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
char upperByte(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::string lowerAZ(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), lowerByte);
    return out;
}

std::string upperAZ(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), upperByte);
    return out;
}

bool equalsIgnoreCaseAZ(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lowerByte(x) == lowerByte(y);
           });
}

bool containsIgnoreCaseAZ(std::string_view text, std::string_view needle) {
    return lowerAZ(text).find(lowerAZ(needle)) != std::string::npos;
}

bool startsWithIgnoreCaseAZ(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           equalsIgnoreCaseAZ(text.substr(0, prefix.size()), prefix);
}

}  // namespace verdo
