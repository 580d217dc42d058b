// The clock service: the local date and time as the user's locale writes them.
#pragma once

#include <cstdint>
#include <string>

namespace verdo {

class Clock {
  public:
    virtual ~Clock() = default;
    // The short date, a blank and the long time without the time zone; at
    // exactly midnight the date alone. 8-bit text, like every text of the core.
    virtual std::string localDateTimeText() = 0;
    // Milliseconds of a steady clock that never goes back; for rate limits.
    virtual std::int64_t steadyMilliseconds() = 0;
    // Seconds since 1970-01-01 00:00 UTC: the wall clock, for scripts.
    virtual std::int64_t epochSeconds() = 0;
};

}  // namespace verdo
