// FolderLock: an exclusive lock on a folder, held while a chat file's three
// files are read, compared and written, so that two writers (the bot, the
// window, `verdochat chatfile`) never interleave. The folder itself is opened
// read-only and locked with flock(), so no lock file is ever left behind, and
// the lock goes with the process however it ends.
#pragma once

#include <filesystem>

#include "platform/Descriptor.h"

namespace verdo {

class FolderLock {
  public:
    FolderLock() = default;
    // Waits until the folder holding `file` can be locked. A folder that
    // cannot be opened is not locked (the file operations then report why).
    explicit FolderLock(const std::filesystem::path& file);

    bool locked() const { return fd_.isOpen(); }
    void release() { fd_.close(); }

  private:
    Descriptor fd_;
};

}  // namespace verdo
