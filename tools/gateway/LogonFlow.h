// The log-on of one client, before it is a chat user: the class byte 3, an
// optional byte 4, the name line and the password line. Refuses garbage.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "AccountBook.h"
#include "Style.h"

namespace verdo::gateway {

class LogonFlow {
  public:
    static constexpr std::size_t kMaxName = 15;
    static constexpr int kMaxTries = 3;  // password tries when the style keeps the connection

    struct Hooks {
        std::function<void(const std::string&)> send;
        std::function<void()> close;  // after what was sent has gone out
        std::function<void(const std::string& name, const Account&)> loggedOn;
    };

    LogonFlow(const Style& style, AccountBook& accounts, std::string peer, Hooks hooks);

    // Consumes the leading protocol bytes; gives back the bytes that follow them.
    std::string_view takePrefix(std::string_view bytes);
    void line(const std::string& text);
    bool done() const { return state_ == State::Done; }

  private:
    enum class State { ClassByte, ProtocolByte, Name, Password, Done, Closed };
    void takeName(const std::string& text);
    void takePassword(const std::string& text);
    void refuse();

    const Style& style_;
    AccountBook& accounts_;
    std::string peer_;
    Hooks hooks_;
    State state_ = State::ClassByte;
    std::string name_;
    int failures_ = 0;
};

// True for a name the gateway accepts: 1 to 15 letters, digits or -_.[]()`{}^
bool validUserName(std::string_view name);

}  // namespace verdo::gateway
