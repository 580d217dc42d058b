// Where the session's parts send their lines: one line at a time, with the
// class of its sender, which decides its turn in the paced send queue.
#pragma once

#include <string>
#include <string_view>

#include "protocol/SendClass.h"

namespace verdo {

class LineSender {
  public:
    virtual ~LineSender() = default;

    // One line to the server; the carriage return is added here.
    virtual void sendLine(std::string_view text, SendClass cls) = 0;
    // Bytes as they are, without a carriage return (a playback "/char" line,
    // lines that carry their own).
    virtual void sendRaw(const std::string& bytes, SendClass cls) = 0;
    // A timed message of the timer list: false, and nothing queued, while the
    // previous copy of the same message still waits to be sent.
    virtual bool sendTimedLine(std::string_view text, int timerIndex) = 0;
    // Whether the session is logged on: lines typed while not are dropped.
    virtual bool LoggedOn() const = 0;
    // The name the server gave the program's user: what the lines are sent as.
    virtual const std::string& UniqueName() const = 0;
};

}  // namespace verdo
