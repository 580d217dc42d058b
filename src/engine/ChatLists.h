// ChatLists: every list of one chat file, alive for the whole run and replaced
// in place when a chat file is opened or created. Items are 8-bit text as
// stored, case kept; duplicates are allowed. Index-aligned groups (names with
// passwords, accounts with numbers, timers with intervals, commands with
// responses and levels, macros with keys, each entry list with its three
// response lists) are kept the same length by their editors and the loader.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "records/Options.h"

namespace verdo {

using tStringList = std::vector<std::string>;
// The product codes that have an action, in the order of the product-action
// strings: Chat, Starcraft, Starcraft Shareware, Diablo, Diablo Shareware,
// Warcraft II BNE, Diablo II, Brood War.
inline constexpr std::array<std::string_view, 8> ProductActionCodes = {
    "CHAT", "STAR", "SSHR", "DRTL", "DSHR", "W2BN", "D2RT", "SEXP"};
// The action text that means no action.
inline constexpr std::string_view NoProductAction = "None";

// Alternatives 1 to 3 of the phrase, whisper and join responses, at index 0 to 2.
using tResponseLists = std::array<tStringList, 3>;

struct ChatLists {
    tStringList UserDef;  // the custom user list under the roster
    tStringList NameList;
    tStringList PasswordList;
    tStringList ServerList;
    tStringList HomeList;
    tStringList ChannelList;
    tStringList OwnerList;
    tStringList MemberList;
    tStringList AccountList;
    tStringList NumberList;
    tStringList PhraseList;
    tStringList WhisperList;
    tStringList BanList;
    tStringList NoBanList;
    tStringList UserJoinList;
    tStringList TimerList;
    tStringList IntervalList;
    tStringList CommandList;
    tStringList CommandRes;
    tStringList CommandLevel;
    tStringList MacroList;
    tStringList MacroKeys;
    tResponseLists PhraseRes;
    tResponseLists WhiserRes;
    tResponseLists UserRes;
    // In the order of ProductActionCodes.
    tProductActions ProductActions;
};

}  // namespace verdo
