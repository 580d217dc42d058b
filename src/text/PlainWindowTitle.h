// Window titles that show their text as it is. A window title treats "[*]" as
// the place of the unsaved-changes mark and drops it, so a name from another
// user or a chat file holding "[*]" is escaped before it becomes a title.
#pragma once

#include <QString>

namespace verdo {

// `text` as a window title that shows every character, "[*]" included.
QString plainWindowTitle(QString text);

}  // namespace verdo
