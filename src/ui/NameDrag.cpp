// The drag data of a user name (see NameDrag.h).
#include "ui/NameDrag.h"

#include <QListWidget>
#include <QMimeData>

#include "text/DisplayText.h"

namespace verdo {

namespace {

// Hold the object name of the list the drag comes from, and the name's bytes.
constexpr char UserListFormat[] = "application/x-verdochat-user-list";
constexpr char UserNameFormat[] = "application/x-verdochat-user-name";

bool isUserList(const QByteArray& listName) {
    return listName == "lstUser" || listName == "lstDef";
}

}  // namespace

QMimeData* userNameMime(const QListWidget& from, const std::string& name) {
    auto* mime = new QMimeData;
    mime->setText(displayText(name));
    mime->setData(UserNameFormat, QByteArray(name.data(), static_cast<qsizetype>(name.size())));
    mime->setData(UserListFormat, from.objectName().toLatin1());
    return mime;
}

std::optional<std::string> draggedUserName(const QMimeData* mime) {
    if (mime == nullptr || !isUserList(mime->data(UserListFormat)) ||
        !mime->hasFormat(UserNameFormat))
        return std::nullopt;
    return mime->data(UserNameFormat).toStdString();
}

QString userListOf(const QMimeData* mime) {
    if (mime == nullptr || !isUserList(mime->data(UserListFormat))) return {};
    return QString::fromLatin1(mime->data(UserListFormat));
}

}  // namespace verdo
