// The chat log: a plain text file the session is appended to, one line per
// entry, each written through at once. Input/output errors are swallowed: a
// full disk must never disturb the chat. The log holds whispers, so a new log
// is readable by its owner alone. The log's name comes from a chat file, which
// may come from anyone, so an existing file is appended to only when it is
// plainly meant for a log; otherwise a chat file could make the program add
// lines to a shell start-up file.
#pragma once

#include <string>
#include <vector>

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
    // keeps its permissions. A symbolic link is refused, and an existing file
    // is appended to only when it is empty, or named "*.txt" or "*.log" and
    // not executable, or one of `chosenFiles` (picked by the user as a log).
    bool open(const std::string& path, const std::vector<std::string>& chosenFiles = {});
    void close();
    bool isOpen() const { return file_.isOpen(); }

    void WriteChatLog(const std::string& text, LogKind kind, const tOptions& options);

  private:
    Clock& clock_;
    AppendFile file_;
};

}  // namespace verdo
