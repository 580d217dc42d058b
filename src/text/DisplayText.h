// The two conversions between the 8-bit text the core carries and the text on
// screen. Shared by the window and the console runner, so it needs Qt Core only.
#pragma once

#include <QString>
#include <QStringView>
#include <span>
#include <string>
#include <string_view>

namespace verdo {

// Bytes as they are shown: Windows-1252, except a line that is valid UTF-8 and
// holds multi-byte sequences, which is shown as UTF-8.
QString displayText(std::string_view bytes);

// The same in two steps, for a line handed over in parts: decide once for the
// whole line, then convert each part the same way.
bool showsAsUtf8(std::string_view line);
QString displayText(std::string_view bytes, bool asUtf8);

// What the user typed, as the bytes the core sends: Windows-1252 when the code
// page holds every character, otherwise UTF-8, so that nothing typed is lost.
std::string typedBytes(QStringView text);

// Text on screen whose bytes are known: a name as the server sent it, a line
// as it was sent.
struct KnownText {
    QString shown;
    std::string bytes;
};

// The same for a line that also shows known text: each place that shows one
// of `known` keeps its bytes, and the rest is converted as typed text, decided
// once for all of it.
std::string typedBytes(QStringView text, std::span<const KnownText> known);

}  // namespace verdo
