// Timed messages: each entry of the timer list is sent when its counter,
// counted up once a second while logged on, reaches its interval.
#pragma once

#include <string>
#include <vector>

#include "chat/LineSender.h"

namespace verdo {

class ChatDocument;
class ChatFunctions;

class TimedMessages {
  public:
    TimedMessages(LineSender& sender, ChatDocument& document, ChatFunctions& engine)
        : sender_(sender), document_(document), engine_(engine) {}

    // One second passed: counts, and sends what is due while the timer and
    // master switches are on.
    void tick();

    // One decimal text per message; never saved.
    std::vector<std::string> TimerCounters;

  private:
    LineSender& sender_;
    ChatDocument& document_;
    ChatFunctions& engine_;
};

}  // namespace verdo
