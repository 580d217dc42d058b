// Random bytes in random chunks through the line reader of standard input. The
// lines it gives must be exactly those of a plain reading of the whole input
// (ends at LF, CR LF or a lone CR), however the bytes were cut into chunks: a
// long line in pieces of the bound, or cut at the bound.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/LineReader.h"

namespace {

// The whole input read at once.
std::vector<std::string> expectedLines(std::string_view input, std::size_t maxLine,
                                       verdo::LineReader::LongLines longLines) {
    std::vector<std::string> lines;
    const auto add = [&](std::string_view line) {
        if (longLines == verdo::LineReader::LongLines::Cut || line.empty()) {
            lines.emplace_back(line.substr(0, maxLine));
            return;
        }
        for (std::size_t at = 0; at < line.size(); at += maxLine)
            lines.emplace_back(line.substr(at, maxLine));
    };
    std::size_t start = 0;
    while (start < input.size()) {
        const std::size_t end = input.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            add(input.substr(start));  // the unfinished last line, never empty here
            break;
        }
        add(input.substr(start, end - start));
        start = end + 1;
        if (input[end] == '\r' && start < input.size() && input[start] == '\n') ++start;
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    // The first byte chooses the bound and the way, the second the chunking.
    const std::size_t maxLine = data[0] % 64;  // 0 counts as 1
    const auto longLines =
        data[0] & 0x80 ? verdo::LineReader::LongLines::Cut : verdo::LineReader::LongLines::Split;
    const unsigned chunking = data[1];
    const std::string_view input(reinterpret_cast<const char*>(data + 2), size - 2);

    std::vector<std::string> lines;
    verdo::LineReader reader(maxLine, longLines,
                             [&](const std::string& line) { lines.push_back(line); });
    std::size_t at = 0;
    for (unsigned n = 0; at < input.size(); ++n) {
        const std::size_t length = (chunking >> (n % 8) & 1) ? 1 + (at * 7 + n) % 23 : 1;
        const std::size_t take = length < input.size() - at ? length : input.size() - at;
        reader.feed(input.substr(at, take));
        at += take;
    }
    reader.finish();
    reader.finish();  // a second end gives nothing more

    const std::size_t bound = maxLine == 0 ? 1 : maxLine;
    for (const std::string& line : lines)
        if (line.size() > bound || line.find_first_of("\r\n") != std::string::npos) std::abort();
    if (lines != expectedLines(input, bound, longLines)) std::abort();
    return 0;
}
