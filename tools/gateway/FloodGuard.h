// Flood control of one client: decides per received line whether it passes, is
// dropped, or ends the connection. Time is passed in, so the rules are exact.
// LineCountGuard and UnitCostGuard are the two rules.
#pragma once

#include <chrono>
#include <cstddef>

namespace verdo::gateway {

using Clock = std::chrono::steady_clock;

// Drop: refused for the message quota; TooLong: refused for the line length.
enum class FloodVerdict { Pass, Drop, TooLong, Disconnect };

class FloodGuard {
  public:
    virtual ~FloodGuard() = default;
    virtual FloodVerdict admit(std::size_t bytes, Clock::time_point now) = 0;
};

}  // namespace verdo::gateway
