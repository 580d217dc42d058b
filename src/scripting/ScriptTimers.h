// ScriptTimers: the timers of verdo.after and verdo.every, all on one timer
// of the program that is set for the next one due.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/Timer.h"

namespace verdo {

class Clock;
class Script;

class ScriptTimers {
  public:
    // Runs a timer that came due; `last` is true when it will not come again
    // (an after, or an every just cancelled), so the callback can be released.
    using Due = std::function<void(Script& owner, int id, int callback, bool last)>;

    ScriptTimers(Clock& clock, std::unique_ptr<Timer> timer, Due due);

    // A timer of `owner` that calls `callback` after `milliseconds`, and again
    // every `milliseconds` when `repeat`. Returns its id (never 0).
    int add(Script& owner, int callback, std::int64_t milliseconds, bool repeat);
    // Removes a timer of `owner`; its callback, or nothing when there is none.
    std::optional<int> cancel(const Script& owner, int id);
    // Forgets every timer of `owner`.
    void dropAll(const Script& owner);
    std::size_t count(const Script& owner) const;

  private:
    struct Entry {
        int id;
        Script* owner;
        int callback;
        std::int64_t due;
        std::int64_t period;
        bool repeat;
    };
    void fire();
    void arm();

    Clock& clock_;
    std::unique_ptr<Timer> timer_;
    Due due_;
    std::vector<Entry> entries_;
    int nextId_ = 1;
};

}  // namespace verdo
