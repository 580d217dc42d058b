// A file that lines are appended to, each written straight through to the
// operating system so that nothing waits in a buffer. Opening never blocks:
// a FIFO without a reader fails at once, and a full pipe loses the line
// instead of stopping the caller.
#pragma once

#include <filesystem>
#include <string_view>

#include "platform/Descriptor.h"
#include "platform/SafeFile.h"

namespace verdo {

class AppendFile {
  public:
    // Opens `path` for appending, creating it with `access` when absent; the
    // permissions of an existing file stay as they are.
    bool open(const std::filesystem::path& path, FileAccess access);
    void close() { fd_.close(); }
    bool isOpen() const { return fd_.isOpen(); }
    // False when the bytes could not all be written.
    bool append(std::string_view bytes) const;

  private:
    Descriptor fd_;
};

}  // namespace verdo
