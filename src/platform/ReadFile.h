// Reading a whole file that must be a regular file. Whatever else carries the
// name (a FIFO, a device, a folder) is refused at once: the file is opened
// without waiting and checked through the opened descriptor, so nothing can
// swap the file between the check and the read, and a FIFO never blocks.
// A file larger than a sane bound is refused from its size before anything is
// read, so a damaged or sparse file cannot exhaust the memory.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace verdo {

enum class ReadStatus { Read, Missing, Failed };

// The largest settings or text file the program reads whole.
inline constexpr std::uint64_t ReadLimit = 64ull << 20;

// The whole file's bytes into `contents`; Missing when there is no such file,
// Failed when it exists but cannot be read, is not a regular file or holds
// more than `limit` bytes. `why`, when given, receives the reason of a
// failure in a few words ("permission denied", "not a regular file", ...).
ReadStatus readRegularFile(const std::filesystem::path& path, std::string& contents,
                           std::string* why = nullptr, std::uint64_t limit = ReadLimit);

// "larger than 64 MiB" and the like, for the messages of a refused file.
std::string sizeLimitText(std::uint64_t limit);

}  // namespace verdo
