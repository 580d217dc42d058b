// Names dragged from the user lists onto the entry line (see NameDrag.h).
#include "ui/NameDrag.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>

namespace verdo {

namespace {

// Holds the object name of the list the drag comes from.
constexpr char UserListFormat[] = "application/x-verdochat-user-list";

bool isUserList(const QByteArray& listName) {
    return listName == "lstUser" || listName == "lstDef";
}

}  // namespace

QMimeData* userNameMime(const QListWidget& from, const QString& name) {
    auto* mime = new QMimeData;
    mime->setText(name);
    mime->setData(UserListFormat, from.objectName().toLatin1());
    return mime;
}

std::optional<QString> draggedUserName(const QMimeData* mime) {
    if (mime == nullptr || !isUserList(mime->data(UserListFormat)) || !mime->hasText())
        return std::nullopt;
    return mime->text();
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
        if (mouse->button() == Qt::LeftButton && item != nullptr) pressedName_ = item->text();
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

EntryNameDrop::EntryNameDrop(QLineEdit& entry) : QObject(&entry), entry_(entry) {
    entry.setAcceptDrops(true);
    entry.installEventFilter(this);
}

bool EntryNameDrop::eventFilter(QObject* /*watched*/, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const std::optional<QString> name = draggedUserName(drop->mimeData());
    if (!name) {
        drop->ignore();  // only names from the user lists
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) {
        entry_.setCursorPosition(entry_.cursorPositionAt(drop->position().toPoint()));
        entry_.deselect();
        entry_.insert(*name);
    }
    return true;
}

}  // namespace verdo
