// POSIX signals delivered inside the Qt event loop. The handler only writes
// the signal's number to a pipe (async-signal-safe); a notifier on the other
// end hands it to OnSignal like any other event.
#pragma once

#include <QSocketNotifier>
#include <functional>
#include <initializer_list>
#include <memory>

namespace verdo {

class SignalPipe {
  public:
    // Catches `caught` until destroyed; then their previous handlers return.
    // One instance at a time.
    explicit SignalPipe(std::initializer_list<int> caught);
    ~SignalPipe();
    SignalPipe(const SignalPipe&) = delete;
    SignalPipe& operator=(const SignalPipe&) = delete;

    std::function<void(int)> OnSignal;

  private:
    void readSignals();

    int fds_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
    struct Saved;
    std::unique_ptr<Saved> saved_;
};

}  // namespace verdo
