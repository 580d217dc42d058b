// Reading and rewriting Wine's registry text, and Windows paths inside a prefix.
#include "platform/WineRegistry.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/AnsiText.h"
#include "platform/ReadFile.h"
#include "platform/SafeFile.h"
#include "platform/Windows1252.h"

namespace verdo {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view SoftwarePrefix = "Software\\";
constexpr std::string_view Wow64Prefix = "Software\\Wow6432Node\\";

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// One UTF-16 unit as the program's 8-bit text; `lossy` is set when the code
// page has no byte for it.
void appendUnit(std::string& out, std::uint32_t unit, bool& lossy) {
    const char byte = unit <= 0xFFFF ? unicodeToWindows1252(static_cast<char32_t>(unit)) : '?';
    if (byte == '?' && unit != '?') lossy = true;
    out += byte;
}

// Reads an escaped string from text[pos] up to the unescaped terminator and
// leaves pos after it. Nothing when the terminator never comes.
std::optional<std::string> readEscaped(std::string_view text, std::size_t& pos, char terminator,
                                       bool& lossy) {
    std::string out;
    while (pos < text.size()) {
        const char c = text[pos++];
        if (c == terminator) return out;
        if (c != '\\') {
            out += c;
            continue;
        }
        if (pos >= text.size()) return std::nullopt;
        const char e = text[pos++];
        switch (e) {
            case 'a':
                out += '\a';
                break;
            case 'b':
                out += '\b';
                break;
            case 'e':
                out += '\x1b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'v':
                out += '\v';
                break;
            case 'x': {
                std::uint32_t unit = 0;
                int digits = 0;
                while (digits < 4 && pos < text.size() && hexValue(text[pos]) >= 0) {
                    unit = unit * 16 + static_cast<std::uint32_t>(hexValue(text[pos++]));
                    ++digits;
                }
                if (digits == 0) {
                    out += 'x';
                } else {
                    appendUnit(out, unit, lossy);
                }
                break;
            }
            default:
                if (e >= '0' && e <= '7') {
                    std::uint32_t unit = static_cast<std::uint32_t>(e - '0');
                    for (int digits = 1;
                         digits < 3 && pos < text.size() && text[pos] >= '0' && text[pos] <= '7';
                         ++digits)
                        unit = unit * 8 + static_cast<std::uint32_t>(text[pos++] - '0');
                    appendUnit(out, unit, lossy);
                } else {
                    out += e;
                }
        }
    }
    return std::nullopt;
}

// The escaping Wine writes: the terminator and backslash escaped, control
// characters as letters or octal, characters beyond ASCII as four hex digits
// of their UTF-16 unit (the bytes read as Windows-1252).
std::string escaped(std::string_view value, char terminator) {
    static constexpr std::string_view Letters = ".......abtnvfr.............e....";
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const auto c = static_cast<unsigned char>(value[i]);
        char buffer[8];
        if (c > 127) {
            std::snprintf(buffer, sizeof buffer, "\\x%04x",
                          static_cast<unsigned>(windows1252ToUnicode(c)));
            out += buffer;
        } else if (c < 32) {
            if (Letters[c] != '.') {
                out += '\\';
                out += Letters[c];
            } else {
                std::snprintf(buffer, sizeof buffer, "\\%03o", c);
                out += buffer;
            }
        } else {
            if (c == '\\' || c == static_cast<unsigned char>(terminator)) out += '\\';
            out += static_cast<char>(c);
        }
    }
    return out;
}

struct Line {
    std::size_t begin = 0;  // first byte
    std::size_t end = 0;    // after the line end, if any
    std::string_view text;  // without the line end
    bool crlf = false;
};

std::vector<Line> splitLines(std::string_view text) {
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t newline = text.find('\n', pos);
        const std::size_t stop = newline == std::string_view::npos ? text.size() : newline;
        Line line;
        line.begin = pos;
        line.end = newline == std::string_view::npos ? text.size() : newline + 1;
        line.text = text.substr(pos, stop - pos);
        if (!line.text.empty() && line.text.back() == '\r') {
            line.text.remove_suffix(1);
            line.crlf = true;
        }
        lines.push_back(line);
        pos = line.end;
    }
    return lines;
}

bool continues(std::string_view line) {
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    return !line.empty() && line.back() == '\\';
}

// One value found in the file: its lines and where its data begins.
struct ValueLocation {
    std::size_t firstLine = 0;
    std::size_t lastLine = 0;
    std::size_t dataStart = 0;  // offset of the data in the first line
};

