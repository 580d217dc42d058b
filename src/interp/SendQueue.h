// SendQueue: the lines waiting to be sent, kept by who asked for them. Lines
// leave in the order of their classes (typed, command, automatic, timed,
// playback) and in arrival order within a class. A timed message waits at most
// once: while its previous copy waits, a new one is not queued. Past
// `kMaxWaiting` lines the oldest automatic and timed lines are dropped, so a
// bot that is asked for more than the server lets it say keeps its memory and
// still answers its owners at once; typed, command and playback lines are
// never dropped.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

#include "protocol/SendClass.h"

namespace verdo {

class SendQueue {
  public:
    static constexpr std::size_t kMaxWaiting = 500;
    static constexpr int kNoTimer = -1;

    struct Line {
        std::string text;  // without the carriage return; the rest once pieces have left
        SendClass sendClass = SendClass::Typed;
        int timer = kNoTimer;       // the timed message's index in the timer list
        std::uint32_t arrival = 0;  // set by the queue
        // The length of the part each piece repeats, -1 when the line cannot
        // be cut; set by the queue while the text is at hand.
        std::int16_t keptPrefix = -1;
        std::uint8_t resends = 0;
        bool endsWithReturn : 1 = false;  // each piece is followed by a carriage return
        bool started : 1 = false;         // a piece of it has left
    };

    // Queues `line` behind the lines of its class. False, and nothing queued,
    // when it is a timed message whose previous copy still waits.
    bool push(Line line);
    // Puts a refused line back in front of its class.
    void pushFront(Line line);

    bool empty() const { return size_ == 0; }
    std::size_t size() const { return size_; }
    // The line that leaves next; only when not empty.
    Line& front();
    void popFront();
    bool timerWaiting(int timer) const;
    void clear();
    // The lines dropped past the bound since the last call.
    int takeDropped();

  private:
    static constexpr std::size_t kClasses = static_cast<std::size_t>(SendClass::Playback) + 1;
    std::deque<Line>& of(SendClass sendClass) {
        return classes_[static_cast<std::size_t>(sendClass)];
    }
    static void notePrefix(Line& line);
    // False when no line may be dropped.
    bool dropOldest();

    std::array<std::deque<Line>, kClasses> classes_;
    std::size_t size_ = 0;
    std::uint32_t arrivals_ = 1;  // 0 is kept for lines put back in front
    int dropped_ = 0;
};

}  // namespace verdo
