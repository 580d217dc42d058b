// Windows-1252 and UTF-8 for display, and for typed text Windows-1252 when it
// fits, UTF-8 when not. The code page is the one table in platform/Windows1252.h.
#include "text/DisplayText.h"

#include <algorithm>
#include <vector>

#include "platform/Utf8.h"
#include "platform/Windows1252.h"

namespace verdo {

namespace {

// Calls `each` with every code point of `text`, surrogate pairs joined.
template <class Each>
void forEachCodePoint(QStringView text, Each each) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text[i];
        char32_t codePoint = unit.unicode();
        if (unit.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            codePoint = QChar::surrogateToUcs4(unit, text[i + 1]);
            ++i;
        }
        each(codePoint);
    }
}

bool fitsWindows1252(QStringView text) {
    bool fits = true;
    forEachCodePoint(text, [&fits](char32_t c) {
        if (c != U'?' && unicodeToWindows1252(c) == '?') fits = false;
    });
    return fits;
}

void appendTyped(std::string& bytes, QStringView text, bool asUtf8) {
    if (asUtf8) {
        const QByteArray utf8 = text.toUtf8();
        bytes.append(utf8.constData(), static_cast<std::size_t>(utf8.size()));
        return;
    }
    forEachCodePoint(text, [&bytes](char32_t c) { bytes.push_back(unicodeToWindows1252(c)); });
}

// One stretch of a typed line: typed text, or a place showing known bytes.
struct Piece {
    QStringView text;
    const std::string* kept = nullptr;
};

}  // namespace

bool showsAsUtf8(std::string_view line) {
    return isUtf8BeyondAscii(line);
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
    return typedBytes(text, {});
}

std::string typedBytes(QStringView text, std::span<const KnownText> known) {
    // The longest known text is tried first.
    std::vector<std::pair<QString, const std::string*>> shown;
    for (const KnownText& k : known) {
        if (!k.shown.isEmpty()) shown.emplace_back(k.shown, &k.bytes);
    }
    std::stable_sort(shown.begin(), shown.end(),
                     [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });

    std::vector<Piece> pieces;
    qsizetype typedFrom = 0;
    for (qsizetype i = 0; i < text.size();) {
        const QStringView rest = text.sliced(i);
        const auto match = std::find_if(shown.begin(), shown.end(),
                                        [rest](const auto& s) { return rest.startsWith(s.first); });
        if (match == shown.end()) {
            ++i;
            continue;
        }
        if (i > typedFrom) pieces.push_back({text.sliced(typedFrom, i - typedFrom)});
        pieces.push_back({text.sliced(i, match->first.size()), match->second});
        i += match->first.size();
        typedFrom = i;
    }
    if (typedFrom < text.size()) pieces.push_back({text.sliced(typedFrom)});

    const bool asUtf8 = std::any_of(pieces.begin(), pieces.end(), [](const Piece& piece) {
        return piece.kept == nullptr && !fitsWindows1252(piece.text);
    });
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const Piece& piece : pieces) {
        if (piece.kept != nullptr) {
            bytes += *piece.kept;
        } else {
            appendTyped(bytes, piece.text, asUtf8);
        }
    }
    return bytes;
}

}  // namespace verdo
