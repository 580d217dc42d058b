// Shared by the chat-file fuzz targets: the input cut into files of a scratch
// folder, and the alignment every load must leave behind.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ChatLists.h"

namespace verdo::fuzzing {

// One folder per process, emptied for every input.
inline const std::filesystem::path& scratchFolder() {
    static const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("verdo-fuzz-" + std::to_string(::getpid()));
    return folder;
}

inline void resetScratch() {
    std::filesystem::remove_all(scratchFolder());
    std::filesystem::create_directories(scratchFolder());
}

// The input's parts, separated by the byte 0xFF (absent from the formats' keys).
inline std::vector<std::string_view> splitParts(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string_view> parts;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    while (true) {
        const std::size_t end = input.find('\xFF', start);
        parts.push_back(input.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

inline void writeScratch(const std::string& name, std::string_view contents) {
    std::ofstream(scratchFolder() / name, std::ios::binary)
        .write(contents.data(), static_cast<std::streamsize>(contents.size()));
}

inline void requireAtLeast(const tStringList& follower, const tStringList& leader) {
    if (follower.size() < leader.size()) std::abort();
}

inline void requireAligned(const ChatLists& l) {
    requireAtLeast(l.PasswordList, l.NameList);
    requireAtLeast(l.NumberList, l.AccountList);
    requireAtLeast(l.IntervalList, l.TimerList);
    requireAtLeast(l.CommandRes, l.CommandList);
    requireAtLeast(l.CommandLevel, l.CommandList);
    requireAtLeast(l.MacroKeys, l.MacroList);
    for (std::size_t n = 0; n < 3; ++n) {
        requireAtLeast(l.PhraseRes[n], l.PhraseList);
        requireAtLeast(l.WhiserRes[n], l.WhisperList);
        requireAtLeast(l.UserRes[n], l.UserJoinList);
    }
}

}  // namespace verdo::fuzzing
