// A timer ticked by hand: tick() fires it only while it is enabled.
#pragma once

#include "platform/Timer.h"

namespace verdo::testing {

class FakeTimer : public Timer {
  public:
    void setInterval(int milliseconds) override {
        if (milliseconds != interval_) {
            ++restarts;
            ++periodStarts;
        }
        interval_ = milliseconds;
    }
    int interval() const override { return interval_; }
    void setEnabled(bool enabled) override {
        if (enabled && !enabled_) ++periodStarts;
        enabled_ = enabled;
    }
    bool enabled() const override { return enabled_; }

    // Fires once when enabled; returns whether it fired.
    bool tick() {
        if (!enabled_ || !OnTimer) return false;
        OnTimer();
        return true;
    }

    int restarts = 0;      // times the interval was changed to a different value
    int periodStarts = 0;  // times a period began anew: started, or its interval changed

  private:
    int interval_ = 1000;
    bool enabled_ = false;
};

}  // namespace verdo::testing
