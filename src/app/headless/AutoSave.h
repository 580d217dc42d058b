// The bot's own saves: a change to the chat file made while running (a remote
// command, the account tracking) is saved a few seconds later, so a reload, a
// crash or a power cut loses nothing. One save serves every change of a
// burst; a save that failed is tried again only after a longer wait.
#pragma once

#include <functional>
#include <memory>

#include "platform/Timer.h"

namespace verdo {

class ChatDocument;

class AutoSave {
  public:
    static constexpr int DelayMs = 3000;
    static constexpr int RetryMs = 60000;

    // `save` writes the chat file and says whether it worked.
    AutoSave(ChatDocument& document, std::unique_ptr<Timer> timer, std::function<bool()> save);
    AutoSave(const AutoSave&) = delete;
    AutoSave& operator=(const AutoSave&) = delete;

    // After each batch of events: unsaved changes start the wait, unless one
    // is already running.
    void check();
    // No more saves (the program is stopping and saves by itself).
    void stop() { timer_->setEnabled(false); }
    bool waiting() const { return timer_->enabled(); }

  private:
    void due();

    ChatDocument& document_;
    std::unique_ptr<Timer> timer_;
    std::function<bool()> save_;
    int delayMs_ = DelayMs;
};

}  // namespace verdo
