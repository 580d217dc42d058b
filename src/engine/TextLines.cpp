// Line splitting and whole-file reading for the chat file's text formats.
#include "engine/TextLines.h"

#include "platform/ReadFile.h"

namespace verdo {

std::vector<std::string> splitTextLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
    return lines;
}

std::vector<std::string> readLinesOrNothing(const std::filesystem::path& path) {
    std::string contents;
    if (readRegularFile(path, contents) != ReadStatus::Read) return {};
    return splitTextLines(contents);
}

}  // namespace verdo
