// ChatFileOnDisk: one chat file read for a `chatfile` subcommand and written
// back with the program's own safe save (temporary file, then rename, owner
// only). It refuses a file that is not a chat file before anything is changed.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "engine/ChatFile.h"
#include "engine/ChatLists.h"
#include "platform/FolderLock.h"
#include "records/Options.h"
#include "records/UserList.h"

namespace verdo {

class ChatFileOnDisk {
  public:
    // Empty when `path` names a chat file (".ch5"), or why it cannot be one.
    static std::string checkName(const std::filesystem::path& path);
    // checkName, and no "*": the base name drops it, so "a*b.ch5" would share
    // "ab.ext" with "ab.ch5". Only for files about to be made.
    static std::string checkNewName(const std::filesystem::path& path);
    // Which of the chat file's three files exist, record first.
    static std::vector<std::filesystem::path> existingFiles(const std::filesystem::path& path);
    // Keeps the chat file's existing files as BASE.ch5.bak, BASE.ext.bak and
    // BASE.usr.bak, owner only, with each file's owner; a backup of a file
    // that does not exist is removed, so the three always belong together.
    // Empty, or why the backup failed.
    static std::string backUp(const std::filesystem::path& path);

    // Locks the chat file's folder (FolderLock.h) until this object goes: a
    // subcommand reads, changes and writes the files with no other writer
    // in between. load() and save() lock by themselves.
    void lock(const std::filesystem::path& path);

    // Loads the three files; empty, or why the file cannot be used.
    std::string load(const std::filesystem::path& path);
    // Saves the three files; empty, or the messages of the failure.
    std::string save(const std::filesystem::path& path);
    // The settings of File > New.
    void makeNew();

    tOptions options;
    ChatLists lists;
    tUserList users;

    ChatFileData data() { return {options, lists, users}; }

  private:
    FolderLock lock_;
};

}  // namespace verdo
