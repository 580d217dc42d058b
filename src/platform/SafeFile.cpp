// Temporary file, flush, rename (see SafeFile.h), on POSIX calls because the
// standard streams can neither choose the permissions of a new file nor
// flush it to the disk.
#include "platform/SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <string>

#include "platform/Descriptor.h"

namespace verdo {
namespace {

namespace fs = std::filesystem;

fs::path temporaryName(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    fs::path name = target;
    name += ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    return name;
}

// Creates a new file beside the target that did not exist before.
int createTemporary(const fs::path& target, mode_t mode, fs::path& created) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        created = temporaryName(target);
        const int fd = ::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Makes the rename itself survive a crash; failure here loses nothing.
void syncDirectoryOf(const fs::path& target) {
    fs::path dir = target.parent_path();
    if (dir.empty()) dir = ".";
    Descriptor fd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0) ::fsync(fd.get());
}

}  // namespace

bool writeFileSafely(const fs::path& target, std::string_view contents, FileAccess access) {
    const mode_t mode = access == FileAccess::OwnerOnly ? S_IRUSR | S_IWUSR : 0666;
    fs::path temporary;
    Descriptor fd(createTemporary(target, mode, temporary));
    if (fd.get() < 0) return false;
    const bool written = fd.writeAll(contents) && ::fsync(fd.get()) == 0;
    if (!fd.close() || !written || std::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncDirectoryOf(target);
    return true;
}

}  // namespace verdo
