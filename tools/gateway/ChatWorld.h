// The chat model shared by all users of one gateway: who is logged on, the
// channels, and the moves between them with the lines each one causes.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>

#include "AccountBook.h"
#include "Channel.h"
#include "Member.h"
#include "Style.h"

namespace verdo::gateway {

struct WorldConfig {
    std::string firstChannel = "Chat";
    // Lower-cased channel names answered with 1013, 1015 and 1014.
    std::set<std::string> full, restricted, nonexistent;
};

inline constexpr std::string_view kVoidChannel = "The Void";
inline constexpr std::size_t kMaxChannelName = 31;

class ChatWorld {
  public:
    ChatWorld(const Style& style, AccountBook& accounts, WorldConfig config);

    const Style& style() const { return style_; }
    AccountBook& accounts() { return accounts_; }
    const WorldConfig& config() const { return config_; }

    // The name a log-on of `base` gets: base, then base#2, base#3, ...
    std::string uniqueName(const std::string& base) const;
    // A logged-on member enters: its unique name, the greeting, the first channel.
    void enter(Member& member);
    // A member goes away (disconnect): leaves its channel and the user table.
    void leave(Member& member);
    // One line from a logged-on member: talk or a command.
    void handleLine(Member& member, const std::string& line);

    // Sends every logged-on member the server broadcast (1006) with `text`.
    void broadcast(std::string_view text) const;

    Member* findUser(std::string_view name) const;
    Channel* findChannel(std::string_view name) const;
    std::size_t userCount() const { return users_.size(); }
    std::size_t channelCount() const { return channels_.size(); }

    // Puts the member into a channel (made when missing), leaving its old one.
    void moveTo(Member& member, std::string_view channelName);
    // Takes the member out of its channel; `announce` sends the others 1003.
    void removeFromChannel(Member& member, bool announce);

    // Flags of `subject` as `viewer` sees them (squelch bit included).
    std::string flagsSeenBy(const Member& viewer, const Member& subject) const;
    std::string leaveLine(const Member& viewer, const Member& subject) const;
    void sendFlagLine(Member& viewer, const Member& subject) const;
    // Sends a line built per viewer to every member of the channel but `except`.
    template <typename Build>
    void toChannel(Channel& channel, const Member* except, Build build) const {
        for (Member* viewer : std::vector<Member*>(channel.members))
            if (viewer != except) viewer->deliver(build(*viewer));
    }

  private:
    Channel& channelFor(std::string_view name);
    void showRoster(Member& member, const Channel& channel) const;
    void promote(Channel& channel, Member& member);

    const Style& style_;
    AccountBook& accounts_;
    WorldConfig config_;
    std::map<std::string, Member*> users_;                      // by lower-cased name
    std::map<std::string, std::unique_ptr<Channel>> channels_;  // by lower-cased name
};

}  // namespace verdo::gateway
