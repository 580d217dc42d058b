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

// The permissions and owner a rewritten file takes over from the old one.
struct Keep {
    mode_t mode;
    uid_t owner;
    gid_t group;
};

bool writeWithMode(const fs::path& target, std::string_view contents, mode_t mode,
                   const Keep* keep) {
    fs::path temporary;
    Descriptor fd(createTemporary(target, mode, temporary));
    if (fd.get() < 0) return false;
    if (keep) {
        // Not allowed for another user's file unless privileged, and then the
        // file simply becomes ours, as any editor would leave it.
        [[maybe_unused]] const int ignored = ::fchown(fd.get(), keep->owner, keep->group);
    }
    // Exactly the old permissions, whatever the umask took away.
    const bool modeSet = !keep || ::fchmod(fd.get(), keep->mode) == 0;
    const bool written = modeSet && fd.writeAll(contents) && ::fsync(fd.get()) == 0;
    if (!fd.close() || !written || std::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncDirectoryOf(target);
    return true;
}

}  // namespace

bool writeFileSafely(const fs::path& target, std::string_view contents, FileAccess access) {
    const mode_t mode = access == FileAccess::OwnerOnly ? S_IRUSR | S_IWUSR : 0666;
    return writeWithMode(target, contents, mode, nullptr);
}

bool rewriteFileSafely(const fs::path& target, std::string_view contents) {
    std::error_code error;
    const fs::path file = fs::canonical(target, error);
    struct stat info {};
    if (error || ::stat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    const Keep keep{static_cast<mode_t>(info.st_mode & 07777), info.st_uid, info.st_gid};
    return writeWithMode(file, contents, keep.mode & 0700, &keep);
}

}  // namespace verdo
