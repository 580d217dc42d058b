// The program's help text: where the help file is found, reading it, and
// finding a topic in it. A topic is a heading of the text; callers pass it
// as a literal, trailing blanks included.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/RtfReader.h"

namespace verdo {

inline constexpr std::string_view HelpFileName = "VerdoHelp.rtf";

// The help file in the first of the folders (dataFolders() of the program's
// folder) that has one; when none has, the
// file in the first folder (the path an error message names).
std::filesystem::path findHelpFile(const std::vector<std::filesystem::path>& folders);

// Nothing when the file cannot be read.
std::optional<RtfDocument> loadHelpFile(const std::filesystem::path& file);

// Where the topic starts in the text: searched from character 1 (0-based) to
// the end, letters A to Z compared without regard to case. Nothing when it is
// not found or is empty.
std::optional<std::size_t> findHelpTopic(std::string_view text, std::string_view topic);

}  // namespace verdo
