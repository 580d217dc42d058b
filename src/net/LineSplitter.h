// Cuts a received byte stream into lines.
//
// A line ends at a carriage return or a line feed. The last byte held is never
// taken as a line end, so a CR LF pair split across two packets is cut at the
// CR only once the LF (or any later byte) has arrived; the LF then comes out as
// a piece of its own that is empty after filtering and is dropped.
//
// Lines are handed out as views into the held bytes (or, when nothing was
// held, into the bytes being fed), valid for the duration of the call. A handler may re-enter:
// bytes fed while a line is being delivered (a nested event loop) are queued and cut after the
// current line, so every line still comes out complete, once each, in arrival order, and no view
// ever dangles. The cost is linear in the bytes fed: each byte is examined once (eight at a time),
// lines are cut by moving an offset, and the consumed front is dropped only when it outweighs what
// is still held.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace verdo {

class LineSplitter {
  public:
    // Bytes held without a line end are delivered as one piece at this size, so a
    // peer that never ends a line cannot exhaust memory.
    static constexpr std::size_t kMaxHeld = 65536;

    bool noLineFeed = true;  // remove every LF byte from a piece
    bool noReturn = true;    // remove every CR byte from a piece
    std::function<void(std::string_view)> onLine;

    void feed(std::string_view bytes);
    // Forgets every held byte; from inside a handler, also those queued.
    void clear();
    std::size_t heldBytes() const { return held().size() - head_ + pending_.size(); }

  private:
    // The bytes being cut: the caller's own while they are cut in place.
    std::string_view held() const { return fromCaller_ ? caller_ : std::string_view(buffer_); }
    void cutLines();
    void cutAll();
    std::size_t findLineEnd();
    void deliver(std::size_t end);
    void compact();
    void reset();

    std::string buffer_;
    std::string pending_;   // bytes fed while a line was being delivered
    std::size_t head_ = 0;  // first byte not yet delivered
    std::size_t scan_ = 0;  // first byte not yet examined as a line end
    int depth_ = 0;         // deliveries in progress
    bool clearedInside_ = false;
    std::string_view caller_;  // the bytes of the feed in progress
    bool fromCaller_ = false;
};

}  // namespace verdo
