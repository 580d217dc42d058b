// The two older storage layouts, only ever read: the companion files of a chat
// file without an ".ext" file (one text file per list beside the ".ch5"), and
// the version-4 list files that are merged into the current lists.
#pragma once

#include <filesystem>

#include "engine/ChatLists.h"

namespace verdo {

// Reads base + ".pr1" ... base + ".cls" over lists prepared by
// ClearChatLists. A missing file leaves its list as prepared, except servers
// and channels, which become the built-in lists. False when a file cannot be
// read or the ".pro" file has fewer than eight lines; what was read stays.
bool LoadCompanionFiles(const std::filesystem::path& base, ChatLists& lists);

// Merges the version-4 files "<prefix>ban.txt" ... "<prefix>whispres3.txt"
// into the lists. Missing or unreadable files contribute nothing. Appended
// files are appended whole, lines beyond their entry list's length included;
// then every index-aligned list is padded to its leading list, so every
// entry keeps its number, interval and three alternatives.
void ImportVersion4(const std::filesystem::path& prefix, ChatLists& lists);

}  // namespace verdo
