// A clock set by hand, for tests, fuzz targets and benchmarks.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Clock.h"

namespace verdo::testing {

class FakeClock : public Clock {
  public:
    std::string localDateTimeText() override {
        ++calls;
        return text + (numbered ? "#" + std::to_string(calls) : "");
    }
    // Each reading moves the clock on by `step` first (0: it stands still).
    std::int64_t steadyMilliseconds() override { return nowMs += step; }
    // The wall clock moves with the steady one, from `epochStart`.
    std::int64_t epochSeconds() override { return epochStart + nowMs / 1000; }

    std::string text = "12/07/2026 10:11:12";
    bool numbered = false;  // tells one formatting from the next
    int calls = 0;
    std::int64_t nowMs = 1000000;
    std::int64_t step = 0;
    std::int64_t epochStart = 1796638272;  // 2026-12-07 10:11:12 UTC
};

}  // namespace verdo::testing
