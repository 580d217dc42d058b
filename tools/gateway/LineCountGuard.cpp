// The line-count flood rule (see LineCountGuard.h).
#include "LineCountGuard.h"

namespace verdo::gateway {

FloodVerdict LineCountGuard::admit(std::size_t /*bytes*/, Clock::time_point now) {
    while (!times_.empty() && now - times_.front() >= window_)
        times_.pop_front();
    times_.push_back(now);
    return static_cast<int>(times_.size()) > maxLines_ ? FloodVerdict::Disconnect
                                                       : FloodVerdict::Pass;
}

}  // namespace verdo::gateway
