// Limits how large this process may make a file while it lives, so that a
// write fails midway. Tests run as root, which ignores folder permissions but
// not this limit.
#pragma once

#include <sys/resource.h>

#include <csignal>

namespace verdo::testing {

inline void ignoreFileSizeSignal(int) {}

class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
        // A write past the limit then fails with EFBIG instead of killing us.
        previousHandler_ = std::signal(SIGXFSZ, ignoreFileSizeSignal);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

}  // namespace verdo::testing
