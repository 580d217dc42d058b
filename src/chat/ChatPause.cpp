// The chat pause (see ChatPause.h).
#include "chat/ChatPause.h"

namespace verdo {

void ChatPause::acPauseExecute() {
    events_.run([this] {
        paused_ = !paused_;
        controls_.setActionChecked(ChatAction::Pause, paused_);
        if (!paused_) drainHeldLines();
    });
}

bool ChatPause::hold(std::string_view line) {
    if (!paused_) return false;
    held_.emplace_back(line);
    return true;
}

void ChatPause::drainHeldLines() {
    // Each line in arrival order, with all its automatic answers; a handler may
    // pause again, and then the rest stays held.
    while (!held_.empty() && !paused_) {
        const std::string line = std::move(held_.front());
        held_.pop_front();
        lines_.interpretLine(line);
    }
}

void ChatPause::end() {
    if (!paused_ && held_.empty()) return;
    held_.clear();
    paused_ = false;
    controls_.setActionChecked(ChatAction::Pause, false);
}

}  // namespace verdo
