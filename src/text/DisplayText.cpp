// Windows-1252 and UTF-8 for display, Windows-1252 for typed text. The code
// page is a fixed table: Latin-1 plus 32 characters in 0x80..0x9F. The five
// bytes the code page leaves undefined map to the control characters of the
// same value, as Windows does, so every byte survives a round trip.
#include "text/DisplayText.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <cstdint>

namespace verdo {

namespace {

constexpr std::array<char16_t, 32> HighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

char16_t windows1252ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return HighControlRange[byte - 0x80];
    return byte;
}

// The byte for one code point, or '?' when Windows-1252 has none.
char unicodeToWindows1252(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<char>(codePoint);
    }
    const auto found = std::find(HighControlRange.begin(), HighControlRange.end(),
                                 static_cast<char16_t>(codePoint));
    if (codePoint <= 0xFFFF && found != HighControlRange.end()) {
        return static_cast<char>(0x80 + (found - HighControlRange.begin()));
    }
    return '?';
}

bool hasHighBytes(std::string_view bytes) {
    return std::any_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

}  // namespace

bool showsAsUtf8(std::string_view line) {
    if (!hasHighBytes(line)) return false;
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString decoded = utf8.decode(QByteArrayView(line.data(), std::ssize(line)));
    return !utf8.hasError();
}

QString displayText(std::string_view bytes, bool asUtf8) {
    if (asUtf8) return QString::fromUtf8(bytes.data(), std::ssize(bytes));
    QString text(std::ssize(bytes), Qt::Uninitialized);
    std::transform(bytes.begin(), bytes.end(), text.begin(), [](char c) {
        return QChar(windows1252ToUnicode(static_cast<unsigned char>(c)));
    });
    return text;
}

QString displayText(std::string_view bytes) {
    return displayText(bytes, showsAsUtf8(bytes));
}

std::string typedBytes(QStringView text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text[i];
        char32_t codePoint = unit.unicode();
        if (unit.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            codePoint = QChar::surrogateToUcs4(unit, text[i + 1]);
            ++i;
        }
        bytes.push_back(unicodeToWindows1252(codePoint));
    }
    return bytes;
}

}  // namespace verdo
