// Chat files: the options record (".ch5", 4096 bytes), every list in one text
// file of key lines (base name + ".ext") and the user database (base name +
// ".usr"). Loading and saving report what went wrong as the texts the main
// window shows; nothing here touches the screen.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/ChatLists.h"
#include "platform/FileStamp.h"
#include "records/Options.h"
#include "records/UserList.h"

namespace verdo {

// Everything a chat file holds, as the program keeps it for the whole run.
struct ChatFileData {
    tOptions& options;
    ChatLists& lists;
    tUserList& users;
};

// The result of a load, save or import: false with the messages to show, in
// the order they arose.
struct FileOutcome {
    bool ok = true;
    std::vector<std::string> errors;
    // A file older than "6.02" was upgraded: the settings count as modified.
    bool upgraded = false;

    void fail(std::string message) {
        ok = false;
        errors.push_back(std::move(message));
    }
};

inline constexpr std::string_view LoadErrorText = "Error loading file: ";
inline constexpr std::string_view SaveErrorText = "Error saving file: ";
inline constexpr std::string_view UserLoadErrorText = "Could not load user settings file";
inline constexpr std::string_view UserSaveErrorText = "Could not save user settings file";

// The path with every "*" removed and the file name's own extension cut off:
// "/a.b/chat.ch5" gives "/a.b/chat". The companion files are this + ".ext"...
std::filesystem::path ChatFileBaseName(const std::filesystem::path& path);
// Why `path` cannot name a chat file about to be made, or empty: the base
// name drops every "*", so "a*b.ch5" would share "ab.ext" with "ab.ch5". An
// existing file with "*" still opens.
std::string NewChatFileNameProblem(const std::filesystem::path& path);
// Base name + `suffix`, e.g. ".ext".
std::filesystem::path companionPath(const std::filesystem::path& base, std::string_view suffix);
// The bytes LoadChatFile reads for `path`: the file and its ".ext" and ".usr"
// companions together, a missing one counting nothing.
std::uintmax_t ChatFileSize(const std::filesystem::path& path);

// The record, ".ext" and ".usr" as they are now on disk: a change by another
// program since the last load or save shows as a difference.
using ChatFileStamps = std::array<FileStamp, 3>;
ChatFileStamps StampsOfChatFile(const std::filesystem::path& path);

// The list keys of the ".ext" file in the saver's order, "=" included.
std::vector<std::string_view> ExtFileKeys();
// The ".ext" file's contents for `lists`, CR LF line ends.
std::string ExtFileText(ChatLists& lists);

// Empties the lists a load starts from: the nine alternatives, names and
// passwords, accounts and numbers, owners, members, entries, bans, timers,
// macros and the custom user list; the commands become the built-in table and
// the product actions "None". Servers, home channels and channels are kept.
void ClearChatLists(ChatLists& lists);
// The lists of a new chat file: ClearChatLists, no home channels, and the
// built-in server and channel lists.
void NewChatLists(ChatLists& lists);

// The settings of File > New in a program just started: the reset options
// record, the lists of NewChatLists and no user records.
void NewChatFile(ChatFileData data);

// Reads the three files and replaces the options, lists and user records only
// when every file that exists was read whole (a missing ".usr" is an empty
// database). Otherwise nothing changes, and each message names the file and
// the reason after the usual text.
FileOutcome LoadChatFile(const std::filesystem::path& path, ChatFileData data);
// Writes the three files as one safe write (SafeFile.h), readable by the
// owner only: all three or none are replaced. The older companion files are
// deleted only once the new files stand. A failure gives both messages (the
// settings and the user records were not saved), the first with the reason.
FileOutcome SaveChatFile(const std::filesystem::path& path, const ChatFileData& data);

}  // namespace verdo
