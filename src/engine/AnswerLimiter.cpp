// Sliding-window count of automatic answers per user (see AnswerLimiter.h).
#include "engine/AnswerLimiter.h"

#include "platform/AnsiText.h"

namespace verdo {
namespace {

// Past this many remembered users, those without recent answers are dropped.
constexpr std::size_t SweepThreshold = 256;

void dropOld(std::deque<std::int64_t>& times, std::int64_t now) {
    while (!times.empty() && now - times.front() >= AnswerLimiter::WindowMilliseconds) {
        times.pop_front();
    }
}

}  // namespace

AnswerLimiter::Verdict AnswerLimiter::tryAnswer(std::string_view user,
                                                std::int64_t nowMilliseconds) {
    if (users_.size() > SweepThreshold) forgetQuietUsers(nowMilliseconds);
    Answers& answers = users_[lowerAZ(user)];
    dropOld(answers.times, nowMilliseconds);
    if (answers.times.size() >= MaxAnswers) {
        const bool first = !answers.holding;
        answers.holding = true;
        return first ? Verdict::FirstHeldBack : Verdict::HeldBack;
    }
    answers.holding = false;
    answers.times.push_back(nowMilliseconds);
    return Verdict::Allowed;
}

void AnswerLimiter::forgetQuietUsers(std::int64_t nowMilliseconds) {
    for (auto it = users_.begin(); it != users_.end();) {
        dropOld(it->second.times, nowMilliseconds);
        it = it->second.times.empty() ? users_.erase(it) : std::next(it);
    }
}

}  // namespace verdo
