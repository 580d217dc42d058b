// A random source with queued draws, for tests.
#pragma once

#include <cstdint>
#include <deque>
#include <stdexcept>
#include <utility>
#include <vector>

#include "platform/Random.h"

namespace verdo::testing {

// Hands out the queued draws in order; with the queue empty, the lowest value.
// Every requested range is recorded so that tests can check it.
class FakeRandom : public Random {
  public:
    int uniformInt(int low, int high) override {
        ranges.emplace_back(low, high);
        if (draws.empty()) return low;
        const int value = draws.front();
        draws.pop_front();
        if (value < low || value > high) throw std::out_of_range("queued draw outside range");
        return value;
    }
    void seed(std::uint32_t value) override { seeded = value; }

    std::deque<int> draws;
    std::vector<std::pair<int, int>> ranges;
    std::uint32_t seeded = 0;
};

}  // namespace verdo::testing
