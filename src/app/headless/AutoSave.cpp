// The bot's own saves (see AutoSave.h).
#include "app/headless/AutoSave.h"

#include "chat/ChatDocument.h"

namespace verdo {

AutoSave::AutoSave(ChatDocument& document, std::unique_ptr<Timer> timer, std::function<bool()> save)
    : document_(document), timer_(std::move(timer)), save_(std::move(save)) {
    timer_->setEnabled(false);
    timer_->OnTimer = [this] { due(); };
}

void AutoSave::check() {
    if (!document_.modified() || timer_->enabled()) return;
    timer_->setInterval(delayMs_);
    timer_->setEnabled(true);
}

void AutoSave::due() {
    timer_->setEnabled(false);
    if (!document_.modified()) return;  // saved or re-read meanwhile
    delayMs_ = save_() ? DelayMs : RetryMs;
}

}  // namespace verdo
