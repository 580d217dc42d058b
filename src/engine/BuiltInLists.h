// The built-in server and channel lists a new chat file starts with, and the
// alignment rule every loader of the chat-file lists ends with.
#pragma once

#include <array>
#include <string_view>

#include "engine/ChatLists.h"

namespace verdo {

// Public gateways of the chat service: dotted addresses, then two host names.
inline constexpr std::array<std::string_view, 15> DefaultServers = {
    "211.233.0.72",   "211.233.0.73",   "213.248.106.65", "213.248.106.66",    "63.240.202.120",
    "63.240.202.121", "63.240.202.122", "63.240.202.126", "63.240.202.127",    "63.241.83.11",
    "63.241.83.7",    "63.241.83.8",    "63.241.83.9",    "useast.battle.net", "uswest.battle.net"};

inline constexpr std::array<std::string_view, 28> DefaultChannels = {
    "Adventurers Wanted",    "Beginners Only",      "Blizzard Chat 1",        "Blizzard Chat 2",
    "Blizzard Tech Support", "Bounty Hunters",      "Clan Recruitment",       "Classic Games",
    "Custom Maps",           "Free For All",        "Guild Members",          "Guild Recruitment",
    "Human Strategy",        "Iron Man Challenges", "Ladder Challenges",      "One Vs One",
    "Open Tech Support",     "Opponents Wanted",    "Orc Strategy",           "Protoss Strategy",
    "Scenario Games",        "Starcraft Newbies",   "Terran Strategy",        "The Void",
    "Town Square",           "Trading Post",        "War2 Ladder Challenges", "Zerg Strategy"};

// Replace ChannelList / ServerList by the built-in list, sorted without regard
// to letter case.
void FillDefaultChannels(ChatLists& lists);
void FillDefaultServers(ChatLists& lists);

// Sorts ascending, letters A to Z compared without case; equal items keep
// their order.
void sortIgnoringCase(tStringList& list);

// Pads every index-aligned list with empty items to the length of the list it
// belongs to (passwords to names, numbers to accounts, intervals to timers,
// responses and levels to commands, keys to macros, the three alternatives to
// their entry list), so that no reader ever indexes past the end of a list.
void PadAlignedLists(ChatLists& lists);

}  // namespace verdo
