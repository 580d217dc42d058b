// Appending to the chat log (see ChatLog.h).
#include "chat/ChatLog.h"

#include "platform/TextLineEnd.h"
#include "records/Options.h"

namespace verdo {

bool ChatLog::open(const std::string& path) {
    return file_.open(path, FileAccess::OwnerOnly);
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
