// LineCountGuard: the simple flood rule of a line count over a time window.
#pragma once

#include <deque>

#include "FloodGuard.h"

namespace verdo::gateway {

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

}  // namespace verdo::gateway
