// SimulatedUser: a member of the chat world without a connection.
#pragma once

#include <functional>
#include <string>

#include "Member.h"

namespace verdo::gateway {

// A user without a connection; it only notices whispers addressed to it.
class SimulatedUser : public Member {
  public:
    std::function<void(const std::string& from, const std::string& text)> onWhisper;
    void deliver(const std::string& bytes) override;
};

}  // namespace verdo::gateway
