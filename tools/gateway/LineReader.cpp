// Line cutting for client input (see LineReader.h).
#include "LineReader.h"

namespace verdo::gateway {

LineReader::LineReader(std::function<void(const std::string&)> onLine) {
    // Carriage returns are kept by the splitter so that an empty line ended by a
    // CR (an empty password) still comes out; it is stripped here.
    splitter_.noReturn = false;
    splitter_.onLine = [deliver = std::move(onLine)](std::string_view line) {
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
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
