// The chat pause (F12): received lines are held, and handled in arrival order
// with all their automatic answers when the pause ends. Logging off ends it.
#pragma once

#include <deque>
#include <string>
#include <string_view>

#include "chat/EventScope.h"
#include "chat/ReceivedLines.h"
#include "chat/WindowControls.h"

namespace verdo {

class ChatPause {
  public:
    ChatPause(WindowControls& controls, EventScope& events, ReceivedLines& lines)
        : controls_(controls), events_(events), lines_(lines) {}

    void acPauseExecute();
    bool paused() const { return paused_; }
    std::size_t heldLineCount() const { return held_.size(); }
    // True when the line is held for later.
    bool hold(std::string_view line);
    // The session is over: the pause ends and the held lines go.
    void end();

  private:
    void drainHeldLines();

    WindowControls& controls_;
    EventScope& events_;
    ReceivedLines& lines_;
    bool paused_ = false;
    std::deque<std::string> held_;
};

}  // namespace verdo
