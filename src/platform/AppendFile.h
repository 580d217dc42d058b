// A file that lines are appended to, each written straight through to the
// operating system so that nothing waits in a buffer. Opening never blocks:
// a FIFO without a reader fails at once, and a full pipe loses the line
// instead of stopping the caller. A symbolic link as the last part of the
// path is never followed, so nobody can point the file elsewhere.
#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

#include "platform/Descriptor.h"
#include "platform/SafeFile.h"

namespace verdo {

// What an existing file is, for a caller that appends only to files meant
// for it.
struct ExistingFile {
    bool regular = false;
    bool empty = false;       // a regular file without a byte
    bool executable = false;  // any execute permission bit
};

class AppendFile {
  public:
    using AppendCheck = std::function<bool(const ExistingFile&)>;

    // Opens `path` for appending, creating it with `access` when absent; the
    // permissions of an existing file stay as they are. An existing file is
    // opened only when `mayAppend` accepts it (any file without a check).
    bool open(const std::filesystem::path& path, FileAccess access,
              const AppendCheck& mayAppend = {});
    void close() { fd_.close(); }
    bool isOpen() const { return fd_.isOpen(); }
    // False when the bytes could not all be written.
    bool append(std::string_view bytes) const;

  private:
    Descriptor fd_;
};

}  // namespace verdo
