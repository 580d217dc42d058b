// Console forms of the logic's text (see ConsoleText.h).
#include "app/headless/ConsoleText.h"

#include "text/DisplayText.h"

namespace verdo {

namespace {

constexpr std::uint32_t SystemColorBit = 0x80000000u;

std::string utf8(const QString& text) {
    return printableText(text).toStdString();
}

}  // namespace

QString printableText(const QString& text) {
    QString shown = text;
    for (QChar& c : shown) {
        if (c.category() != QChar::Other_Control) continue;
        const bool blank = c == u'\t' || c == u'\r' || c == u'\n';
        c = blank ? u' ' : u'?';
    }
    return shown;
}

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
        const std::string text = utf8(displayText(segment.text, asUtf8));
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
    return utf8(displayText(bytes));
}

}  // namespace verdo
