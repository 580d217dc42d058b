// A chat channel: its members in joining order, operator, heir and bans.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace verdo::gateway {

class Member;

struct Channel {
    std::string name;
    bool silent = false;  // members do not see each other (The Void)
    std::vector<Member*> members;
    std::string heir;            // lower-cased name of the designated heir
    std::set<std::string> bans;  // lower-cased names

    Member* find(std::string_view userName) const;
    void remove(const Member& member);
    // The member who becomes operator when the operator leaves: the designated
    // heir while present, otherwise the one present longest.
    Member* successor() const;
};

}  // namespace verdo::gateway
