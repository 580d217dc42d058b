// Appending on POSIX calls (see AppendFile.h): the standard streams can
// neither choose the permissions of a new file nor open without blocking.
#include "platform/AppendFile.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

namespace verdo {
namespace {

ExistingFile describe(const struct stat& info) {
    const bool regular = S_ISREG(info.st_mode);
    return {regular, regular && info.st_size == 0,
            (info.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH)) != 0};
}

}  // namespace

bool AppendFile::open(const std::filesystem::path& path, FileAccess access,
                      const AppendCheck& mayAppend) {
    fd_.close();
    const mode_t mode = access == FileAccess::OwnerOnly ? S_IRUSR | S_IWUSR : 0666;
    constexpr int Flags = O_WRONLY | O_APPEND | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | O_NOFOLLOW;
    // A new file is made by this call alone (O_EXCL), so it needs no check.
    Descriptor fd(::open(path.c_str(), Flags | O_CREAT | O_EXCL, mode));
    if (fd.isOpen()) {
        fd_ = std::move(fd);
        return true;
    }
    if (errno != EEXIST) return false;
    struct stat info {};
    // Asked before opening, so that a device is not even opened, and again
    // on what was opened, so that nothing swapped in between gets through.
    if (mayAppend && (::lstat(path.c_str(), &info) != 0 || !mayAppend(describe(info))))
        return false;
    fd = Descriptor(::open(path.c_str(), Flags));
    if (!fd.isOpen()) return false;
    if (mayAppend && (::fstat(fd.get(), &info) != 0 || !mayAppend(describe(info)))) return false;
    fd_ = std::move(fd);
    return true;
}

bool AppendFile::append(std::string_view bytes) const {
    return fd_.isOpen() && fd_.writeAll(bytes);
}

}  // namespace verdo
