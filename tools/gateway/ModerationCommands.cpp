// Operator commands (kick, ban, unban, designate), squelching and announcements.
#include "ChatWorld.h"
#include "Commands.h"
#include "platform/AnsiText.h"

namespace verdo::gateway {

namespace {

// The member's channel when it is its operator; otherwise tells it and gives null.
Channel* operatedChannel(Member& member) {
    if (!member.channel || !member.isOperator) {
        member.deliver(errorLine("You are not a channel operator."));
        return nullptr;
    }
    return member.channel;
}

// A user of the operator's channel named in `target`, other than the operator.
Member* targetInChannel(Channel& channel, Member& op, const std::string& target) {
    if (target.empty()) {
        op.deliver(errorLine("Which user do you mean?"));
        return nullptr;
    }
    Member* user = channel.find(target);
    if (!user) {
        op.deliver(errorLine("That user is not in this channel."));
    } else if (user == &op) {
        op.deliver(errorLine("You can't do that to yourself."));
        return nullptr;
    }
    return user;
}

// Removes a kicked or banned user: to The Void, or, in the pvpgn style, to no
// channel after everybody (the user included) saw the announcement and a leave.
void throwOut(ChatWorld& world, Channel& channel, Member& user, const std::string& notice,
              const std::string& announcement) {
    if (world.style().kickedUserLeftInNoChannel()) {
        const std::string leave = flagsLine(1003, "LEAVE", user.name, "0000");
        world.toChannel(channel, nullptr, [&](const Member&) { return announcement + leave; });
        world.removeFromChannel(user, false);
        return;
    }
    user.deliver(notice);
    world.toChannel(channel, &user, [&](const Member&) { return announcement; });
    world.moveTo(user, kVoidChannel);
}

}  // namespace

void kick(ChatWorld& world, Member& member, std::string_view args) {
    Channel* channel = operatedChannel(member);
    if (!channel) return;
    auto [target, reason] = splitWord(args);
    Member* user = targetInChannel(*channel, member, target);
    if (!user) return;
    const Style& style = world.style();
    throwOut(world, *channel, *user, style.kickedNotice(user->name, member.name, reason),
             style.kickAnnouncement(user->name, member.name, reason));
}

void ban(ChatWorld& world, Member& member, std::string_view args) {
    Channel* channel = operatedChannel(member);
    if (!channel) return;
    auto [target, reason] = splitWord(args);
    if (target.empty() || equalsIgnoreCaseAZ(target, member.name)) {
        member.deliver(errorLine("Which user do you mean?"));
        return;
    }
    channel->bans.insert(lowerAZ(target));
    const Style& style = world.style();
    Member* user = channel->find(target);
    if (!user) {
        member.deliver(style.banAnnouncement(target, member.name, reason));
        return;
    }
    throwOut(world, *channel, *user, style.bannedNotice(member.name, reason),
             style.banAnnouncement(user->name, member.name, reason));
}

void unban(ChatWorld& /*world*/, Member& member, std::string_view args) {
    Channel* channel = operatedChannel(member);
    if (!channel) return;
    const std::string target = splitWord(args).first;
    if (!channel->bans.erase(lowerAZ(target))) {
        member.deliver(errorLine("That user is not banned."));
        return;
    }
    const std::string line = infoLine(target + " was unbanned by " + member.name + ".");
    for (Member* viewer : std::vector<Member*>(channel->members))
        viewer->deliver(line);
}

void designate(ChatWorld& /*world*/, Member& member, std::string_view args) {
    Channel* channel = operatedChannel(member);
    if (!channel) return;
    Member* user = targetInChannel(*channel, member, splitWord(args).first);
    if (!user) return;
    channel->heir = lowerAZ(user->name);
    member.deliver(infoLine(user->name + " is your new designated heir."));
}

namespace {

Member* squelchTarget(ChatWorld& world, Member& member, std::string_view args) {
    const std::string target = splitWord(args).first;
    Member* user = target.empty() ? nullptr : world.findUser(target);
    if (!user) {
        member.deliver(errorLine("That user is not logged on."));
    } else if (user == &member) {
        member.deliver(errorLine("You can't squelch yourself."));
        return nullptr;
    }
    return user;
}

}  // namespace

void squelch(ChatWorld& world, Member& member, std::string_view args) {
    if (Member* user = squelchTarget(world, member, args)) {
        member.squelched.insert(lowerAZ(user->name));
        world.sendFlagLine(member, *user);
    }
}

void unsquelch(ChatWorld& world, Member& member, std::string_view args) {
    if (Member* user = squelchTarget(world, member, args)) {
        member.squelched.erase(lowerAZ(user->name));
        world.sendFlagLine(member, *user);
    }
}

void announce(ChatWorld& world, Member& member, std::string_view args) {
    if (args.empty()) {
        member.deliver(errorLine("What do you want to announce?"));
        return;
    }
    world.broadcast(args);
}

}  // namespace verdo::gateway
