// Random bytes through the text decoding the program applies to everything it
// receives: UTF-8 recognition and cutting, the Windows-1252 code page both
// ways, and the filter that makes text safe for a terminal. Each must keep its
// promise on any input: sequences re-encode to the bytes they came from, cuts
// fall between characters, representable text survives a round trip, and the
// filtered text holds nothing that steers a terminal.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/PrintableText.h"
#include "platform/Utf8.h"
#include "platform/Windows1252.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

// Decodes a sequence the library accepted, independently of it.
char32_t decode(std::string_view sequence) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(sequence[i]); };
    if (sequence.size() == 1) return byte(0);
    char32_t c = byte(0) & (0xFF >> (sequence.size() + 1));
    for (std::size_t i = 1; i < sequence.size(); ++i)
        c = (c << 6) | (byte(i) & 0x3F);
    return c;
}

std::string encode(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

bool validOrAscii(std::string_view text) {
    for (const char byte : text)
        if (static_cast<unsigned char>(byte) >= 0x80) return verdo::isUtf8BeyondAscii(text);
    return true;
}

void checkUtf8(std::string_view text) {
    bool beyondAscii = false;
    bool valid = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t length = verdo::utf8SequenceLength(text, i);
        const bool ascii = static_cast<unsigned char>(text[i]) < 0x80;
        require(length == 0 || (length >= 2 && length <= 4 && !ascii));
        if (length == 0) continue;
        // A sequence is the shortest form of a scalar value.
        const std::string_view sequence = text.substr(i, length);
        const char32_t c = decode(sequence);
        require(c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF));
        require(encode(c) == sequence);
    }
    for (std::size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = verdo::utf8SequenceLength(text, i);
        if (length == 0) {
            valid = false;
            break;
        }
        beyondAscii = true;
        i += length;
    }
    require(verdo::isUtf8BeyondAscii(text) == (valid && beyondAscii));

    // Cuts at every limit: never longer than asked, and in UTF-8 text both
    // sides stay UTF-8.
    for (std::size_t limit = 0; limit <= text.size() + 1; limit += 1 + limit / 8) {
        const std::size_t cut = verdo::utf8CutPoint(text, limit);
        require(cut <= text.size() && cut <= limit);
        if (limit >= text.size()) require(cut == text.size());
        if (valid && beyondAscii) {
            require(limit - cut < 4 || limit >= text.size());
            require(validOrAscii(text.substr(0, cut)) && validOrAscii(text.substr(cut)));
        } else if (limit < text.size()) {
            require(cut == limit);
        }
    }
}

void checkWindows1252(std::string_view bytes) {
    // Every byte is a character of the code page and comes back as itself;
    // the no-break space comes back as a plain blank.
    std::u16string text;
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        const char16_t c = verdo::windows1252ToUnicode(b);
        require(verdo::unicodeToWindows1252(c) == static_cast<char>(b));
        text += c;
    }
    const std::string back = verdo::toWindows1252(text);
    require(back.size() == bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i)
        require(back[i] == (bytes[i] == '\xA0' ? ' ' : bytes[i]));

    // The same bytes read as UTF-16 code units: one byte per character (a
    // surrogate pair is one), and each byte is the character, '?' or a blank.
    std::u16string units;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        units += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) << 8 |
                                       static_cast<unsigned char>(bytes[i + 1]));
    const std::string encoded = verdo::toWindows1252(units);
    require(encoded.size() <= units.size());
    std::size_t at = 0;
    for (std::size_t i = 0; i < units.size(); ++i, ++at) {
        char32_t c = units[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
        }
        require(at < encoded.size());
        const char byte = encoded[at];
        require(byte == '?' || byte == ' ' ||
                verdo::windows1252ToUnicode(static_cast<unsigned char>(byte)) == c);
    }
    require(at == encoded.size());
}

bool steers(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

void checkPrintable(std::string_view bytes) {
    const std::string asUtf8 = verdo::printableText(bytes, true);
    require(validOrAscii(asUtf8));
    for (std::size_t i = 0; i < asUtf8.size();) {
        const std::size_t length = verdo::utf8SequenceLength(asUtf8, i);
        const std::size_t step = length == 0 ? 1 : length;
        require(!steers(decode(asUtf8.substr(i, step))));
        i += step;
    }
    require(verdo::printableText(asUtf8, true) == asUtf8);

    const std::string as1252 = verdo::printableText(bytes, false);
    require(as1252.size() == bytes.size());
    for (std::size_t i = 0; i < as1252.size(); ++i) {
        const char32_t c = verdo::windows1252ToUnicode(static_cast<unsigned char>(as1252[i]));
        require(!steers(c));
        // Characters stay where they were.
        if (as1252[i] != bytes[i]) require(as1252[i] == '?' || as1252[i] == ' ');
    }
    require(verdo::printableText(as1252, false) == as1252);
    require(verdo::printableText(bytes) ==
            verdo::printableText(bytes, verdo::isUtf8BeyondAscii(bytes)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkUtf8(bytes);
    checkWindows1252(bytes);
    checkPrintable(bytes);
    return 0;
}
