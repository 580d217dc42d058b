// Writing a whole file so that it is either replaced completely or left as it
// was: the contents go to a temporary file beside the target, are flushed to
// the disk, and only then renamed over the target.
#pragma once

#include <filesystem>
#include <string_view>

namespace verdo {

enum class FileAccess {
    Default,    // the usual permissions (subject to the process's umask)
    OwnerOnly,  // readable and writable by the owner alone: files holding passwords
};

// Returns false when any step fails; the target is then untouched and the
// temporary file removed.
bool writeFileSafely(const std::filesystem::path& target, std::string_view contents,
                     FileAccess access = FileAccess::Default);

// The same for an existing file that belongs to another program: a symbolic
// link is followed and the file it names is replaced (the link stays a link),
// and the new file keeps the old one's permissions (and, where allowed, its
// owner). False, with nothing changed, when there is no such file.
bool rewriteFileSafely(const std::filesystem::path& target, std::string_view contents);

}  // namespace verdo
