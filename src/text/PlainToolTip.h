// Tool tips that show their text as it is. A tool tip is laid out as markup
// whenever its text looks like markup, so text from the server, another user or
// a chat file is escaped before it becomes one.
#pragma once

#include <QString>

namespace verdo {

// `text` as a tool tip that shows every character literally, keeping its line
// breaks and spaces; empty stays empty (no tool tip).
QString plainToolTip(const QString& text);

}  // namespace verdo
