// Listing the scripts of a session (see ScriptFolder.h).
#include "scripting/ScriptFolder.h"

#include <algorithm>
#include <set>
#include <system_error>

namespace verdo {

std::filesystem::path ScriptFolder::of(const std::filesystem::path& chatFile) {
    std::filesystem::path folder = chatFile;
    folder.replace_extension(".scripts");
    return folder;
}

ScriptFolder::Listing ScriptFolder::list(const std::filesystem::path& folder,
                                         const std::vector<std::filesystem::path>& extra) {
    Listing listing;
    std::error_code error;
    if (!folder.empty()) {
        for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
             entry.increment(error)) {
            const std::filesystem::path& path = entry->path();
            if (path.extension() == ".lua" && entry->is_regular_file(error))
                listing.files.push_back(path);
        }
        std::sort(listing.files.begin(), listing.files.end(), [](const auto& a, const auto& b) {
            return a.filename().string() < b.filename().string();
        });
    }
    std::set<std::string> names;
    for (const auto& file : listing.files)
        names.insert(file.filename().string());
    for (const auto& file : extra) {
        if (!names.insert(file.filename().string()).second) {
            listing.refused.push_back("--script " + file.string() + ": a script named " +
                                      file.filename().string() + " is already loaded");
            continue;
        }
        listing.files.push_back(file);
    }
    return listing;
}

}  // namespace verdo
