// Line cutting for the connection (see LineSplitter.h).
#include "net/LineSplitter.h"

#include <algorithm>
#include <cstring>

namespace verdo {

void LineSplitter::feed(std::string_view bytes) {
    buffer_.append(bytes);
    std::string piece;
    while (cutNextPiece(piece)) deliver(std::move(piece));
    compact();
}

void LineSplitter::clear() {
    buffer_.clear();
    head_ = 0;
    scan_ = 0;
}

bool LineSplitter::cutNextPiece(std::string& piece) {
    scan_ = std::max(scan_, head_);
    // The last byte held is never examined, hence size() - 1.
    const std::size_t examinable = buffer_.empty() ? 0 : buffer_.size() - 1;
    std::size_t end = std::string::npos;
    for (std::size_t i = scan_; i < examinable; ++i) {
        const char c = buffer_[i];
        if (c == '\r' || c == '\n') {
            end = i + 1;
            break;
        }
        // Checked in the loop so that a huge packet is cut into bounded pieces.
        if (i + 1 - head_ >= kMaxHeld) {
            end = i + 1;
            break;
        }
    }
    if (end == std::string::npos) {
        scan_ = std::max(examinable, head_);
        if (heldBytes() < kMaxHeld) return false;
        end = head_ + kMaxHeld;
    }
    piece.assign(buffer_, head_, end - head_);
    head_ = end;
    scan_ = end;
    return true;
}

void LineSplitter::deliver(std::string piece) {
    auto dropped = [this](char c) { return (noLineFeed && c == '\n') || (noReturn && c == '\r'); };
    piece.erase(std::remove_if(piece.begin(), piece.end(), dropped), piece.end());
    if (!piece.empty() && onLine) onLine(piece);
}

void LineSplitter::compact() {
    if (head_ == 0) return;
    if (head_ == buffer_.size()) {
        clear();
    } else if (head_ >= 4096 && head_ * 2 >= buffer_.size()) {
        buffer_.erase(0, head_);
        scan_ -= head_;
        head_ = 0;
    }
}

}  // namespace verdo
