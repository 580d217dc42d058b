// Flood control of one client: decides per received line whether it passes, is
// dropped, or ends the connection. Time is passed in, so the rules are exact.
#pragma once

#include <chrono>
#include <cstddef>
#include <deque>
#include <utility>

namespace verdo::gateway {

using Clock = std::chrono::steady_clock;

enum class FloodVerdict { Pass, Drop, Disconnect };

class FloodGuard {
  public:
    virtual ~FloodGuard() = default;
    virtual FloodVerdict admit(std::size_t bytes, Clock::time_point now) = 0;
};

// More than `maxLines` lines within `window` disconnects.
class LineCountGuard : public FloodGuard {
  public:
    LineCountGuard(int maxLines, Clock::duration window) : maxLines_(maxLines), window_(window) {}
    FloodVerdict admit(std::size_t bytes, Clock::time_point now) override;

  private:
    int maxLines_;
    Clock::duration window_;
    std::deque<Clock::time_point> times_;
};

// Each line costs ceil(bytes / 40) units that expire after the window; a line
// that arrives while `dropAt` units are held is dropped, while `closeAt` are
// held the connection ends.
class UnitCostGuard : public FloodGuard {
  public:
    static constexpr std::size_t kBytesPerUnit = 40;
    UnitCostGuard(int dropAt, int closeAt, Clock::duration window)
        : dropAt_(dropAt), closeAt_(closeAt), window_(window) {}
    FloodVerdict admit(std::size_t bytes, Clock::time_point now) override;

  private:
    int dropAt_;
    int closeAt_;
    Clock::duration window_;
    int held_ = 0;
    std::deque<std::pair<Clock::time_point, int>> costs_;
};

}  // namespace verdo::gateway
