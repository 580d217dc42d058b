// TBnetChat: the interpreter of the Battle.net chat gateway protocol. It turns
// each received line into one typed event, builds the log-on bytes and paces
// outgoing lines so that the server's flood protection is never tripped: the
// queue lets lines leave by class, a budget of the server's message quota holds
// back lines that would exceed it and cuts long lines into pieces that fill
// each quota window, and the flood timer gives the shortest gap before a short
// line. A line the server refuses is sent again.
#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <string>

#include "interp/BaseInterpreter.h"
#include "interp/PacingRules.h"
#include "interp/SendPacer.h"
#include "interp/SendQueue.h"
#include "platform/Clock.h"
#include "platform/Timer.h"
#include "protocol/SendClass.h"

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
    // `text` is the whole line, its carriage return included; it is sent as
    // typed.
    void SendLine(const std::string& text) override;
    // The same for a line of `sendClass`; `timer` is a timed message's index in
    // the timer list. False when the line is not queued: a timed message whose
    // previous copy still waits, or no connection.
    bool SendLine(const std::string& text, SendClass sendClass, int timer = SendQueue::kNoTimer);

    bool Logon();
    int QueueCount() const { return static_cast<int>(queue_.size()); }
    bool SendReady() const { return sendReady_; }

    int FloodInterval() const { return floodTimer_ ? floodTimer_->interval() : 0; }
    Timer& FloodTimer() { return *floodTimer_; }
    // Changing the interval restarts the period; the same value changes nothing.
    void setFloodInterval(int milliseconds);

    // The server's quota; setting it also resets the cut length.
    const PacingRules& Pacing() const { return pacer_.rules(); }
    void setPacing(const PacingRules& rules);
    // No piece of a cut line is longer than this.
    std::size_t SplitLength() const { return pacer_.splitLength(); }
    // Times the quota by `clock` and lets a held line leave, through
    // `wakeTimer`, as soon as the quota allows rather than at the next flood
    // tick. Without a clock the queue counts time in flood-timer periods.
    void usePacingClock(Clock& clock, std::unique_ptr<Timer> wakeTimer);

    std::string Password;
    std::string UserName = "Guest";

    // A line (without its carriage return) that the server refused every time
    // it was sent, or refused for a length it cannot lose; it is not sent again.
    tBaseEvent OnNotDelivered;
    // Automatic or timed lines were dropped because too many lines waited; at
    // most once a second, with the number dropped since the last time.
    std::function<void(int count)> OnLinesDropped;

    // The code of a line: its first four characters as a number, 0 when they are
    // not one.
    static int lineCode(std::string_view line);

  private:
    static constexpr std::int64_t kDropReportMilliseconds = 1000;
    enum class Trigger { Idle, Tick, Wake };

    void floodTick();
    void wake();
    void dispatch(int code, std::string_view line);
    // Sends what the quota and the shortest gap allow now; arranges to be
    // woken when the quota will allow the next line.
    void pump(Trigger trigger);
    void sendFront(std::int64_t time);
    void wakeAt(std::int64_t at);
    void refused(bool forLength);
    void notDelivered(const SendQueue::Line& line);
    void reportDropped();
    void resetQuota();
    std::int64_t now() const;

    std::unique_ptr<Timer> floodTimer_;
    SendQueue queue_;
    bool sendReady_ = true;

    SendPacer pacer_{PacingRules{}};
    std::optional<SendQueue::Line> lastSent_;  // what a refusal refers to
    std::int64_t lastSentAt_ = std::numeric_limits<std::int64_t>::min() / 2;
    int droppedUnreported_ = 0;
    std::int64_t lastDropReport_ = std::numeric_limits<std::int64_t>::min() / 2;
    // Pacing time: advanced at each flood tick by the clock's elapsed time, or
    // by the interval when there is no clock or it stood still.
    std::int64_t tickTime_ = 0;
    std::int64_t clockAtTick_ = 0;
    Clock* clock_ = nullptr;
    std::unique_ptr<Timer> wakeTimer_;
};

}  // namespace verdo
