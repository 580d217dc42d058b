// One user of the gateway as the chat model sees it: a real client or a
// simulated one. Lines for the user go through deliver().
#pragma once

#include <set>
#include <string>

#include "AccountBook.h"
#include "Lines.h"

namespace verdo::gateway {

struct Channel;

class Member {
  public:
    virtual ~Member() = default;
    // Raw bytes for this user, complete lines with their CR LF.
    virtual void deliver(const std::string& bytes) = 0;

    unsigned flags() const { return baseFlags | (isOperator ? kFlagOperator : 0u); }

    std::string name;  // unique for the run of the gateway while logged on
    std::string product = "CHAT";
    unsigned baseFlags = kFlagNoUdp;
    Account account;
    Channel* channel = nullptr;
    bool isOperator = false;
    bool away = false;
    std::string awayReason;
    bool dnd = false;
    std::string dndReason;
    std::set<std::string> squelched;  // lower-cased names
};

}  // namespace verdo::gateway
