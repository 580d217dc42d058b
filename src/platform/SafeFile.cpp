// Temporary files, flush, rename (see SafeFile.h), on POSIX calls because the
// standard streams can neither choose the permissions and owner of a new file
// nor flush it to the disk.
#include "platform/SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/Descriptor.h"

namespace verdo {
namespace {

namespace fs = std::filesystem;

fs::path besideName(const fs::path& target, std::string_view kind) {
    static std::atomic<unsigned> counter{0};
    fs::path name = target;
    name += std::string(kind) + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    return name;
}

// The file a name stands for: symbolic links followed, each relative to the
// folder of the link. A dangling link gives the path it points to, so the
// save creates that file and the link stays.
fs::path followLinks(fs::path path) {
    for (int depth = 0; depth < 40; ++depth) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
        std::error_code error;
        const fs::path link = fs::read_symlink(path, error);
        if (error) return path;
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    return path;
}

std::optional<struct stat> statOf(const fs::path& path) {
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0) return std::nullopt;
    return info;
}

std::string reason(const fs::path& path, int error) {
    return path.string() + ": " + std::strerror(error);
}

// One file on its way: where it goes, its temporary file, and the hard link
// that keeps the replaced file until every rename is done.
struct Pending {
    fs::path target;
    fs::path temporary;
    fs::path kept;
    bool replaces = false;
    bool renamed = false;
};

// Writes, flushes and closes the temporary file of `write`.
bool writeTemporary(const SafeWrite& write, FileAccess access, Pending& file, std::string& why) {
    file.target = followLinks(write.target);
    const std::optional<struct stat> old = statOf(file.target);
    file.replaces = old.has_value();
    const std::optional<struct stat> owner =
        write.ownerFrom.empty() ? old : statOf(write.ownerFrom);
    const mode_t mode = access == FileAccess::OwnerOnly ? S_IRUSR | S_IWUSR : 0666;
    Descriptor fd;
    for (int attempt = 0; attempt < 100 && !fd.isOpen(); ++attempt) {
        file.temporary = besideName(file.target, ".tmp");
        fd = Descriptor(
            ::open(file.temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
        if (!fd.isOpen() && errno != EEXIST) break;
    }
    if (!fd.isOpen()) {
        why = reason(file.target, errno);
        file.temporary.clear();
        return false;
    }
    if (owner) {
        // Only root may give a file away; anyone may pass it to one of their
        // groups. What cannot be set stays the writer's.
        if (::fchown(fd.get(), owner->st_uid, owner->st_gid) != 0)
            (void)::fchown(fd.get(), static_cast<uid_t>(-1), owner->st_gid);
        // A changed owner may drop permission bits: set them again.
        const mode_t keep = access == FileAccess::OwnerOnly ? mode : owner->st_mode & 0777;
        (void)::fchmod(fd.get(), keep);
    }
    if (!fd.writeAll(write.contents) || ::fsync(fd.get()) != 0) {
        why = reason(file.target, errno);
        return false;
    }
    if (!fd.close()) {
        why = reason(file.target, errno);
        return false;
    }
    return true;
}

// Makes the renames themselves survive a crash; failure here loses nothing.
void syncFolders(const std::vector<Pending>& files) {
    std::set<fs::path> folders;
    for (const Pending& file : files)
        folders.insert(file.target.parent_path().empty() ? "." : file.target.parent_path());
    for (const fs::path& folder : folders) {
        Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (fd.isOpen()) ::fsync(fd.get());
    }
}

void removeLeftovers(const std::vector<Pending>& files) {
    for (const Pending& file : files) {
        if (!file.temporary.empty() && !file.renamed) ::unlink(file.temporary.c_str());
        if (!file.kept.empty()) ::unlink(file.kept.c_str());
    }
}

// Puts the replaced files back from their hard links, newest first.
void rollBack(std::vector<Pending>& files) {
    for (auto file = files.rbegin(); file != files.rend(); ++file) {
        if (!file->renamed) continue;
        if (!file->kept.empty() && std::rename(file->kept.c_str(), file->target.c_str()) == 0)
            file->kept.clear();
        else if (!file->replaces)
            ::unlink(file->target.c_str());
    }
}

}  // namespace

bool writeFilesSafely(std::span<const SafeWrite> writes, FileAccess access, std::string* why) {
    std::string reasonText;
    std::vector<Pending> files(writes.size());
    bool ok = true;
    for (std::size_t i = 0; i < writes.size() && ok; ++i)
        ok = writeTemporary(writes[i], access, files[i], reasonText);
    // A hard link keeps each replaced file until every rename is done. Where
    // the file system has no hard links the save goes on without them.
    if (ok && files.size() > 1) {
        for (Pending& file : files) {
            if (!file.replaces) continue;
            for (int attempt = 0; attempt < 100; ++attempt) {
                const fs::path kept = besideName(file.target, ".old");
                if (::link(file.target.c_str(), kept.c_str()) == 0) {
                    file.kept = kept;
                    break;
                }
                if (errno != EEXIST) break;
            }
        }
    }
    for (std::size_t i = 0; i < files.size() && ok; ++i) {
        Pending& file = files[i];
        if (std::rename(file.temporary.c_str(), file.target.c_str()) != 0) {
            reasonText = reason(file.target, errno);
            ok = false;
            rollBack(files);
        } else {
            file.renamed = true;
        }
    }
    removeLeftovers(files);
    if (ok) syncFolders(files);
    if (!ok && why != nullptr) *why = reasonText;
    return ok;
}

bool writeFileSafely(const fs::path& target, std::string_view contents, FileAccess access,
                     std::string* why) {
    const SafeWrite write{target, contents};
    return writeFilesSafely(std::span(&write, 1), access, why);
}

bool rewriteFileSafely(const fs::path& target, std::string_view contents) {
    // Only an existing regular file: the launcher never creates another
    // program's settings. Its mode and owner carry over to the new file.
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    return writeFileSafely(target, contents, FileAccess::Default);
}

}  // namespace verdo