// The name of a value line ("Name"= or @=) and the offset after the "=".
std::optional<std::pair<std::string, std::size_t>> valueName(std::string_view line) {
    if (line.size() >= 2 && line[0] == '@' && line[1] == '=')
        return std::pair<std::string, std::size_t>{std::string(), 2};
    if (line.empty() || line[0] != '"') return std::nullopt;
    std::size_t pos = 1;
    bool lossy = false;  // a name the program cannot hold simply never matches
    std::optional<std::string> name = readEscaped(line, pos, '"', lossy);
    if (!name || pos >= line.size() || line[pos] != '=') return std::nullopt;
    return std::pair<std::string, std::size_t>{std::move(*name), pos + 1};
}

std::optional<std::string> sectionKey(std::string_view line) {
    if (line.empty() || line[0] != '[') return std::nullopt;
    std::size_t pos = 1;
    bool lossy = false;
    return readEscaped(line, pos, ']', lossy);
}

std::optional<ValueLocation> findIn(const std::vector<Line>& lines, std::string_view key,
                                    std::string_view name) {
    bool inKey = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view text = lines[i].text;
        if (auto section = sectionKey(text)) {
            inKey = equalsIgnoreCaseAZ(*section, key);
            continue;
        }
        if (!inKey) continue;
        const auto found = valueName(text);
        std::size_t last = i;
        while (last + 1 < lines.size() && continues(lines[last].text))
            ++last;
        if (found && equalsIgnoreCaseAZ(found->first, name))
            return ValueLocation{i, last, found->second};
        i = last;
    }
    return std::nullopt;
}

std::optional<ValueLocation> locate(const std::vector<Line>& lines, std::string_view key,
                                    std::string_view name) {
    if (auto found = findIn(lines, key, name)) return found;
    if (!startsWithIgnoreCaseAZ(key, SoftwarePrefix) || startsWithIgnoreCaseAZ(key, Wow64Prefix))
        return std::nullopt;
    const std::string wow64 =
        std::string(Wow64Prefix) + std::string(key.substr(SoftwarePrefix.size()));
    return findIn(lines, wow64, name);
}

// The data of a value, its continuation lines joined.
std::string valueData(const std::vector<Line>& lines, const ValueLocation& at) {
    std::string data(lines[at.firstLine].text.substr(at.dataStart));
    for (std::size_t i = at.firstLine + 1; i <= at.lastLine; ++i)
        data += lines[i].text;
    return data;
}

// Hex bytes ("41,00,42,00") read as UTF-16LE text up to the first NUL.
std::optional<std::string> utf16FromHex(std::string_view hex, bool& lossy) {
    std::vector<std::uint8_t> bytes;
    int high = -1;
    for (const char c : hex) {
        const int digit = hexValue(c);
        if (digit < 0) {
            if (c != ',' && c != ' ' && c != '\t' && c != '\\') return std::nullopt;
            continue;
        }
        if (high < 0) {
            high = digit;
        } else {
            bytes.push_back(static_cast<std::uint8_t>(high * 16 + digit));
            high = -1;
        }
    }
    std::string out;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const std::uint32_t unit = bytes[i] | (static_cast<std::uint32_t>(bytes[i + 1]) << 8);
        if (unit == 0) break;
        appendUnit(out, unit, lossy);
    }
    return out;
}

enum class StringKind { Plain, Expandable };

// The string held by value data as the program's text.
struct StoredString {
    std::string text;
    StringKind kind = StringKind::Plain;
    bool lossy = false;  // characters the code page lacks read as "?"
};

std::optional<StoredString> stringData(std::string_view data) {
    StoredString stored;
    for (const auto& [prefix, kind] :
         {std::pair{"hex(1):", StringKind::Plain}, std::pair{"hex(2):", StringKind::Expandable}}) {
        if (!startsWithIgnoreCaseAZ(data, prefix)) continue;
        stored.kind = kind;
        auto text = utf16FromHex(data.substr(7), stored.lossy);
        if (!text) return std::nullopt;
        stored.text = std::move(*text);
        return stored;
    }
    if (startsWithIgnoreCaseAZ(data, "str(1):")) {
        data.remove_prefix(7);
    } else if (startsWithIgnoreCaseAZ(data, "str(2):")) {
        data.remove_prefix(7);
        stored.kind = StringKind::Expandable;
    }
    if (data.empty() || data[0] != '"') return std::nullopt;
    std::size_t pos = 1;
    auto text = readEscaped(data, pos, '"', stored.lossy);
    if (!text) return std::nullopt;
    stored.text = std::move(*text);
    return stored;
}

