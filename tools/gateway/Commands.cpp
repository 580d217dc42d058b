// Command dispatch, talk, emotes, whispers and channel joins.
#include "Commands.h"

#include <map>

#include "ChatWorld.h"
#include "platform/AnsiText.h"

namespace verdo::gateway {

namespace {

using Handler = void (*)(ChatWorld&, Member&, std::string_view);

const std::map<std::string, Handler>& commandTable() {
    static const std::map<std::string, Handler> table = {
        {"me", emote},
        {"emote", emote},
        {"w", whisper},
        {"whisper", whisper},
        {"m", whisper},
        {"msg", whisper},
        {"join", joinChannel},
        {"j", joinChannel},
        {"rejoin", rejoin},
        {"kick", kick},
        {"ban", ban},
        {"unban", unban},
        {"designate", designate},
        {"squelch", squelch},
        {"announce", announce},
        {"broadcast", announce},
        {"ignore", squelch},
        {"unsquelch", unsquelch},
        {"unignore", unsquelch},
        {"away", away},
        {"dnd", doNotDisturb},
        {"whois", whois},
        {"whereis", whois},
        {"where", whois},
        {"who", who},
        {"users", users},
        {"time", timeOfDay},
        {"stats", stats},
        {"help", help},
        {"?", help},
    };
    return table;
}

}  // namespace

std::pair<std::string, std::string> splitWord(std::string_view text) {
    const std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos) return {std::string(text), {}};
    const std::size_t rest = text.find_first_not_of(' ', blank);
    return {std::string(text.substr(0, blank)),
            rest == std::string_view::npos ? std::string() : std::string(text.substr(rest))};
}

void runCommand(ChatWorld& world, Member& member, std::string_view line) {
    auto [word, args] = splitWord(line.substr(1));
    const auto& table = commandTable();
    const auto it = table.find(lowerAZ(word));
    if (it == table.end()) {
        member.deliver(errorLine("That is not a valid command. Type /help or /? for more info."));
        return;
    }
    it->second(world, member, args);
}

void talk(ChatWorld& world, Member& member, std::string_view text) {
    if (!member.channel) {
        member.deliver(errorLine("You are not in a channel."));
        return;
    }
    Channel& channel = *member.channel;
    const bool heard = !channel.silent && channel.members.size() > 1;
    if (!heard) {
        if (world.style().tellsTalkingAlone()) member.deliver(infoLine("No one hears you."));
        return;
    }
    for (Member* viewer : std::vector<Member*>(channel.members)) {
        if (viewer == &member || viewer->squelched.count(lowerAZ(member.name))) continue;
        viewer->deliver(
            messageLine(1005, "TALK", member.name, world.flagsSeenBy(*viewer, member), text));
    }
}

void emote(ChatWorld& world, Member& member, std::string_view text) {
    if (!member.channel) {
        member.deliver(errorLine("You are not in a channel."));
        return;
    }
    Channel& channel = *member.channel;
    for (Member* viewer : std::vector<Member*>(channel.members)) {
        if (channel.silent && viewer != &member) continue;
        if (viewer->squelched.count(lowerAZ(member.name))) continue;
        viewer->deliver(
            messageLine(1023, "EMOTE", member.name, world.flagsSeenBy(*viewer, member), text));
    }
}

void whisper(ChatWorld& world, Member& member, std::string_view args) {
    auto [target, text] = splitWord(args);
    if (target.empty()) {
        member.deliver(errorLine("What user do you want to whisper?"));
        return;
    }
    Member* receiver = world.findUser(target);
    if (!receiver) {
        member.deliver(errorLine("That user is not logged on."));
        return;
    }
    if (receiver->dnd) {
        member.deliver(infoLine(receiver->name + " is unavailable (" + receiver->dndReason + ")"));
        return;
    }
    if (!receiver->squelched.count(lowerAZ(member.name))) {
        receiver->deliver(
            messageLine(1004, "WHISPER", member.name, world.flagsSeenBy(*receiver, member), text));
    }
    member.deliver(
        messageLine(1010, "WHISPER", receiver->name, world.flagsSeenBy(member, *receiver), text));
    if (receiver->away)
        member.deliver(infoLine(receiver->name + " is away (" + receiver->awayReason + ")"));
}

void joinChannel(ChatWorld& world, Member& member, std::string_view args) {
    const std::string name(args.substr(0, std::min(args.size(), kMaxChannelName)));
    const std::string key = lowerAZ(name);
    const WorldConfig& config = world.config();
    if (name.empty()) {
        member.deliver(errorLine("What channel do you want to join?"));
    } else if (config.nonexistent.count(key)) {
        member.deliver(textLine(1014, "CHANNELDOESNOTEXIST", name));
    } else if (config.full.count(key)) {
        member.deliver(textLine(1013, "CHANNELFULL", name));
    } else if (config.restricted.count(key)) {
        member.deliver(textLine(1015, "CHANNELRESTRICTED", name));
    } else if (Channel* channel = world.findChannel(name);
               channel && channel->bans.count(lowerAZ(member.name))) {
        member.deliver(errorLine("You are banned from that channel."));
    } else {
        world.moveTo(member, name);
    }
}

void rejoin(ChatWorld& world, Member& member, std::string_view /*args*/) {
    if (!member.channel) {
        member.deliver(errorLine("You are not in a channel."));
        return;
    }
    const std::string name = member.channel->name;
    world.removeFromChannel(member, true);
    world.moveTo(member, name);
}

}  // namespace verdo::gateway
