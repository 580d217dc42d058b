// Users and channel moves of the chat model (see ChatWorld.h).
#include "ChatWorld.h"

#include "Commands.h"
#include "platform/AnsiText.h"

namespace verdo::gateway {

ChatWorld::ChatWorld(const Style& style, AccountBook& accounts, WorldConfig config)
    : style_(style), accounts_(accounts), config_(std::move(config)) {}

std::string ChatWorld::uniqueName(const std::string& base) const {
    if (!users_.count(lowerAZ(base))) return base;
    for (int n = 2;; ++n) {
        std::string candidate = base + "#" + std::to_string(n);
        if (!users_.count(lowerAZ(candidate))) return candidate;
    }
}

void ChatWorld::enter(Member& member) {
    users_[lowerAZ(member.name)] = &member;
    member.deliver("2010 NAME " + member.name + std::string(kLineEnd));
    member.deliver(style_.welcomeBeforeJoin(member.name));
    moveTo(member, config_.firstChannel);
    member.deliver(style_.welcomeAfterJoin(member.name));
}

void ChatWorld::leave(Member& member) {
    removeFromChannel(member, true);
    users_.erase(lowerAZ(member.name));
    for (auto& [key, other] : users_)
        other->squelched.erase(lowerAZ(member.name));
}

void ChatWorld::handleLine(Member& member, const std::string& line) {
    if (!line.empty() && line.front() == '/') {
        runCommand(*this, member, line);
    } else {
        talk(*this, member, line);
    }
}

Member* ChatWorld::findUser(std::string_view name) const {
    const auto it = users_.find(lowerAZ(name));
    return it == users_.end() ? nullptr : it->second;
}

Channel* ChatWorld::findChannel(std::string_view name) const {
    const auto it = channels_.find(lowerAZ(name));
    return it == channels_.end() ? nullptr : it->second.get();
}

Channel& ChatWorld::channelFor(std::string_view name) {
    auto& slot = channels_[lowerAZ(name)];
    if (!slot) {
        slot = std::make_unique<Channel>();
        slot->name = std::string(name);
        slot->silent = equalsIgnoreCaseAZ(name, kVoidChannel);
    }
    return *slot;
}

void ChatWorld::moveTo(Member& member, std::string_view channelName) {
    if (member.channel && equalsIgnoreCaseAZ(member.channel->name, channelName)) return;
    removeFromChannel(member, true);
    Channel& channel = channelFor(channelName);
    channel.members.push_back(&member);
    member.channel = &channel;
    member.isOperator = !channel.silent && channel.members.size() == 1;
    showRoster(member, channel);
    if (channel.silent) return;
    toChannel(channel, &member, [&](const Member& viewer) {
        return userLine(1002, "JOIN", member.name, flagsSeenBy(viewer, member), member.product);
    });
    if (style_.flagLinesAfterJoin())
        for (Member* viewer : std::vector<Member*>(channel.members))
            sendFlagLine(*viewer, member);
}

void ChatWorld::showRoster(Member& member, const Channel& channel) const {
    member.deliver(textLine(1007, "CHANNEL", channel.name));
    std::string roster =
        userLine(1001, "USER", member.name, flagsSeenBy(member, member), member.product);
    if (!channel.silent) {
        for (const Member* other : channel.members) {
            if (other == &member) continue;
            roster +=
                userLine(1001, "USER", other->name, flagsSeenBy(member, *other), other->product);
        }
    }
    member.deliver(roster);
}

void ChatWorld::removeFromChannel(Member& member, bool announce) {
    Channel* channel = member.channel;
    if (!channel) return;
    const bool wasOperator = member.isOperator;
    channel->remove(member);
    // The leave line still shows the flags the user had in the channel.
    if (announce && !channel->silent)
        toChannel(*channel, nullptr,
                  [&](const Member& viewer) { return leaveLine(viewer, member); });
    member.channel = nullptr;
    member.isOperator = false;
    if (wasOperator)
        if (Member* next = channel->successor()) promote(*channel, *next);
    if (channel->members.empty()) channels_.erase(lowerAZ(channel->name));
}

void ChatWorld::promote(Channel& channel, Member& member) {
    member.isOperator = true;
    channel.heir.clear();
    for (Member* viewer : std::vector<Member*>(channel.members))
        sendFlagLine(*viewer, member);
}

std::string ChatWorld::flagsSeenBy(const Member& viewer, const Member& subject) const {
    unsigned flags = subject.flags();
    if (viewer.squelched.count(lowerAZ(subject.name))) flags |= kFlagSquelched;
    return hexFlags(flags, style_.lowerCaseFlags());
}

std::string ChatWorld::leaveLine(const Member& viewer, const Member& subject) const {
    const std::string flags = flagsSeenBy(viewer, subject);
    if (!style_.leaveLinesCarryProduct()) return flagsLine(1003, "LEAVE", subject.name, flags);
    return userLine(1003, "LEAVE", subject.name, flags, subject.product);
}

void ChatWorld::sendFlagLine(Member& viewer, const Member& subject) const {
    const std::string line = flagsLine(1009, "USER", subject.name, flagsSeenBy(viewer, subject));
    for (int i = 0; i < style_.flagLineRepeats(); ++i)
        viewer.deliver(line);
}

void ChatWorld::broadcast(std::string_view text) const {
    const std::string line = textLine(1006, "BROADCAST", text);
    // A copy: a member whose output overflows ends without leaving at once, but
    // nothing here may depend on that.
    for (const auto& [key, member] : std::map<std::string, Member*>(users_))
        member->deliver(line);
}

}  // namespace verdo::gateway
