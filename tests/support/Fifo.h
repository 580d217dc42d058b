// A FIFO in a test folder, and a watch on a call that must not wait for the
// FIFO's other end: a call still running after a while is released by opening
// and closing that end, so a blocking call fails its test instead of hanging.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <future>

namespace verdo::testing {

inline bool makeFifo(const std::filesystem::path& path) {
    return ::mkfifo(path.c_str(), 0600) == 0;
}

// True when `call` returned within two seconds. `call` must only open or
// read the FIFO, never write to it.
template <typename Call>
bool returnsWithoutWaiting(const std::filesystem::path& fifo, Call call) {
    auto running = std::async(std::launch::async, call);
    if (running.wait_for(std::chrono::seconds(2)) == std::future_status::ready) {
        running.get();
        return true;
    }
    // Both ends, non-blocking: one of them is the end the call waits for.
    for (const int end : {O_WRONLY, O_RDONLY}) {
        const int fd = ::open(fifo.c_str(), end | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0) ::close(fd);
    }
    running.get();
    return false;
}

}  // namespace verdo::testing
