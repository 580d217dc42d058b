// Finding, reading and searching the help text.
#include "engine/HelpText.h"

#include <fstream>
#include <iterator>

#include "platform/AnsiText.h"

namespace verdo {
namespace {

namespace fs = std::filesystem;

// A help file larger than this is not the program's help file.
constexpr std::uintmax_t MaximumHelpFileSize = 16u * 1024 * 1024;

}  // namespace

fs::path findHelpFile(const std::vector<fs::path>& folders) {
    std::error_code error;
    for (const fs::path& folder : folders) {
        const fs::path file = folder / HelpFileName;
        if (fs::is_regular_file(file, error)) return file;
    }
    return folders.empty() ? fs::path(HelpFileName) : folders.front() / HelpFileName;
}

std::optional<RtfDocument> loadHelpFile(const fs::path& file) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(file, error);
    if (error || size > MaximumHelpFileSize) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    const std::string rtf{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    return readRtf(rtf);
}

std::optional<std::size_t> findHelpTopic(std::string_view text, std::string_view topic) {
    if (topic.empty() || text.size() < 1 + topic.size()) return std::nullopt;
    const std::string haystack = lowerAZ(text);
    const std::size_t found = haystack.find(lowerAZ(topic), 1);
    if (found == std::string::npos) return std::nullopt;
    return found;
}

}  // namespace verdo
