// Byte-level access to the fields of the fixed-layout records: little-endian
// integers and length-prefixed 8-bit strings of fixed capacity.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace verdo::record {

std::uint32_t readUInt32(const std::uint8_t* at);
void writeUInt32(std::uint8_t* at, std::uint32_t value);
std::int32_t readInt32(const std::uint8_t* at);
void writeInt32(std::uint8_t* at, std::int32_t value);

// A text field is one length byte followed by `capacity` character bytes.
// Reading never goes past the field, even when a damaged file holds a length
// byte above the capacity.
std::string readText(const std::uint8_t* at, std::size_t capacity);
// Stores at most `capacity` characters; the bytes after them keep what they held.
void writeText(std::uint8_t* at, std::size_t capacity, std::string_view text);

}  // namespace verdo::record
