// Replacing the characters that steer a terminal (see PrintableText.h).
#include "platform/PrintableText.h"

#include "platform/Utf8.h"
#include "platform/Windows1252.h"

namespace verdo {
namespace {

bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

bool isBidiControl(char32_t c) {
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

// The character a control is shown as.
char replacement(char32_t c) {
    return c == U'\t' || c == U'\r' || c == U'\n' ? ' ' : '?';
}

char32_t decodeSequence(std::string_view sequence) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(sequence[i]); };
    char32_t c = byte(0) & (0x7F >> sequence.size());
    for (std::size_t i = 1; i < sequence.size(); ++i)
        c = (c << 6) | (byte(i) & 0x3F);
    return c;
}

std::string printableUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            out += isControl(lead) ? replacement(lead) : static_cast<char>(lead);
            ++i;
            continue;
        }
        const std::size_t length = utf8SequenceLength(bytes, i);
        if (length == 0) {  // not UTF-8 at all: nothing to keep
            out += '?';
            ++i;
            continue;
        }
        const std::string_view sequence = bytes.substr(i, length);
        const char32_t c = decodeSequence(sequence);
        if (isControl(c) || isBidiControl(c)) {
            out += '?';
        } else {
            out += sequence;
        }
        i += length;
    }
    return out;
}

std::string printableWindows1252(std::string_view bytes) {
    std::string out(bytes);
    for (char& byte : out) {
        const char32_t c = windows1252ToUnicode(static_cast<unsigned char>(byte));
        if (isControl(c)) byte = replacement(c);
    }
    return out;
}

}  // namespace

std::string printableText(std::string_view bytes, bool asUtf8) {
    return asUtf8 ? printableUtf8(bytes) : printableWindows1252(bytes);
}

std::string printableText(std::string_view bytes) {
    return printableText(bytes, isUtf8BeyondAscii(bytes));
}

}  // namespace verdo
