// Whole-file reading on POSIX calls (see ReadFile.h): the standard streams
// can neither open without blocking nor check what they opened.
#include "platform/ReadFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

#include "platform/Descriptor.h"

namespace verdo {

ReadStatus readRegularFile(const std::filesystem::path& path, std::string& contents,
                           std::size_t maximumSize) {
    // O_NONBLOCK keeps the open of a FIFO without a writer from waiting; it
    // has no effect on the reads of a regular file.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0)
        return errno == ENOENT || errno == ENOTDIR ? ReadStatus::Missing : ReadStatus::Failed;
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) return ReadStatus::Failed;
    if (static_cast<std::uintmax_t>(info.st_size) > maximumSize) return ReadStatus::Failed;
    contents.clear();
    // One read of the expected size, then whatever a growing file added, in
    // steps up to one byte past the limit, which tells a file that grew too much.
    const std::size_t ceiling =
        maximumSize == std::numeric_limits<std::size_t>::max() ? maximumSize : maximumSize + 1;
    contents.resize(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t filled = 0;
    while (true) {
        if (filled == contents.size()) {
            if (filled >= ceiling) break;
            contents.resize(std::min(ceiling, contents.size() * 2 + 4096));
        }
        const ssize_t got = ::read(fd.get(), contents.data() + filled, contents.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return ReadStatus::Failed;
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    if (filled > maximumSize) {
        contents.clear();
        return ReadStatus::Failed;
    }
    contents.resize(filled);
    return ReadStatus::Read;
}

}  // namespace verdo
