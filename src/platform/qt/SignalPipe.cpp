// The self-pipe for signals (see SignalPipe.h).
#include "platform/qt/SignalPipe.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <vector>

namespace verdo {

namespace {

// The write end for the handler; a plain int is all it may touch.
volatile std::sig_atomic_t writeEnd = -1;

extern "C" void onSignal(int number) {
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(number);
    // A full pipe drops the byte: the same signal is already on its way.
    [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
    errno = savedErrno;
}

void makeNonBlocking(int fd) {
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
}

}  // namespace

struct SignalPipe::Saved {
    std::vector<std::pair<int, struct sigaction>> actions;
};

SignalPipe::SignalPipe(std::initializer_list<int> caught) : saved_(std::make_unique<Saved>()) {
    if (::pipe(fds_) != 0) return;
    makeNonBlocking(fds_[0]);
    makeNonBlocking(fds_[1]);
    writeEnd = fds_[1];
    notifier_ = std::make_unique<QSocketNotifier>(fds_[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { readSignals(); });
    for (const int number : caught) {
        struct sigaction action {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        struct sigaction previous {};
        if (::sigaction(number, &action, &previous) == 0)
            saved_->actions.emplace_back(number, previous);
    }
}

SignalPipe::~SignalPipe() {
    for (const auto& [number, previous] : saved_->actions)
        ::sigaction(number, &previous, nullptr);
    notifier_.reset();
    writeEnd = -1;
    for (const int fd : fds_)
        if (fd >= 0) ::close(fd);
}

void SignalPipe::readSignals() {
    std::array<unsigned char, 64> numbers{};
    const ssize_t count = ::read(fds_[0], numbers.data(), numbers.size());
    for (ssize_t i = 0; i < count; ++i) {
        if (OnSignal) OnSignal(numbers[static_cast<std::size_t>(i)]);
    }
}

}  // namespace verdo
