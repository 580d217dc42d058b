// The two conversions between the 8-bit text the core carries and the text on
// screen. Shared by the window and the console runner, so it needs Qt Core only.
#pragma once

#include <QString>
#include <QStringView>
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

// What the user typed, as the bytes the core sends: Windows-1252, and "?" for
// each character that code page cannot hold.
std::string typedBytes(QStringView text);

}  // namespace verdo
