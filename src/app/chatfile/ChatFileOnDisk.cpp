// Loading and saving a chat file for the command line, with the checks that
// keep a wrong file from being taken for a chat file.
#include "app/chatfile/ChatFileOnDisk.h"

#include <cstdio>
#include <system_error>

#include "platform/AnsiText.h"
#include "platform/ReadFile.h"
#include "platform/SafeFile.h"

namespace verdo {
namespace {

namespace fs = std::filesystem;

// A chat file's record holds its format version, e.g. "6.20": a length byte
// of 1 to 4, then digits and dots.
constexpr std::size_t VersionAt = tOptions::FormatVersionOffset;

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

std::string ChatFileOnDisk::checkNewName(const fs::path& path) {
    if (std::string why = checkName(path); !why.empty()) return why;
    return NewChatFileNameProblem(path);
}

namespace {

// The three files of a chat file, record first.
std::vector<fs::path> chatFiles(const fs::path& path) {
    const fs::path base = ChatFileBaseName(path);
    return {path, companionPath(base, ".ext"), companionPath(base, ".usr")};
}

}  // namespace

std::vector<fs::path> ChatFileOnDisk::existingFiles(const fs::path& path) {
    std::vector<fs::path> existing;
    for (const fs::path& file : chatFiles(path)) {
        std::error_code error;
        if (fs::exists(fs::symlink_status(file, error))) existing.push_back(file);
    }
    return existing;
}

std::string ChatFileOnDisk::backUp(const fs::path& path) {
    const fs::path base = ChatFileBaseName(path);
    const std::vector<fs::path> files = chatFiles(path);
    const std::string_view suffixes[] = {".ch5.bak", ".ext.bak", ".usr.bak"};
    std::vector<std::string> contents(files.size());
    std::vector<SafeWrite> writes;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const fs::path backup = companionPath(base, suffixes[i]);
        std::string why;
        switch (readRegularFile(files[i], contents[i], &why,
                                i == 2 ? tUserList::MaxRecords * tUser::Size : ReadLimit)) {
            case ReadStatus::Missing: {
                std::error_code ignored;
                fs::remove(backup, ignored);
                continue;
            }
            case ReadStatus::Failed:
                return files[i].string() + ": " + why;
            case ReadStatus::Read:
                writes.push_back({backup, contents[i], files[i]});
        }
    }
    std::string why;
    if (!writeFilesSafely(writes, FileAccess::OwnerOnly, &why)) return "backup " + why;
    return {};
}

void ChatFileOnDisk::lock(const fs::path& path) {
    if (!lock_.locked()) lock_ = FolderLock(path);
}

std::string ChatFileOnDisk::load(const fs::path& path) {
    if (std::string why = checkName(path); !why.empty()) return why;
    lock(path);
    std::error_code error;
    if (!fs::exists(path, error)) return path.string() + ": no such file";
    if (!fs::is_regular_file(path, error) || !looksLikeRecord(path))
        return path.string() + ": not a chat file (a chat file is 4096 bytes with its version)";
    const FileOutcome outcome = LoadChatFile(path, data());
    if (!outcome.ok) return path.string() + ": " + joined(outcome.errors);
    return {};
}

std::string ChatFileOnDisk::save(const fs::path& path) {
    lock(path);
    const FileOutcome outcome = SaveChatFile(path, data());
    return outcome.ok ? std::string() : joined(outcome.errors);
}

void ChatFileOnDisk::makeNew() {
    NewChatFile(data());
}

}  // namespace verdo
