// Away and do-not-disturb, and the commands that only answer with text.
#include <ctime>
#include <map>

#include "ChatWorld.h"
#include "Commands.h"
#include "platform/AnsiText.h"

namespace verdo::gateway {

std::string productName(std::string_view product) {
    static const std::map<std::string, std::string, std::less<>> names = {
        {"STAR", "Starcraft"}, {"SEXP", "Starcraft Broodwar"}, {"W2BN", "Warcraft II BNE"},
        {"DRTL", "Diablo"},    {"DSHR", "Diablo Shareware"},   {"SSHR", "Starcraft Shareware"},
        {"D2RT", "Diablo II"}, {"JSTR", "Starcraft Japanese"}, {"CHAT", "Chat"},
    };
    const auto it = names.find(product);
    return it == names.end() ? std::string(product) : it->second;
}

namespace {

// Switches a mode: a reason switches it on (or renews it), none toggles it.
void switchMode(Member& member, bool& on, std::string& reason, std::string_view given,
                std::string_view onText, std::string_view offText) {
    if (given.empty() && on) {
        on = false;
        reason.clear();
        member.deliver(infoLine(offText));
        return;
    }
    on = true;
    reason = given.empty() ? "Not available" : std::string(given);
    member.deliver(infoLine(onText));
}

std::string whereabouts(const Member& user) {
    if (!user.channel) return "in no channel";
    if (user.channel->silent) return "in a private channel";
    return "in the channel " + user.channel->name;
}

}  // namespace

void away(ChatWorld& /*world*/, Member& member, std::string_view args) {
    switchMode(member, member.away, member.awayReason, args, "You are now marked as being away.",
               "You are no longer marked as away.");
}

void doNotDisturb(ChatWorld& /*world*/, Member& member, std::string_view args) {
    switchMode(member, member.dnd, member.dndReason, args, "Do Not Disturb mode engaged.",
               "Do Not Disturb mode cancelled.");
}

void whois(ChatWorld& world, Member& member, std::string_view args) {
    const std::string target = splitWord(args).first;
    const Member* user = target.empty() ? nullptr : world.findUser(target);
    if (!user) {
        member.deliver(errorLine("That user is not logged on."));
        return;
    }
    const std::string product = productName(user->product);
    if (world.style().isPvpgn()) {
        const std::string where = user->channel
                                      ? "is currently in channel \"" + user->channel->name + "\""
                                      : "is currently not in a channel";
        member.deliver(infoLine(user->name + " is using " + product + " and " + where + "."));
        return;
    }
    std::string lines =
        infoLine(user->name + " is using " + product + " " + whereabouts(*user) + ".");
    lines += infoLine(user->account.gateway ? user->name + " is logged on through a gateway."
                                            : user->name + " is logged on from account #" +
                                                  user->account.number + ".");
    if (user->away) lines += infoLine(user->name + " is away (" + user->awayReason + ")");
    if (user->dnd)
        lines += infoLine(user->name + " is refusing messages (" + user->dndReason + ")");
    member.deliver(lines);
}

void who(ChatWorld& world, Member& member, std::string_view args) {
    const std::string name(args);
    const Channel* channel = name.empty() ? nullptr : world.findChannel(name);
    if (!channel) {
        member.deliver(errorLine("That channel does not exist."));
        return;
    }
    std::string lines = infoLine("Users in channel " + channel->name + ":");
    for (std::size_t i = 0; i < channel->members.size(); i += 2) {
        auto shown = [&](std::size_t k) {
            const Member* m = channel->members[k];
            return m->isOperator ? "[" + upperAZ(m->name) + "]" : m->name;
        };
        std::string row = shown(i);
        if (i + 1 < channel->members.size()) row += ", " + shown(i + 1);
        lines += infoLine(row);
    }
    member.deliver(lines);
}

void users(ChatWorld& world, Member& member, std::string_view /*args*/) {
    member.deliver(infoLine("There are currently " + std::to_string(world.userCount()) +
                            " users in chat, in " + std::to_string(world.channelCount()) +
                            " channels."));
}

void timeOfDay(ChatWorld& /*world*/, Member& member, std::string_view /*args*/) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[64];
    std::strftime(text, sizeof text, "%a %b %d %H:%M:%S %Y", &local);
    member.deliver(infoLine(std::string("Gateway time: ") + text));
}

void stats(ChatWorld& world, Member& member, std::string_view args) {
    auto [target, productArg] = splitWord(args);
    const Member* user = target.empty() ? nullptr : world.findUser(target);
    if (!user && !world.accounts().find(target)) {
        member.deliver(errorLine("Invalid user."));
        return;
    }
    std::string product =
        productArg.empty() ? (user ? user->product : "CHAT") : upperAZ(productArg);
    const std::string name = user ? user->name : target;
    member.deliver(infoLine("Record for " + name + " (" + productName(product) +
                            "): 0 wins, 0 losses, 0 disconnects."));
}

void help(ChatWorld& /*world*/, Member& member, std::string_view /*args*/) {
    member.deliver(
        infoLine("Commands: /w /me /join /rejoin /who /whois /users /time /stats /away /dnd "
                 "/squelch /unsquelch /kick /ban /unban /designate /announce"));
}

}  // namespace verdo::gateway
