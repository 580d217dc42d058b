// Little-endian integers and length-prefixed texts inside a record's bytes.
#include "records/RecordFields.h"

#include <algorithm>

#include "platform/Utf8.h"

namespace verdo::record {

std::uint32_t readUInt32(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
           static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

void writeUInt32(std::uint8_t* at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::int32_t readInt32(const std::uint8_t* at) {
    return static_cast<std::int32_t>(readUInt32(at));
}

void writeInt32(std::uint8_t* at, std::int32_t value) {
    writeUInt32(at, static_cast<std::uint32_t>(value));
}

std::string readText(const std::uint8_t* at, std::size_t capacity) {
    const std::size_t length = std::min<std::size_t>(at[0], capacity);
    return std::string(reinterpret_cast<const char*>(at + 1), length);
}

void writeText(std::uint8_t* at, std::size_t capacity, std::string_view text) {
    // A UTF-8 text loses whole characters, never half of one.
    const std::size_t length = utf8CutPoint(text, capacity);
    at[0] = static_cast<std::uint8_t>(length);
    std::copy_n(text.begin(), length, reinterpret_cast<char*>(at + 1));
}

}  // namespace verdo::record
