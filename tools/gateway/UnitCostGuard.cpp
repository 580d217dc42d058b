// The unit-cost flood rule (see UnitCostGuard.h).
#include "UnitCostGuard.h"

namespace verdo::gateway {

int UnitCostGuard::unitsOf(std::size_t bytes) {
    if (bytes <= kBytesPerUnit) return 1;
    return static_cast<int>((bytes + kBytesPerUnit - 1) / kBytesPerUnit);
}

FloodVerdict UnitCostGuard::admit(std::size_t bytes, Clock::time_point now) {
    if (bytes > kLongestLine) return FloodVerdict::TooLong;
    const long long second =
        std::chrono::floor<std::chrono::seconds>(now.time_since_epoch()).count();
    while (!costs_.empty() && costs_.front().first + windowSeconds_ <= second) {
        held_ -= costs_.front().second;
        costs_.pop_front();
    }
    const int cost = unitsOf(bytes);
    costs_.emplace_back(second, cost);
    held_ += cost;
    return held_ >= closeAt_  ? FloodVerdict::Disconnect
           : held_ >= dropAt_ ? FloodVerdict::Drop
                              : FloodVerdict::Pass;
}

}  // namespace verdo::gateway
