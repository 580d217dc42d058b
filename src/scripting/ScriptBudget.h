// ScriptBudget: how much work one script may do, counted in Lua instructions
// and pattern-matching steps: a limit for each call into the script and one for
// each minute, so that neither one endless loop nor a steady stream of heavy
// calls can hold up the program.
#pragma once

#include <cstdint>
#include <string>

namespace verdo {

class ScriptBudget {
  public:
    static constexpr std::uint64_t CallLimit = 10'000'000;
    static constexpr std::uint64_t MinuteLimit = 100'000'000;
    static constexpr std::int64_t MinuteMilliseconds = 60'000;

    // Starts a call at `nowMilliseconds` (a steady clock); the minute's count
    // starts again once a minute has passed since it began.
    void startCall(std::int64_t nowMilliseconds);
    // Counts `amount`; false once either limit is passed (and from then on,
    // until the next call).
    bool charge(std::uint64_t amount);
    // What may still be spent in this call.
    std::uint64_t remaining() const;
    bool exhausted() const { return exhausted_; }
    // Spends everything: the script may do nothing more until the next call.
    void exhaust() { exhausted_ = true; }
    // Which limit was passed, for the message that disables the script.
    std::string reason() const;

  private:
    std::uint64_t call_ = 0;
    std::uint64_t minute_ = 0;
    std::int64_t minuteStart_ = 0;
    bool started_ = false;
    bool exhausted_ = false;
};

}  // namespace verdo
