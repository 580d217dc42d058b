// Where the program's read-only data (sounds, help text, the demo chat file)
// is looked for: beside the program first, as in a build tree or a portable
// set-up, then in the installed share/verdochat folder beside its bin/.
#pragma once

#include <filesystem>
#include <vector>

namespace verdo {

// The installed data folder for a program in `programFolder` (PREFIX/bin gives
// PREFIX/share/verdochat), whether it exists or not.
std::filesystem::path installedDataFolder(const std::filesystem::path& programFolder);

// The folders to look in, in order: the program's own folder, then the
// installed data folder.
std::vector<std::filesystem::path> dataFolders(const std::filesystem::path& programFolder);

}  // namespace verdo
