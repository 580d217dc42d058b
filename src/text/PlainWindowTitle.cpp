// Escaped window-title text (see PlainWindowTitle.h).
#include "text/PlainWindowTitle.h"

namespace verdo {

QString plainWindowTitle(QString text) {
    // A doubled mark is the title's escape for one literal "[*]".
    return text.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

}  // namespace verdo
