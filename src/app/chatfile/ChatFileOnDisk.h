// ChatFileOnDisk: one chat file read for a `chatfile` subcommand and written
// back with the program's own safe save (temporary file, then rename, owner
// only). It refuses a file that is not a chat file before anything is changed.
#pragma once

#include <filesystem>
#include <string>

#include "engine/ChatFile.h"
#include "engine/ChatLists.h"
#include "records/Options.h"
#include "records/UserList.h"

namespace verdo {

class ChatFileOnDisk {
  public:
    // Empty when `path` names a chat file (".ch5"), or why it cannot be one.
    static std::string checkName(const std::filesystem::path& path);

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
};

}  // namespace verdo
