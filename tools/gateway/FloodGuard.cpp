// The two flood rules (see FloodGuard.h).
#include "FloodGuard.h"

namespace verdo::gateway {

FloodVerdict LineCountGuard::admit(std::size_t /*bytes*/, Clock::time_point now) {
    while (!times_.empty() && now - times_.front() >= window_)
        times_.pop_front();
    times_.push_back(now);
    return static_cast<int>(times_.size()) > maxLines_ ? FloodVerdict::Disconnect
                                                       : FloodVerdict::Pass;
}

FloodVerdict UnitCostGuard::admit(std::size_t bytes, Clock::time_point now) {
    while (!costs_.empty() && now - costs_.front().first >= window_) {
        held_ -= costs_.front().second;
        costs_.pop_front();
    }
    // The verdict depends on what was held before this line; the line is charged
    // even when dropped, so a client that keeps flooding reaches the close limit.
    const FloodVerdict verdict = held_ >= closeAt_  ? FloodVerdict::Disconnect
                                 : held_ >= dropAt_ ? FloodVerdict::Drop
                                                    : FloodVerdict::Pass;
    const int cost = static_cast<int>((bytes + kBytesPerUnit - 1) / kBytesPerUnit);
    costs_.emplace_back(now, cost);
    held_ += cost;
    return verdict;
}

}  // namespace verdo::gateway
