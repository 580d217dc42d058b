// Where the program's read-only data is looked for (see DataFolders.h).
#include "platform/DataFolders.h"

namespace fs = std::filesystem;

namespace verdo {

fs::path installedDataFolder(const fs::path& programFolder) {
    return programFolder.parent_path() / "share" / "verdochat";
}

std::vector<fs::path> dataFolders(const fs::path& programFolder) {
    return {programFolder, installedDataFolder(programFolder)};
}

}  // namespace verdo
