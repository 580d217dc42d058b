// Line reading from a file descriptor (see LineReader.h).
#include "app/headless/LineReader.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>

namespace verdo {

FdLineReader::FdLineReader(int fd)
    : fd_(fd), notifier_(std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read)) {
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { readAvailable(); });
}

// One read per notification: the notifier fires again while more is waiting.
void FdLineReader::readAvailable() {
    std::array<char, 4096> buffer{};
    const ssize_t count = ::read(fd_, buffer.data(), buffer.size());
    if (count < 0 && (errno == EINTR || errno == EAGAIN)) return;
    if (count <= 0) {
        end();
        return;
    }
    held_.append(buffer.data(), static_cast<std::size_t>(count));
    deliverLines();
}

void FdLineReader::deliverLines() {
    for (;;) {
        const std::size_t newline = held_.find('\n');
        if (newline == std::string::npos && held_.size() < MaxLine) return;
        const std::size_t length = std::min(newline, MaxLine);
        std::string line = held_.substr(0, length);
        held_.erase(0, length == newline ? length + 1 : length);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (OnLine) OnLine(line);
    }
}

void FdLineReader::end() {
    notifier_->setEnabled(false);
    ended_ = true;
    if (!held_.empty()) {
        std::string last;
        last.swap(held_);
        if (last.back() == '\r') last.pop_back();
        if (OnLine) OnLine(last);
    }
    if (OnEnd) OnEnd();
}

}  // namespace verdo
