// Line cutting for client input (see LineReader.h).
#include "LineReader.h"

namespace verdo::gateway {

LineReader::LineReader(std::function<void(const std::string&)> onLine) {
    splitter_.onLine = [deliver = std::move(onLine)](std::string_view line) {
        deliver(std::string(line.substr(0, kMaxLine)));
    };
}

void LineReader::feed(std::string_view bytes) {
    if (bytes.empty()) return;
    splitter_.feed(bytes);
    const char last = bytes.back();
    if (last == '\r' || last == '\n') splitter_.feed("\n");
}

}  // namespace verdo::gateway
