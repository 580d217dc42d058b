// TBnetChat: the interpreter of the Battle.net chat gateway protocol. It turns
// each received line into one typed event, builds the log-on bytes and paces
// outgoing lines with a flood timer so that the server's flood protection is
// never tripped.
#pragma once

#include <deque>
#include <memory>
#include <string>

#include "interp/BaseInterpreter.h"
#include "platform/Timer.h"

namespace verdo {

class TBnetChat final : public tBaseInterpreter {
  public:
    static constexpr int kInitialFloodInterval = 1500;

    explicit TBnetChat(std::unique_ptr<Timer> floodTimer);

    std::string_view ParseUser(std::string_view line) const override;
    std::string_view ParseMess(std::string_view line) const override;
    std::string_view ParseFlags(std::string_view line) const override;
    std::string_view ParseUserType(std::string_view line) const override;
    void Interpret(std::string_view line) override;
    // `text` is the whole line, its carriage return included.
    void SendLine(const std::string& text) override;

    bool Logon();
    int QueueCount() const { return static_cast<int>(queue_.size()); }
    bool SendReady() const { return sendReady_; }

    int FloodInterval() const { return floodTimer_ ? floodTimer_->interval() : 0; }
    // Changing the interval restarts the period; the same value changes nothing.
    void setFloodInterval(int milliseconds);

    std::string Password;
    std::string UserName = "Guest";

    // The code of a line: its first four characters as a number, 0 when they are
    // not one.
    static int lineCode(std::string_view line);

  private:
    void floodTick();
    void dispatch(int code, std::string_view line);

    std::unique_ptr<Timer> floodTimer_;
    std::deque<std::string> queue_;
    bool sendReady_ = true;
};

}  // namespace verdo
