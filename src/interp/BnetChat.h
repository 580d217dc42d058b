// TBnetChat: the interpreter of the Battle.net chat gateway protocol. It turns
// each received line into one typed event, builds the log-on bytes and paces
// outgoing lines so that the server's flood protection is never tripped: a
// flood timer gives the shortest gap between queued lines, and a budget of the
// server's message quota holds back lines that would exceed it. Lines too long
// for the quota are cut before they are queued, and a line the server refuses
// is sent again.
#pragma once

#include <cstdint>
#include <deque>
#include <limits>
#include <memory>
#include <optional>
#include <string>

#include "interp/BaseInterpreter.h"
#include "interp/PacingRules.h"
#include "interp/SendBudget.h"
#include "platform/Clock.h"
#include "platform/Timer.h"

namespace verdo {

class TBnetChat final : public tBaseInterpreter {
  public:
    static constexpr int kInitialFloodInterval = 1500;
    // Times a refused line is sent again before it is given up.
    static constexpr int kMaxResends = 2;

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
    Timer& FloodTimer() { return *floodTimer_; }
    // Changing the interval restarts the period; the same value changes nothing.
    void setFloodInterval(int milliseconds);

    // The server's quota; setting it also resets the cut length.
    const PacingRules& Pacing() const { return rules_; }
    void setPacing(const PacingRules& rules);
    // Lines longer than this are cut before they are queued.
    std::size_t SplitLength() const { return splitLength_; }
    // Times the quota by `clock` and lets a held line leave, through
    // `wakeTimer`, as soon as the quota allows rather than at the next flood
    // tick. Without a clock the queue counts time in flood-timer periods.
    void usePacingClock(Clock& clock, std::unique_ptr<Timer> wakeTimer);

    std::string Password;
    std::string UserName = "Guest";

    // A line (without its carriage return) that the server refused every time
    // it was sent, or refused for a length it cannot lose; it is not sent again.
    tBaseEvent OnNotDelivered;

    // The code of a line: its first four characters as a number, 0 when they are
    // not one.
    static int lineCode(std::string_view line);

  private:
    struct Outgoing {
        std::string text;  // without the carriage return
        std::string end;   // the carriage return, or nothing
        int resends = 0;
    };

    void floodTick();
    void wake();
    void dispatch(int code, std::string_view line);
    // Sends the first queued line when the quota allows; otherwise arranges to
    // be woken when it will.
    bool trySendFirst();
    void wakeAt(std::int64_t at);
    void refused(bool forLength);
    void notDelivered(const Outgoing& line);
    void resetQuota();
    std::int64_t now() const;

    std::unique_ptr<Timer> floodTimer_;
    std::deque<Outgoing> queue_;
    bool sendReady_ = true;

    PacingRules rules_;
    SendBudget budget_{rules_};
    std::size_t splitLength_ = rules_.longestPassable();
    std::optional<Outgoing> lastSent_;  // what a refusal refers to
    std::int64_t lastSentAt_ = std::numeric_limits<std::int64_t>::min() / 2;
    std::int64_t holdUntil_ = 0;  // after a quota refusal
    // Pacing time: advanced at each flood tick by the clock's elapsed time, or
    // by the interval when there is no clock or it stood still.
    std::int64_t tickTime_ = 0;
    std::int64_t clockAtTick_ = 0;
    Clock* clock_ = nullptr;
    std::unique_ptr<Timer> wakeTimer_;
};

}  // namespace verdo
