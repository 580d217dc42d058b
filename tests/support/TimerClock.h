// Runs the fake timers of a FakePlatform on its fake clock: advancing the clock
// fires each enabled timer whenever a period of it ends, in time order, as an
// event loop would. A timer's period starts when it is enabled or its interval
// changes.
#pragma once

#include <cstdint>
#include <functional>
#include <map>

#include "support/FakePlatform.h"

namespace verdo::testing {

class TimerClock {
  public:
    explicit TimerClock(FakePlatform& platform) : platform_(platform) {}

    std::int64_t now() const { return platform_.fakeClock.nowMs; }

    // Fires every period that ends up to `time`, then sets the clock to it.
    // `settle` runs after each firing (and at the end), for work that follows.
    void advanceTo(std::int64_t time, const std::function<void()>& settle = {}) {
        for (;;) {
            sync();
            FakeTimer* next = nullptr;
            for (auto& [timer, period] : periods_)
                if (period.due <= time && (!next || period.due < periods_[next].due)) next = timer;
            if (!next) break;
            platform_.fakeClock.nowMs = periods_[next].due;
            periods_[next].due += next->interval();
            next->tick();
            if (settle) settle();
        }
        platform_.fakeClock.nowMs = time;
        if (settle) settle();
        sync();
    }
    void advanceBy(std::int64_t milliseconds, const std::function<void()>& settle = {}) {
        advanceTo(now() + milliseconds, settle);
    }

  private:
    struct Period {
        int starts = 0;
        std::int64_t due = 0;
    };
    void sync() {
        for (FakeTimer* timer : platform_.timers) {
            if (!timer->enabled()) {
                periods_.erase(timer);
                continue;
            }
            auto [it, added] = periods_.try_emplace(timer);
            if (added || it->second.starts != timer->periodStarts) {
                it->second.starts = timer->periodStarts;
                it->second.due = now() + timer->interval();
            }
        }
    }

    FakePlatform& platform_;
    std::map<FakeTimer*, Period> periods_;
};

}  // namespace verdo::testing