std::optional<std::string> readWholeFile(const fs::path& path) {
    std::string text;
    if (readRegularFile(path, text) != ReadStatus::Read) return std::nullopt;
    return text;
}

}  // namespace

std::optional<std::string> WineRegistry::readFromText(std::string_view text, std::string_view key,
                                                      std::string_view name) {
    const std::vector<Line> lines = splitLines(text);
    const auto at = locate(lines, key, name);
    if (!at) return std::nullopt;
    auto value = stringData(valueData(lines, *at));
    if (!value) return std::nullopt;
    return std::move(value->text);
}

std::optional<std::string> WineRegistry::replaceInText(std::string_view text, std::string_view key,
                                                       std::string_view name,
                                                       std::string_view value,
                                                       StoreWrite* refusal) {
    const std::vector<Line> lines = splitLines(text);
    const auto at = locate(lines, key, name);
    const auto old = at ? stringData(valueData(lines, *at)) : std::nullopt;
    if (!old || old->lossy) {
        if (refusal) *refusal = old ? StoreWrite::Unrepresentable : StoreWrite::Failed;
        return std::nullopt;
    }
    const Line& first = lines[at->firstLine];
    const Line& last = lines[at->lastLine];
    std::string out(text.substr(0, first.begin));
    out += first.text.substr(0, at->dataStart);
    if (old->kind == StringKind::Expandable) out += "str(2):";
    out += '"' + escaped(value, '"') + '"';
    if (last.end > last.begin + last.text.size()) out += first.crlf ? "\r\n" : "\n";
    out += text.substr(last.end);
    return out;
}

std::optional<std::string> WineRegistry::readString(std::string_view key, std::string_view name) {
    const auto text = readWholeFile(registryFile());
    if (!text) return std::nullopt;
    return readFromText(*text, key, name);
}

StoreWrite WineRegistry::writeString(std::string_view key, std::string_view name,
                                     std::string_view value) {
    const auto text = readWholeFile(registryFile());
    if (!text) return StoreWrite::Failed;
    StoreWrite refusal = StoreWrite::Failed;
    const auto changed = replaceInText(*text, key, name, value, &refusal);
    if (!changed) return refusal;
    return rewriteFileSafely(registryFile(), *changed) ? StoreWrite::Written : StoreWrite::Failed;
}

std::vector<std::string> WineRegistry::startCommand(std::string_view windowsPath) {
    return {"wine", windowsPathInPrefix(prefix_, windowsPath).string()};
}

fs::path defaultWinePrefix() {
    const char* prefix = std::getenv("WINEPREFIX");
    if (prefix != nullptr && *prefix != '\0') return prefix;
    const char* home = std::getenv("HOME");
    return fs::path(home != nullptr ? home : ".") / ".wine";
}

fs::path windowsPathInPrefix(const fs::path& prefix, std::string_view windowsPath) {
    const bool hasDrive = windowsPath.size() >= 2 && windowsPath[1] == ':' &&
                          ((windowsPath[0] >= 'a' && windowsPath[0] <= 'z') ||
                           (windowsPath[0] >= 'A' && windowsPath[0] <= 'Z'));
    if (!hasDrive) return fs::path(std::string(windowsPath));
    const char letter = lowerAZ(windowsPath.substr(0, 1))[0];
    std::error_code error;
    fs::path current = prefix / "dosdevices" / (std::string(1, letter) + ":");
    if (letter == 'c' && !fs::exists(current, error)) current = prefix / "drive_c";

    std::string_view rest = windowsPath.substr(2);
    while (!rest.empty()) {
        const std::size_t separator = rest.find_first_of("\\/");
        const std::string part(rest.substr(0, separator));
        rest =
            separator == std::string_view::npos ? std::string_view() : rest.substr(separator + 1);
        if (part.empty() || part == ".") continue;
        fs::path next = current / part;
        if (part != ".." && !fs::exists(next, error)) {
            for (fs::directory_iterator it(current, error), end; !error && it != end;
                 it.increment(error)) {
                if (equalsIgnoreCaseAZ(it->path().filename().string(), part)) {
                    next = it->path();
                    break;
                }
            }
            error.clear();
        }
        current = std::move(next);
    }
    return current;
}

}  // namespace verdo
