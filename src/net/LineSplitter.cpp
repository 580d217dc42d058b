// Line cutting for the connection (see LineSplitter.h).
#include "net/LineSplitter.h"

#include "platform/ByteSearch.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace verdo {

namespace {
constexpr std::size_t npos = std::string::npos;

// The first CR or LF in [from, to), or npos. One pass: sixteen bytes at a time
// where SSE2 is there (every x86-64), else eight at a time in a word.
std::size_t findTerminator(std::string_view text, std::size_t from, std::size_t to) {
    const char* data = text.data();
    std::size_t i = from;
#if defined(__SSE2__)
    const __m128i returns = _mm_set1_epi8('\r');
    const __m128i feeds = _mm_set1_epi8('\n');
    for (; i + 16 <= to; i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        const int mask = _mm_movemask_epi8(
            _mm_or_si128(_mm_cmpeq_epi8(chunk, returns), _mm_cmpeq_epi8(chunk, feeds)));
        if (mask != 0)
            return i + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
    }
#endif
    for (; i + 8 <= to; i += 8) {
        const std::uint64_t word = bytes::loadWord(data + i);
        if (bytes::matchMask(word, '\r') != 0 || bytes::matchMask(word, '\n') != 0) break;
    }
    for (; i < to; ++i) {
        if (data[i] == '\r' || data[i] == '\n') return i;
    }
    return npos;
}
}  // namespace

void LineSplitter::feed(std::string_view bytes) {
    if (depth_ > 0) {
        pending_.append(bytes);
        return;
    }
    if (head_ < buffer_.size()) {
        buffer_.append(bytes);
        cutAll();
        return;
    }
    // Nothing held: lines are cut straight from the caller's bytes, and only
    // an unfinished tail is copied.
    buffer_.clear();
    head_ = scan_ = 0;
    caller_ = bytes;
    fromCaller_ = true;
    cutLines();
    fromCaller_ = false;
    buffer_.assign(caller_.substr(std::min(head_, caller_.size())));
    scan_ -= std::min(head_, scan_);
    head_ = 0;
    cutAll();
}

void LineSplitter::clear() {
    if (depth_ > 0) clearedInside_ = true;
    pending_.clear();
    reset();
}

void LineSplitter::reset() {
    // Inside a delivery the bytes stay allocated (the handler's view points
    // there); `head_` at the end makes them count as consumed.
    if (depth_ == 0 && !fromCaller_) buffer_.clear();
    head_ = scan_ = held().size();
}

void LineSplitter::cutLines() {
    for (std::size_t end = findLineEnd(); end != npos; end = findLineEnd())
        deliver(end);
}

void LineSplitter::cutAll() {
    for (;;) {
        cutLines();
        if (pending_.empty()) break;
        compact();
        buffer_.append(pending_);
        pending_.clear();
    }
    compact();
}

// The end (one past the terminator) of the next piece, or npos when none is
// complete yet. The last byte held is never examined.
std::size_t LineSplitter::findLineEnd() {
    const std::string_view data = held();
    if (scan_ < head_) scan_ = head_;
    const std::size_t examinable = data.empty() ? 0 : data.size() - 1;
    // The LF of a CR LF pair is a piece that filtering empties: skip it here.
    while (noLineFeed && head_ == scan_ && scan_ < examinable && data[scan_] == '\n') {
        head_ = ++scan_;
    }
    // Never look further than the bound: a piece is cut there anyway.
    const std::size_t limit = std::min(examinable, head_ + kMaxHeld);
    const std::size_t at = findTerminator(data, scan_, limit);
    std::size_t end = at == npos ? npos : at + 1;
    if (end == npos) {
        scan_ = limit > head_ ? limit : head_;
        if (data.size() - head_ < kMaxHeld) return npos;
        end = head_ + kMaxHeld;
    }
    return end;
}

void LineSplitter::deliver(std::size_t end) {
    std::string_view piece = held().substr(head_, end - head_);
    head_ = scan_ = end;
    // A piece holds at most one terminator, its last byte.
    const char last = piece.back();
    if ((noLineFeed && last == '\n') || (noReturn && last == '\r')) piece.remove_suffix(1);
    if (piece.empty() || !onLine) return;
    struct Delivering {
        LineSplitter& splitter;
        explicit Delivering(LineSplitter& s) : splitter(s) { ++splitter.depth_; }
        ~Delivering() {
            if (--splitter.depth_ == 0 && splitter.clearedInside_) {
                splitter.clearedInside_ = false;
                splitter.reset();
            }
        }
    } delivering(*this);
    onLine(piece);
}

void LineSplitter::compact() {
    if (depth_ > 0 || fromCaller_ || head_ == 0) return;
    if (head_ == buffer_.size()) {
        reset();
    } else if (head_ >= 4096 && head_ * 2 >= buffer_.size()) {
        buffer_.erase(0, head_);
        scan_ -= head_;
        head_ = 0;
    }
}

}  // namespace verdo
