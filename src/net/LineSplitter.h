// Cuts a received byte stream into lines.
//
// A line ends at a carriage return or a line feed. The last byte held is never
// taken as a line end, so a CR LF pair split across two packets is cut at the
// CR only once the LF (or any later byte) has arrived; the LF then comes out as
// a piece of its own that is empty after filtering and is dropped.
//
// The splitter may be re-entered: a handler of a delivered line may run a nested
// event loop that feeds more bytes. State is re-read after every delivery, so the
// lines still come out complete, once each, in arrival order. The cost is linear
// in the bytes fed: lines are cut by moving an offset, and the consumed front is
// dropped only when it outweighs what is still held.
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
    std::function<void(const std::string&)> onLine;

    void feed(std::string_view bytes);
    void clear();
    std::size_t heldBytes() const { return buffer_.size() - head_; }

private:
    bool cutNextPiece(std::string& piece);
    void deliver(std::string piece);
    void compact();

    std::string buffer_;
    std::size_t head_ = 0;  // first byte not yet delivered
    std::size_t scan_ = 0;  // first byte not yet examined as a line end
};

}  // namespace verdo
