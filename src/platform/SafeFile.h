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

}  // namespace verdo
