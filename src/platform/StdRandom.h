// StdRandom: the program's random source, the standard engine behind Random.
#pragma once

#include <random>

#include "platform/Random.h"

namespace verdo {

// The standard engine behind the interface; seeded from the system at
// construction.
class StdRandom : public Random {
  public:
    StdRandom() : engine_(std::random_device{}()) {}
    int uniformInt(int low, int high) override {
        return std::uniform_int_distribution<int>(low, high)(engine_);
    }
    void seed(std::uint32_t value) override { engine_.seed(value); }

  private:
    std::mt19937 engine_;
};

}  // namespace verdo
