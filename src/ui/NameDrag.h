// The data of a user name dragged from the roster or the custom user list:
// the name as text and as its bytes, and the list it comes from.
#pragma once

#include <QString>
#include <optional>
#include <string>

class QListWidget;
class QMimeData;

namespace verdo {

// The drag's data: the name as text and as its bytes, and the list it comes from.
QMimeData* userNameMime(const QListWidget& from, const std::string& name);
// The dragged name's bytes when the drag comes from one of the two user lists.
std::optional<std::string> draggedUserName(const QMimeData* mime);
// The object name of the user list the drag comes from; empty for other drags.
QString userListOf(const QMimeData* mime);

}  // namespace verdo
