// The instruction budget of a script (see ScriptBudget.h).
#include "scripting/ScriptBudget.h"

#include <algorithm>

namespace verdo {

void ScriptBudget::startCall(std::int64_t nowMilliseconds) {
    if (!started_ || nowMilliseconds - minuteStart_ >= MinuteMilliseconds) {
        minuteStart_ = nowMilliseconds;
        minute_ = 0;
        started_ = true;
    }
    call_ = 0;
    exhausted_ = false;
}

bool ScriptBudget::charge(std::uint64_t amount) {
    call_ += amount;
    minute_ += amount;
    if (call_ > CallLimit || minute_ > MinuteLimit) exhausted_ = true;
    return !exhausted_;
}

std::uint64_t ScriptBudget::remaining() const {
    if (exhausted_) return 0;
    return std::min(CallLimit - std::min(call_, CallLimit),
                    MinuteLimit - std::min(minute_, MinuteLimit));
}

std::string ScriptBudget::reason() const {
    if (minute_ > MinuteLimit) return "it did more than 100 million steps within a minute";
    return "it did more than 10 million steps in one call";
}

}  // namespace verdo
