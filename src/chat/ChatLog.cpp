// Appending to the chat log (see ChatLog.h).
#include "chat/ChatLog.h"

#include "records/Options.h"

namespace verdo {

namespace {
#ifdef _WIN32
constexpr const char* kLineEnd = "\r\n";
#else
constexpr const char* kLineEnd = "\n";
#endif
}  // namespace

bool ChatLog::open(const std::string& path) {
    close();
    file_.open(path, std::ios::out | std::ios::app | std::ios::binary);
    return file_.is_open();
}

void ChatLog::close() {
    if (file_.is_open()) file_.close();
    file_.clear();
}

void ChatLog::WriteChatLog(const std::string& text, LogKind kind, const tOptions& options) {
    if (!file_.is_open() || !options.keepLog()) return;
    if (kind == LogKind::Event && !options.logEvents()) return;
    std::string line;
    if (options.logTime()) line = "[" + clock_.localDateTimeText() + "] ";
    line += text;
    line += kLineEnd;
    file_.write(line.data(), static_cast<std::streamsize>(line.size()));
    file_.flush();
    file_.clear();  // a failed write leaves the stream usable for the next line
}

}  // namespace verdo
