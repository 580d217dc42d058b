// The "Sounds" folder beside the program: finding a requested sound and listing
// the sounds for the menus. Sound names travel in lower case while this file
// system respects case, so names are matched without regard to case.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace verdo {

struct SoundEntry {
    std::string caption;  // the file name in lower case, extension included
    std::string path;     // the full path of the file
};

struct SoundGroup {
    std::string caption;  // the subfolder's name in lower case
    std::vector<SoundEntry> sounds;
};

struct SoundList {
    std::vector<SoundGroup> subfolders;  // in name order
    std::vector<SoundEntry> sounds;      // the folder's own, in name order
};

// The sound folder ("sounds" in any letter case) in `programFolder`, else in
// the installed data folder, if any.
std::optional<std::filesystem::path> findSoundFolder(const std::filesystem::path& programFolder);

// A name from another user must be a bare file name: no folder separators,
// no "..", no NUL byte, nothing absolute.
bool isBareFileName(std::string_view name);

// The file `name` in the folder itself, else in its first subfolder that holds
// it; nothing when no candidate does.
std::optional<std::filesystem::path> findSoundFile(const std::filesystem::path& folder,
                                                   std::string_view name);

// The subfolders and ".wav" files (any case) of the folder, sorted without
// regard to case.
SoundList listSounds(const std::filesystem::path& folder);

}  // namespace verdo
