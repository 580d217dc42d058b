// Appending on POSIX calls (see AppendFile.h): the standard streams can
// neither choose the permissions of a new file nor open without blocking.
#include "platform/AppendFile.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace verdo {

bool AppendFile::open(const std::filesystem::path& path, FileAccess access) {
    const mode_t mode = access == FileAccess::OwnerOnly ? S_IRUSR | S_IWUSR : 0666;
    fd_ = Descriptor(::open(
        path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, mode));
    return fd_.isOpen();
}

bool AppendFile::append(std::string_view bytes) const {
    return fd_.isOpen() && fd_.writeAll(bytes);
}

}  // namespace verdo
