// Searching short byte ranges quickly: eight bytes at a time in one machine
// word. Lines and their fields are a few dozen bytes long, where a call to
// memchr costs more than the search itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace verdo::bytes {

inline constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
inline constexpr std::uint64_t kHighs = 0x8080808080808080ULL;

// A mask whose lowest set high bit marks the first byte of `word` (in memory
// order, little-endian) equal to `byte`; zero when there is none. Bits above
// the first match may be wrong, so only the lowest one is to be used.
inline std::uint64_t matchMask(std::uint64_t word, unsigned char byte) {
    const std::uint64_t x = word ^ (kOnes * byte);
    return (x - kOnes) & ~x & kHighs;
}

inline std::uint64_t loadWord(const char* at) {
    std::uint64_t word;
    std::memcpy(&word, at, sizeof word);
    return word;
}

inline std::size_t firstMarked(std::uint64_t mask) {
    return static_cast<std::size_t>(__builtin_ctzll(mask)) / 8;
}

// The first `byte` in `text` at or after `from`, or npos.
inline std::size_t find(std::string_view text, char byte, std::size_t from = 0) {
    const char* data = text.data();
    std::size_t i = from;
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    for (; i + 8 <= text.size(); i += 8) {
        if (const std::uint64_t mask =
                matchMask(loadWord(data + i), static_cast<unsigned char>(byte))) {
            return i + firstMarked(mask);
        }
    }
#endif
    for (; i < text.size(); ++i) {
        if (data[i] == byte) return i;
    }
    return std::string_view::npos;
}

}  // namespace verdo::bytes
