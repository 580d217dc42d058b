// The chat log: a plain text file the session is appended to, one flushed line
// per entry. Input/output errors are swallowed: a full disk must never disturb
// the chat.
#pragma once

#include <fstream>
#include <string>

#include "platform/Clock.h"

namespace verdo {

class tOptions;

// Message lines (talk, emotes, received whispers) are kept whenever logging is
// on; every other line only when events are logged as well.
enum class LogKind { Message, Event };

class ChatLog {
  public:
    explicit ChatLog(Clock& clock) : clock_(clock) {}

    // Opens `path` for appending, creating it when absent.
    bool open(const std::string& path);
    void close();
    bool isOpen() const { return file_.is_open(); }

    void WriteChatLog(const std::string& text, LogKind kind, const tOptions& options);

  private:
    Clock& clock_;
    std::ofstream file_;
};

}  // namespace verdo
