// Plain text files of one item per line, as the chat file's list file and the
// older list files store them: a line ends at CR LF, a lone CR or a lone LF.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace verdo {

// The lines of `text`; a final line end adds no empty line.
std::vector<std::string> splitTextLines(std::string_view text);

// The file's lines; empty for a missing or unreadable file, which is how the
// older list files count their absence.
std::vector<std::string> readLinesOrNothing(const std::filesystem::path& path);

}  // namespace verdo
