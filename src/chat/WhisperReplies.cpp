// The whisper reply cycle (see WhisperReplies.h).
#include "chat/WhisperReplies.h"

#include <algorithm>

#include "platform/AnsiText.h"
#include "protocol/ProtocolLines.h"

namespace verdo {

void WhisperReplies::remember(const std::string& user) {
    const auto found =
        std::find_if(whisperers_.begin(), whisperers_.end(),
                     [&](const std::string& name) { return equalsIgnoreCaseAZ(name, user); });
    if (found == whisperers_.end()) {
        whisperers_.push_back(user);
        return;
    }
    const int position = static_cast<int>(found - whisperers_.begin());
    whisperers_.erase(found);
    whisperers_.push_back(user);
    if (position == replyIndex_) {
        replyIndex_ = static_cast<int>(whisperers_.size()) - 1;
    } else if (position < replyIndex_) {
        replyIndex_ = std::max(replyIndex_ - 1, 0);
    }
}

std::optional<std::string> WhisperReplies::cycle(const std::string& entry) {
    if (whisperers_.empty()) return std::nullopt;
    const int last = static_cast<int>(whisperers_.size()) - 1;
    if (replyIndex_ == -1) replyIndex_ = last;
    if (entry.empty()) {
        replyIndex_ = last;
    } else if (equalsIgnoreCaseAZ(entry, lastReplyText_)) {
        replyIndex_ = replyIndex_ - 1 < 0 ? last : replyIndex_ - 1;
    } else {
        return std::nullopt;
    }
    lastReplyText_ = msgLine(whisperers_[static_cast<std::size_t>(replyIndex_)], "");
    return lastReplyText_;
}

}  // namespace verdo
