// Channel membership (see Channel.h).
#include "Channel.h"

#include <algorithm>

#include "Member.h"
#include "platform/AnsiText.h"

namespace verdo::gateway {

Member* Channel::find(std::string_view userName) const {
    const auto it = std::find_if(members.begin(), members.end(), [&](const Member* m) {
        return equalsIgnoreCaseAZ(m->name, userName);
    });
    return it == members.end() ? nullptr : *it;
}

void Channel::remove(const Member& member) {
    members.erase(std::remove(members.begin(), members.end(), &member), members.end());
}

Member* Channel::successor() const {
    if (Member* heirMember = heir.empty() ? nullptr : find(heir)) return heirMember;
    return members.empty() ? nullptr : members.front();
}

}  // namespace verdo::gateway
