// ScriptFolder: which script files a session loads: every "*.lua" in the
// folder beside the chat file (PATH/NAME.scripts for PATH/NAME.ch5), in byte
// order of the file names, then the files given with --script.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace verdo {

class ScriptFolder {
  public:
    struct Listing {
        std::vector<std::filesystem::path> files;
        // One message per --script file that was refused.
        std::vector<std::string> refused;
    };

    // The scripts folder of a chat file; also where the SCRIPT.data files live.
    static std::filesystem::path of(const std::filesystem::path& chatFile);
    // The folder's scripts (none when `folder` is empty or missing), then
    // `extra`; an extra file whose name equals one already listed is refused.
    static Listing list(const std::filesystem::path& folder,
                        const std::vector<std::filesystem::path>& extra);
};

}  // namespace verdo
