// The chat log: a plain text file the session is appended to, one line per
// entry, each written through at once. Input/output errors are swallowed: a
// full disk must never disturb the chat. The log holds whispers, so a new log
// is readable by its owner alone.
#pragma once

#include <string>

#include "platform/AppendFile.h"
#include "platform/Clock.h"

namespace verdo {

class tOptions;

// Message lines (talk, emotes, received whispers) are kept whenever logging is
// on; every other line only when events are logged as well.
enum class LogKind { Message, Event };

class ChatLog {
  public:
    explicit ChatLog(Clock& clock) : clock_(clock) {}

    // Opens `path` for appending, creating it when absent; an existing log
    // keeps its permissions.
    bool open(const std::string& path);
    void close();
    bool isOpen() const { return file_.isOpen(); }

    void WriteChatLog(const std::string& text, LogKind kind, const tOptions& options);

  private:
    Clock& clock_;
    AppendFile file_;
};

}  // namespace verdo
