// FileStamp: what tells whether another program changed a file since it was
// last read or written: its device, inode, size and modification time, or
// that it did not exist. A safe save makes a new inode, so even a change
// within the clock's resolution shows.
#pragma once

#include <cstdint>
#include <filesystem>

namespace verdo {

struct FileStamp {
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;

    // The file as it is now; a symbolic link is followed.
    static FileStamp of(const std::filesystem::path& path);
    bool operator==(const FileStamp&) const = default;
};

}  // namespace verdo
