// UTF-8 among the program's 8-bit texts (see Utf8.h).
#include "platform/Utf8.h"

namespace verdo {

namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

}  // namespace

std::size_t utf8SequenceLength(std::string_view text, std::size_t at) {
    if (at >= text.size()) return 0;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    const std::size_t length = lead >= 0xF0 && lead <= 0xF4   ? 4
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xC2 && lead <= 0xDF ? 2
                                                              : 0;
    if (length == 0 || at + length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i)
        if (!isContinuation(byte(at + i))) return 0;
    if (lead == 0xE0 && byte(at + 1) < 0xA0) return 0;  // overlong
    if (lead == 0xED && byte(at + 1) > 0x9F) return 0;  // surrogate
    if (lead == 0xF0 && byte(at + 1) < 0x90) return 0;  // overlong
    if (lead == 0xF4 && byte(at + 1) > 0x8F) return 0;  // above U+10FFFF
    return length;
}

bool isUtf8BeyondAscii(std::string_view text) {
    bool beyondAscii = false;
    for (std::size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = utf8SequenceLength(text, i);
        if (length == 0) return false;
        beyondAscii = true;
        i += length;
    }
    return beyondAscii;
}

std::size_t utf8Boundary(std::string_view text, std::size_t at) {
    while (at > 0 && at < text.size() && isContinuation(static_cast<unsigned char>(text[at])))
        --at;
    return at;
}

std::size_t utf8CutPoint(std::string_view text, std::size_t limit) {
    if (limit >= text.size()) return text.size();
    return isUtf8BeyondAscii(text) ? utf8Boundary(text, limit) : limit;
}

}  // namespace verdo
