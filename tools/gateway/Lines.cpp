// Builders of the gateway's event lines (see Lines.h).
#include "Lines.h"

#include <cstdio>

namespace verdo::gateway {

std::string hexFlags(unsigned flags, bool lowerCase) {
    char digits[8];
    std::snprintf(digits, sizeof digits, lowerCase ? "%04x" : "%04X", flags & 0xFFFFu);
    return digits;
}

std::string userLine(int code, std::string_view word, std::string_view name, std::string_view flags,
                     std::string_view product) {
    std::string line = flagsLine(code, word, name, flags);
    line.insert(line.size() - kLineEnd.size(), " [" + std::string(product) + "]");
    return line;
}

std::string flagsLine(int code, std::string_view word, std::string_view name,
                      std::string_view flags) {
    return std::to_string(code) + " " + std::string(word) + " " + std::string(name) + " " +
           std::string(flags) + std::string(kLineEnd);
}

std::string messageLine(int code, std::string_view word, std::string_view name,
                        std::string_view flags, std::string_view text) {
    return std::to_string(code) + " " + std::string(word) + " " + std::string(name) + " " +
           std::string(flags) + " \"" + std::string(text) + "\"" + std::string(kLineEnd);
}

std::string textLine(int code, std::string_view word, std::string_view text) {
    return std::to_string(code) + " " + std::string(word) + " \"" + std::string(text) + "\"" +
           std::string(kLineEnd);
}

std::string infoLine(std::string_view text) {
    return textLine(1018, "INFO", text);
}
std::string errorLine(std::string_view text) {
    return textLine(1019, "ERROR", text);
}

}  // namespace verdo::gateway
