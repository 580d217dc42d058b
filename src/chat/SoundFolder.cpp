// Looking up and listing sound files (see SoundFolder.h).
#include "chat/SoundFolder.h"

#include <algorithm>
#include <system_error>

#include "platform/AnsiText.h"
#include "platform/DataFolders.h"

namespace fs = std::filesystem;

namespace verdo {

namespace {

// The entries of `folder` in name order (case ignored); errors give none.
std::vector<fs::directory_entry> entriesOf(const fs::path& folder) {
    std::vector<fs::directory_entry> entries;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        entries.push_back(*it);
    }
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return lowerAZ(a.path().filename().string()) < lowerAZ(b.path().filename().string());
    });
    return entries;
}

bool isDirectory(const fs::directory_entry& entry) {
    std::error_code error;
    return entry.is_directory(error);
}

bool isFile(const fs::directory_entry& entry) {
    std::error_code error;
    return entry.is_regular_file(error);
}

std::optional<fs::path> findChild(const fs::path& folder, std::string_view name, bool directory) {
    for (const fs::directory_entry& entry : entriesOf(folder)) {
        if ((directory ? isDirectory(entry) : isFile(entry)) &&
            equalsIgnoreCaseAZ(entry.path().filename().string(), name)) {
            return entry.path();
        }
    }
    return std::nullopt;
}

std::vector<SoundEntry> wavesIn(const fs::path& folder) {
    std::vector<SoundEntry> sounds;
    for (const fs::directory_entry& entry : entriesOf(folder)) {
        const std::string name = entry.path().filename().string();
        if (isFile(entry) && lowerAZ(entry.path().extension().string()) == ".wav") {
            sounds.push_back({lowerAZ(name), entry.path().string()});
        }
    }
    return sounds;
}

}  // namespace

std::optional<fs::path> findSoundFolder(const fs::path& programFolder) {
    for (const fs::path& folder : dataFolders(programFolder)) {
        if (auto found = findChild(folder, "sounds", /*directory=*/true)) return found;
    }
    return std::nullopt;
}

bool isBareFileName(std::string_view name) {
    return !name.empty() &&
           name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos &&
           name.find("..") == std::string_view::npos && name.find(':') == std::string_view::npos;
}

std::optional<fs::path> findSoundFile(const fs::path& folder, std::string_view name) {
    if (auto found = findChild(folder, name, /*directory=*/false)) return found;
    for (const fs::directory_entry& entry : entriesOf(folder)) {
        if (!isDirectory(entry)) continue;
        if (auto found = findChild(entry.path(), name, /*directory=*/false)) return found;
    }
    return std::nullopt;
}

SoundList listSounds(const fs::path& folder) {
    SoundList list;
    for (const fs::directory_entry& entry : entriesOf(folder)) {
        if (!isDirectory(entry)) continue;
        list.subfolders.push_back(
            {lowerAZ(entry.path().filename().string()), wavesIn(entry.path())});
    }
    list.sounds = wavesIn(folder);
    return list;
}

}  // namespace verdo
