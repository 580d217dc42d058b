// Reading a whole file that must be a regular file. Whatever else carries the
// name (a FIFO, a device, a folder) is refused at once: the file is opened
// without waiting and checked through the opened descriptor, so nothing can
// swap the file between the check and the read, and a FIFO never blocks.
#pragma once

#include <cstddef>
#include <filesystem>
#include <limits>
#include <string>

namespace verdo {

enum class ReadStatus { Read, Missing, Failed };

// The whole file's bytes into `contents`; Missing when there is no such file,
// Failed when it exists but cannot be read or is not a regular file, or holds
// more than `maximumSize` bytes (checked while reading, so a file that grows
// meanwhile never takes more memory than that).
ReadStatus readRegularFile(const std::filesystem::path& path, std::string& contents,
                           std::size_t maximumSize = std::numeric_limits<std::size_t>::max());

}  // namespace verdo
