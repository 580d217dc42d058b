// Line splitting and whole-file reading for the chat file's text formats.
#include "engine/TextLines.h"

#include <fstream>

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

ReadStatus readWholeFile(const std::filesystem::path& path, std::string& contents) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) return ReadStatus::Missing;
    if (error || !std::filesystem::is_regular_file(status)) return ReadStatus::Failed;
    std::ifstream in(path, std::ios::binary);
    if (!in) return ReadStatus::Failed;
    // One read of the expected size, then whatever a growing file added.
    const auto size = std::filesystem::file_size(path, error);
    contents.resize(error ? 0 : static_cast<std::size_t>(size));
    in.read(contents.data(), static_cast<std::streamsize>(contents.size()));
    contents.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return ReadStatus::Failed;
    if (in) contents.append(std::istreambuf_iterator<char>(in), {});
    return in.bad() ? ReadStatus::Failed : ReadStatus::Read;
}

std::vector<std::string> readLinesOrNothing(const std::filesystem::path& path) {
    std::string contents;
    if (readWholeFile(path, contents) != ReadStatus::Read) return {};
    return splitTextLines(contents);
}

}  // namespace verdo
