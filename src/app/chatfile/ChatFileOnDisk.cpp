// Loading and saving a chat file for the command line, with the checks that
// keep a wrong file from being taken for a chat file.
#include "app/chatfile/ChatFileOnDisk.h"

#include <cstdio>
#include <system_error>

#include "platform/AnsiText.h"

namespace verdo {
namespace {

namespace fs = std::filesystem;

// A chat file's record holds its format version, e.g. "6.20", at this offset:
// a length byte of 1 to 4, then digits and dots.
constexpr std::size_t VersionAt = 2704;

bool looksLikeRecord(const fs::path& path) {
    std::error_code error;
    if (fs::file_size(path, error) != tOptions::Size || error) return false;
    std::string bytes(tOptions::Size, '\0');
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    const bool read = std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
    std::fclose(file);
    if (!read) return false;
    const auto length = static_cast<unsigned char>(bytes[VersionAt]);
    if (length < 1 || length > 4) return false;
    for (std::size_t i = 1; i <= length; ++i) {
        const char c = bytes[VersionAt + i];
        if ((c < '0' || c > '9') && c != '.') return false;
    }
    return true;
}

std::string joined(const std::vector<std::string>& messages) {
    std::string text;
    for (const std::string& message : messages)
        text += (text.empty() ? "" : "; ") + message;
    return text;
}

}  // namespace

std::string ChatFileOnDisk::checkName(const fs::path& path) {
    if (!equalsIgnoreCaseAZ(path.extension().string(), ".ch5"))
        return path.string() + ": a chat file's name ends in .ch5";
    return {};
}

std::string ChatFileOnDisk::load(const fs::path& path) {
    if (std::string why = checkName(path); !why.empty()) return why;
    std::error_code error;
    if (!fs::exists(path, error)) return path.string() + ": no such file";
    if (!fs::is_regular_file(path, error) || !looksLikeRecord(path))
        return path.string() + ": not a chat file (a chat file is 4096 bytes with its version)";
    const FileOutcome outcome = LoadChatFile(path, data());
    if (!outcome.ok) return path.string() + ": " + joined(outcome.errors);
    return {};
}

std::string ChatFileOnDisk::save(const fs::path& path) {
    const FileOutcome outcome = SaveChatFile(path, data());
    return outcome.ok ? std::string() : joined(outcome.errors);
}

void ChatFileOnDisk::makeNew() {
    NewChatFile(data());
}

}  // namespace verdo
