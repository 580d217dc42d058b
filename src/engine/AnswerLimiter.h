// AnswerLimiter: caps the automatic answers that one user can trigger, so that
// two robots answering each other, or one user repeating a phrase, cannot
// flood the channel and get the program disconnected.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <string_view>

namespace verdo {

class AnswerLimiter {
  public:
    static constexpr std::size_t MaxAnswers = 5;
    static constexpr std::int64_t WindowMilliseconds = 30000;

    enum class Verdict {
        Allowed,        // counted as one answer
        HeldBack,       // over the cap
        FirstHeldBack,  // over the cap, first time since answers were last allowed
    };

    // Names are compared without regard to case (A to Z).
    Verdict tryAnswer(std::string_view user, std::int64_t nowMilliseconds);

  private:
    struct Answers {
        std::deque<std::int64_t> times;
        bool holding = false;
    };
    void forgetQuietUsers(std::int64_t nowMilliseconds);

    std::map<std::string, Answers, std::less<>> users_;
};

}  // namespace verdo
