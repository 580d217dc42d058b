// The random source: uniform draws for the automatic answers (random roster
// name, response alternative). The program seeds it once at start; tests pass a
// fake with fixed draws.
#pragma once

#include <cstdint>
#include <random>

namespace verdo {

class Random {
  public:
    virtual ~Random() = default;
    // A whole number from `low` to `high`, both included, each equally likely.
    // Requires low <= high.
    virtual int uniformInt(int low, int high) = 0;
    virtual void seed(std::uint32_t value) = 0;
};

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
