// Whole-file reading on POSIX calls (see ReadFile.h): the standard streams
// can neither open without blocking nor check what they opened.
#include "platform/ReadFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>

#include "platform/Descriptor.h"

namespace verdo {
namespace {

ReadStatus failed(std::string* why, std::string reason) {
    if (why != nullptr) *why = std::move(reason);
    return ReadStatus::Failed;
}

std::string errorText(int error) {
    std::string text = std::strerror(error);
    if (!text.empty())
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    return text;
}

}  // namespace

std::string sizeLimitText(std::uint64_t limit) {
    if (limit % (1u << 20) == 0) return "larger than " + std::to_string(limit >> 20) + " MiB";
    return "larger than " + std::to_string(limit) + " bytes";
}

ReadStatus readRegularFile(const std::filesystem::path& path, std::string& contents,
                           std::string* why, std::uint64_t limit) {
    // O_NONBLOCK keeps the open of a FIFO without a writer from waiting; it
    // has no effect on the reads of a regular file.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return ReadStatus::Missing;
        return failed(why, errorText(errno));
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) return failed(why, errorText(errno));
    if (S_ISDIR(info.st_mode)) return failed(why, "a folder, not a file");
    if (!S_ISREG(info.st_mode)) return failed(why, "not a regular file");
    if (static_cast<std::uint64_t>(info.st_size) > limit) return failed(why, sizeLimitText(limit));
    contents.clear();
    // One read of the expected size, then whatever a growing file added, up
    // to the limit.
    contents.resize(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t filled = 0;
    while (true) {
        if (filled == contents.size()) {
            if (filled > limit) return failed(why, sizeLimitText(limit));
            contents.resize(std::min<std::uint64_t>(contents.size() * 2 + 4096, limit + 1));
        }
        const ssize_t got = ::read(fd.get(), contents.data() + filled, contents.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return failed(why, errorText(errno));
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    if (filled > limit) return failed(why, sizeLimitText(limit));
    contents.resize(filled);
    return ReadStatus::Read;
}

}  // namespace verdo
