// The timer service: a repeating timer on the event loop, ticked by hand in tests.
#pragma once

#include <functional>

namespace verdo {

class Timer {
  public:
    virtual ~Timer() = default;

    // Changing the interval of a running timer restarts its period.
    virtual void setInterval(int milliseconds) = 0;
    virtual int interval() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool enabled() const = 0;

    std::function<void()> OnTimer;
};

}  // namespace verdo
