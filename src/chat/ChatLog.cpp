// Appending to the chat log (see ChatLog.h).
#include "chat/ChatLog.h"

#include <algorithm>
#include <filesystem>

#include "platform/AnsiText.h"
#include "platform/TextLineEnd.h"
#include "records/Options.h"

namespace verdo {
namespace {

namespace fs = std::filesystem;

bool hasLogExtension(const fs::path& path) {
    const std::string extension = lowerAZ(path.extension().string());
    return extension == ".txt" || extension == ".log";
}

// The same file named in two ways ("logs/../chat.txt", a relative name).
fs::path comparable(const fs::path& path) {
    std::error_code error;
    fs::path absolute = fs::absolute(path, error);
    return (error ? path : absolute).lexically_normal();
}

}  // namespace

bool ChatLog::open(const std::string& path, const std::vector<std::string>& chosenFiles) {
    const fs::path target = comparable(path);
    const bool chosen =
        std::any_of(chosenFiles.begin(), chosenFiles.end(),
                    [&](const std::string& file) { return comparable(file) == target; });
    return file_.open(path, FileAccess::OwnerOnly, [&](const ExistingFile& file) {
        return chosen || file.empty ||
               (file.regular && hasLogExtension(target) && !file.executable);
    });
}

void ChatLog::close() {
    file_.close();
}

void ChatLog::WriteChatLog(const std::string& text, LogKind kind, const tOptions& options) {
    if (!file_.isOpen() || !options.keepLog()) return;
    if (kind == LogKind::Event && !options.logEvents()) return;
    std::string line;
    if (options.logTime()) line = "[" + clock_.localDateTimeText() + "] ";
    line += text;
    line += TextLineEnd;
    file_.append(line);  // a failed write loses only this line
}

}  // namespace verdo
