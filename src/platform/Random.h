// The random source: uniform draws for the automatic answers (random roster
// name, response alternative). The program seeds it once at start; tests pass a
// fake with fixed draws.
#pragma once

#include <cstdint>

namespace verdo {

class Random {
  public:
    virtual ~Random() = default;
    // A whole number from `low` to `high`, both included, each equally likely.
    // Requires low <= high.
    virtual int uniformInt(int low, int high) = 0;
    virtual void seed(std::uint32_t value) = 0;
};

}  // namespace verdo
