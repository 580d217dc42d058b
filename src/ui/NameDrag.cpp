// Names dragged from the user lists onto the entry line (see NameDrag.h).
#include "ui/NameDrag.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>

#include "controls/TabEdit.h"
#include "text/DisplayText.h"
#include "ui/UserNameItem.h"

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

UserListDrag::UserListDrag(QListWidget& list) : QObject(&list), list_(list) {
    list.viewport()->installEventFilter(this);
}

bool UserListDrag::eventFilter(QObject* /*watched*/, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QListWidgetItem* item = list_.itemAt(mouse->position().toPoint());
        pressedName_.reset();
        if (mouse->button() == Qt::LeftButton && item != nullptr)
            pressedName_ = userNameBytes(*item);
        pressedAt_ = mouse->position().toPoint();
    } else if (event->type() == QEvent::MouseMove && pressedName_) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint moved = mouse->position().toPoint() - pressedAt_;
        if ((mouse->buttons() & Qt::LeftButton) &&
            moved.manhattanLength() >= QApplication::startDragDistance()) {
            startDrag();
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonRelease) {
        pressedName_.reset();
    }
    return false;
}

void UserListDrag::startDrag() {
    dragName_ = *pressedName_;
    pressedName_.reset();
    auto* drag = new QDrag(&list_);
    drag->setMimeData(userNameMime(list_, dragName_));
    drag->exec(Qt::CopyAction);
}

EntryNameDrop::EntryNameDrop(TTabEdit& entry) : QObject(&entry), entry_(entry) {
    entry.lineEdit()->setAcceptDrops(true);
    entry.lineEdit()->installEventFilter(this);
}

bool EntryNameDrop::eventFilter(QObject* /*watched*/, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const std::optional<std::string> name = draggedUserName(drop->mimeData());
    if (!name) {
        drop->ignore();  // only names from the user lists
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) {
        QLineEdit& line = *entry_.lineEdit();
        line.setCursorPosition(line.cursorPositionAt(drop->position().toPoint()));
        line.deselect();
        entry_.insertBytes(*name);
    }
    return true;
}

}  // namespace verdo
