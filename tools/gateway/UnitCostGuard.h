// UnitCostGuard: the flood rule that charges each line by its length.
#pragma once

#include <deque>
#include <utility>

#include "FloodGuard.h"

namespace verdo::gateway {

// The message quota of the common open-source gateway. A line costs 1 unit up to
// 40 bytes, else ceil(bytes / 40); units count on a whole-second clock for
// `windowSeconds` (a line of second s stops counting in second s + window). A
// new line's units are added first and stay counted even when it is refused;
// a total of `dropAt` or more refuses the line, `closeAt` or more ends the
// connection. A line longer than `longestLine` is refused and not counted.
class UnitCostGuard : public FloodGuard {
  public:
    static constexpr std::size_t kBytesPerUnit = 40;
    static constexpr std::size_t kLongestLine = 200;
    UnitCostGuard(int dropAt, int closeAt, int windowSeconds)
        : dropAt_(dropAt), closeAt_(closeAt), windowSeconds_(windowSeconds) {}
    FloodVerdict admit(std::size_t bytes, Clock::time_point now) override;
    static int unitsOf(std::size_t bytes);

  private:
    int dropAt_;
    int closeAt_;
    long long windowSeconds_;
    int held_ = 0;
    std::deque<std::pair<long long, int>> costs_;  // whole second, units
};

}  // namespace verdo::gateway
