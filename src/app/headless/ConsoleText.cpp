// Console forms of the logic's text (see ConsoleText.h).
#include "app/headless/ConsoleText.h"

#include "platform/PrintableText.h"
#include "text/DisplayText.h"

namespace verdo {

namespace {

constexpr std::uint32_t SystemColorBit = 0x80000000u;

// Printable first, on the bytes, so that the console and the chat-file
// listings filter alike.
std::string utf8(std::string_view bytes, bool asUtf8) {
    return displayText(printableText(bytes, asUtf8), asUtf8).toStdString();
}

}  // namespace

std::string colorEscape(std::uint32_t color) {
    if ((color & SystemColorBit) != 0) return {};
    const unsigned red = color & 0xFFu;
    const unsigned green = (color >> 8) & 0xFFu;
    const unsigned blue = (color >> 16) & 0xFFu;
    return "\x1b[38;2;" + std::to_string(red) + ';' + std::to_string(green) + ';' +
           std::to_string(blue) + 'm';
}

std::string consoleLine(const ChatLine& line, bool colored) {
    const bool asUtf8 = showsAsUtf8(line[0].text + line[1].text + line[2].text);
    std::string out;
    for (const ChatSegment& segment : line) {
        if (segment.text.empty()) continue;
        const std::string text = utf8(segment.text, asUtf8);
        if (!colored) {
            out += text;
            continue;
        }
        const std::string escape = colorEscape(segment.color);
        out += escape + text;
        if (!escape.empty()) out += ResetEscape;
    }
    return out;
}

std::string consoleText(const std::string& bytes) {
    return utf8(bytes, showsAsUtf8(bytes));
}

}  // namespace verdo
