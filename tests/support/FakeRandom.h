// A random source for tests, fuzz targets and benchmarks.
#pragma once

#include <cstdint>
#include <deque>
#include <stdexcept>
#include <utility>
#include <vector>

#include "platform/Random.h"

namespace verdo::testing {

// Hands out the queued draws in order. With the queue empty: the lowest value,
// or with `scatter` set a cheap pseudo-random value from the seed, so that a
// fuzz target reaches every alternative. Requested ranges are recorded while
// `recordRanges` is set so that tests can check them.
class FakeRandom : public Random {
  public:
    int uniformInt(int low, int high) override {
        if (recordRanges) ranges.emplace_back(low, high);
        if (draws.empty()) {
            if (!scatter) return low;
            state_ = state_ * 1103515245u + 12345u;
            return low +
                   static_cast<int>((state_ >> 8) % static_cast<std::uint32_t>(high - low + 1));
        }
        const int value = draws.front();
        draws.pop_front();
        if (value < low || value > high) throw std::out_of_range("queued draw outside range");
        return value;
    }
    void seed(std::uint32_t value) override {
        seeded = value;
        state_ = value;
    }

    std::deque<int> draws;
    std::vector<std::pair<int, int>> ranges;
    std::uint32_t seeded = 0;
    bool scatter = false;
    bool recordRanges = true;

  private:
    std::uint32_t state_ = 1;
};

}  // namespace verdo::testing
