// The event lines the gateway sends, in the shapes the client decodes: a
// four-digit code, a word, then the fields. Every line ends in CR LF.
#pragma once

#include <string>
#include <string_view>

namespace verdo::gateway {

// User flag bits as the client reads them.
inline constexpr unsigned kFlagBlizzard = 0x01;
inline constexpr unsigned kFlagOperator = 0x02;
inline constexpr unsigned kFlagNoUdp = 0x10;
inline constexpr unsigned kFlagSquelched = 0x20;

inline constexpr std::string_view kLineEnd = "\r\n";

// Four hexadecimal digits, upper or lower case.
std::string hexFlags(unsigned flags, bool lowerCase);

// "code WORD name flags [PROD]" (1001, 1002, 1003).
std::string userLine(int code, std::string_view word, std::string_view name, std::string_view flags,
                     std::string_view product);
// "code WORD name flags" (1009, and leaves without a product).
std::string flagsLine(int code, std::string_view word, std::string_view name,
                      std::string_view flags);
// "code WORD name flags \"text\"" (1004, 1005, 1010, 1023).
std::string messageLine(int code, std::string_view word, std::string_view name,
                        std::string_view flags, std::string_view text);
// "code WORD \"text\"" (1007, 1013, 1014, 1015, 1018, 1019).
std::string textLine(int code, std::string_view word, std::string_view text);

std::string infoLine(std::string_view text);
std::string errorLine(std::string_view text);

}  // namespace verdo::gateway
