// Writing whole files so that each is either replaced completely or left as it
// was: the contents go to a temporary file beside the target, are flushed to
// the disk, and only then renamed over the target. A set of files that belong
// together (a chat file's three files) is written as one: every temporary file
// first, the renames only when all were written, and a failed rename puts back
// the files already replaced.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace verdo {

enum class FileAccess {
    Default,    // the usual permissions (subject to the process's umask), or
                // those of the file replaced
    OwnerOnly,  // readable and writable by the owner alone: files holding passwords
};

// One file of a safe write.
struct SafeWrite {
    std::filesystem::path target;
    std::string_view contents;
    // When not empty, the new file takes this file's owner and group instead
    // of the replaced file's: a backup keeps the owner of what it backs up.
    std::filesystem::path ownerFrom = {};
};

// Writes the files in the order given. A symbolic link at a target is followed
// to its file (the link stays). A file that replaces another keeps its owner
// and group where the process may set them. Returns false when any step
// fails: no target has changed then (except after a crash between two
// renames), no temporary file is left, and `why` says which file and why.
bool writeFilesSafely(std::span<const SafeWrite> files, FileAccess access,
                      std::string* why = nullptr);

bool writeFileSafely(const std::filesystem::path& target, std::string_view contents,
                     FileAccess access = FileAccess::Default, std::string* why = nullptr);

// The same for an existing file that belongs to another program: a symbolic
// link is followed and the file it names is replaced (the link stays a link),
// and the new file keeps the old one's permissions (and, where allowed, its
// owner). False, with nothing changed, when there is no such file.
bool rewriteFileSafely(const std::filesystem::path& target, std::string_view contents);

}  // namespace verdo
