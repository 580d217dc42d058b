// Random bytes through the conversions between the core's 8-bit text and the
// text on screen. Windows-1252 bytes come back unchanged when shown text is
// typed again; any shown text, typed again and read the way it was written,
// shows the same; a name shown in a typed line keeps the bytes it came with.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/Utf8.h"
#include "platform/Windows1252.h"
#include "text/DisplayText.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

bool fitsWindows1252(const QString& text) {
    for (const QChar unit : text)
        if (unit != u'?' && verdo::unicodeToWindows1252(unit.unicode()) == '?') return false;
    return true;
}

// Typed text read back the way it was written.
void requireTypedShowsAs(const QString& shown) {
    const std::string typed = verdo::typedBytes(shown);
    require(verdo::displayText(typed, !fitsWindows1252(shown)) == shown);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const bool asUtf8 = verdo::showsAsUtf8(bytes);
    require(asUtf8 == verdo::isUtf8BeyondAscii(bytes));
    const QString shown = verdo::displayText(bytes);
    require(shown == verdo::displayText(bytes, asUtf8));

    const QString asCodePage = verdo::displayText(bytes, false);
    require(asCodePage.size() == static_cast<qsizetype>(bytes.size()));
    require(verdo::typedBytes(asCodePage) == bytes);
    if (asUtf8) {
        require(shown == QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())));
        requireTypedShowsAs(shown);
    }

    // The bytes as UTF-16 code units: any text a user could type.
    QString units;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        units += QChar(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) << 8 |
                                             static_cast<unsigned char>(bytes[i + 1])));
    if (fitsWindows1252(units)) requireTypedShowsAs(units);
    const std::string typed = verdo::typedBytes(units);
    // Beyond the code page it is UTF-8 (a lone surrogate cannot be written).
    if (!fitsWindows1252(units) && units.isValidUtf16()) require(verdo::isUtf8BeyondAscii(typed));

    // A name shown inside a typed line keeps its bytes.
    const std::string_view name = bytes.substr(0, bytes.size() / 3);
    const QString shownName = verdo::displayText(name);
    const verdo::KnownText known[] = {{shownName, std::string(name)}};
    const std::string line =
        verdo::typedBytes(QStringLiteral("/w ") + shownName + u' ' + units, known);
    if (!shownName.isEmpty()) require(line.find(name) != std::string::npos);
    return 0;
}
