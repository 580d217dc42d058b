// Profile-file reading and writing (see IniFile.h). The whole file is read for
// every call, as the system's profile functions do; Chat.ini is a few lines.
#include "platform/IniFile.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <vector>

#include "platform/AnsiText.h"
#include "platform/ReadFile.h"
#include "platform/SafeFile.h"

namespace verdo {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view Blanks = " \t";

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(Blanks);
    return text.substr(first, last - first + 1);
}

struct IniText {
    std::vector<std::string> lines;
    std::string lineEnd = "\n";
    // The file exists but could not be read: writing it would lose it.
    bool unreadable = false;
};

IniText readLines(const fs::path& path) {
    IniText text;
    std::string contents;
    const ReadStatus status = readRegularFile(path, contents);
    text.unreadable = status == ReadStatus::Failed;
    if (status != ReadStatus::Read) return text;
    std::istringstream in(std::move(contents));
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
            text.lineEnd = "\r\n";
        }
        text.lines.push_back(std::move(line));
    }
    return text;
}

// The name of a "[Section]" line, or nothing for any other line.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trimmed(line);
    if (line.size() < 2 || line.front() != '[') return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trimmed(line.substr(1, close - 1));
}

bool isKeyLine(std::string_view line, std::string_view key) {
    const std::size_t equals = line.find('=');
    return equals != std::string_view::npos &&
           equalsIgnoreCaseAZ(trimmed(line.substr(0, equals)), key);
}

// The section header line and the end of its body; header is npos when absent.
struct SectionRange {
    std::size_t header = std::string::npos;
    std::size_t end = 0;
};

SectionRange findSection(const std::vector<std::string>& lines, std::string_view section) {
    SectionRange range;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto name = sectionName(lines[i]);
        if (!name) continue;
        if (range.header != std::string::npos) {
            range.end = i;
            return range;
        }
        if (equalsIgnoreCaseAZ(*name, section)) range.header = i;
    }
    range.end = lines.size();
    return range;
}

std::optional<std::size_t> findKey(const std::vector<std::string>& lines, SectionRange range,
                                   std::string_view key) {
    if (range.header == std::string::npos) return std::nullopt;
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        if (isKeyLine(lines[i], key)) return i;
    }
    return std::nullopt;
}

// A value in matching double quotes loses them, as profile readers do.
std::string valueOf(std::string_view line) {
    std::string_view value = trimmed(line.substr(line.find('=') + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

std::optional<int> parseInteger(std::string_view text) {
    int value = 0;
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    if (begin != end && *begin == '+') ++begin;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end || begin == end) return std::nullopt;
    return value;
}

bool isFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

// A CMake build tree: the program sits a few folders below a CMakeCache.txt.
bool insideBuildTree(const fs::path& programFolder) {
    fs::path folder = programFolder;
    for (int level = 0; level < 4 && !folder.empty(); ++level) {
        if (isFile(folder / "CMakeCache.txt")) return true;
        if (folder == folder.parent_path()) break;
        folder = folder.parent_path();
    }
    return false;
}

}  // namespace

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    const IniText text = readLines(path_);
    const auto at = findKey(text.lines, findSection(text.lines, section), key);
    return at ? valueOf(text.lines[*at]) : std::string(defaultValue);
}

int IniFile::readInteger(std::string_view section, std::string_view key, int defaultValue) const {
    const std::string value = readString(section, key, "");
    return parseInteger(trimmed(value)).value_or(defaultValue);
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    IniText text = readLines(path_);
    if (text.unreadable) return false;
    // A line break in a value would start a line of its own: another key, or
    // another section.
    std::string stored(value);
    std::replace_if(
        stored.begin(), stored.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    // Blanks around a value and quotes around it are dropped by the reader:
    // such a value goes in quotes, so it reads back as written.
    if (!stored.empty() &&
        (Blanks.find(stored.front()) != std::string_view::npos ||
         Blanks.find(stored.back()) != std::string_view::npos || stored.front() == '"'))
        stored = '"' + stored + '"';
    std::string line = std::string(key) + "=" + stored;
    const SectionRange range = findSection(text.lines, section);
    if (const auto at = findKey(text.lines, range, key)) {
        text.lines[*at] = std::move(line);
    } else if (range.header != std::string::npos) {
        // After the section's last non-blank line, so a blank separator stays.
        std::size_t insertAt = range.end;
        while (insertAt > range.header + 1 && trimmed(text.lines[insertAt - 1]).empty())
            --insertAt;
        text.lines.insert(text.lines.begin() + static_cast<std::ptrdiff_t>(insertAt),
                          std::move(line));
    } else {
        text.lines.push_back("[" + std::string(section) + "]");
        text.lines.push_back(std::move(line));
    }
    std::string contents;
    for (const std::string& each : text.lines)
        contents += each + text.lineEnd;
    return writeFileSafely(path_, contents);
}

bool IniFile::writeInteger(std::string_view section, std::string_view key, int value) {
    return writeString(section, key, std::to_string(value));
}

bool IniFile::writeBool(std::string_view section, std::string_view key, bool value) {
    return writeString(section, key, value ? "1" : "0");
}

fs::path settingsFolder(const fs::path& programFolder, const fs::path& configHome) {
    const fs::path besideProgram = programFolder / "Chat.ini";
    const bool buildTree = insideBuildTree(programFolder);
    if (isFile(besideProgram) && !buildTree) return programFolder;
    const fs::path folder = configHome / "VerdoChat";
    std::error_code ignored;  // an uncreatable folder shows as failed writes later
    fs::create_directories(folder, ignored);
    if (buildTree && isFile(besideProgram) && !fs::exists(folder / "Chat.ini", ignored)) {
        // Rename fails across file systems: copy, and remove the old one only
        // once the copy stands, so the settings are never lost on the way.
        fs::rename(besideProgram, folder / "Chat.ini", ignored);
        if (ignored && fs::copy_file(besideProgram, folder / "Chat.ini", ignored))
            fs::remove(besideProgram, ignored);
    }
    return folder;
}

fs::path userConfigHome() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && fs::path(xdg).is_absolute()) return xdg;
    const char* home = std::getenv("HOME");
    return fs::path(home != nullptr ? home : ".") / ".config";
}

}  // namespace verdo
