// Line reading from a file descriptor (see FdLineReader.h).
#include "platform/qt/FdLineReader.h"

#include <unistd.h>

#include <array>
#include <cerrno>

namespace verdo {

FdLineReader::FdLineReader(int fd)
    : fd_(fd),
      notifier_(std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read)),
      lines_(MaxLine, LineReader::LongLines::Split, [this](const std::string& line) {
          if (OnLine) OnLine(line);
      }) {
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
    lines_.feed(std::string_view(buffer.data(), static_cast<std::size_t>(count)));
}

void FdLineReader::end() {
    notifier_->setEnabled(false);
    ended_ = true;
    lines_.finish();
    if (OnEnd) OnEnd();
}

}  // namespace verdo
