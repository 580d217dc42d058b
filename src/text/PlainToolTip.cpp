// Escaped tool-tip text (see PlainToolTip.h).
#include "text/PlainToolTip.h"

namespace verdo {

QString plainToolTip(const QString& text) {
    if (text.isEmpty()) return text;
    // Always markup, so the decision never depends on what the text holds;
    // "pre" keeps the line breaks and runs of spaces a plain tip would show.
    return QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() +
           QStringLiteral("</p>");
}

}  // namespace verdo
