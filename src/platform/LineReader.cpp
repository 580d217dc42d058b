// Line cutting (see LineReader.h).
#include "platform/LineReader.h"

#include <algorithm>

namespace verdo {

LineReader::LineReader(std::size_t maxLine, LongLines longLines,
                       std::function<void(const std::string&)> onLine)
    : maxLine_(std::max<std::size_t>(maxLine, 1)),
      longLines_(longLines),
      onLine_(std::move(onLine)) {}

void LineReader::feed(std::string_view bytes) {
    while (!bytes.empty()) {
        if (afterReturn_ && bytes.front() == '\n') bytes.remove_prefix(1);
        afterReturn_ = false;
        const std::size_t end = bytes.find_first_of("\r\n");
        const std::string_view text = bytes.substr(0, end);
        // Only what fits below the bound is held; the rest is delivered in
        // pieces or dropped as it comes.
        for (std::size_t at = 0; at < text.size();) {
            if (dropping_) break;
            const std::size_t take = std::min(text.size() - at, maxLine_ - held_.size());
            held_.append(text.substr(at, take));
            at += take;
            if (held_.size() < maxLine_) break;
            if (longLines_ == LongLines::Cut) {
                deliver();
                dropping_ = true;
            } else if (at < text.size()) {
                deliver();  // a full piece, and more of the line follows
            }
        }
        if (end == std::string_view::npos) return;
        if (!dropping_ || !held_.empty()) deliver();
        dropping_ = false;
        afterReturn_ = bytes[end] == '\r';
        bytes.remove_prefix(end + 1);
    }
}

void LineReader::finish() {
    if (!held_.empty()) deliver();
    dropping_ = false;
    afterReturn_ = false;
}

void LineReader::deliver() {
    std::string line;
    line.swap(held_);
    if (onLine_) onLine_(line);
}

}  // namespace verdo
