// Dragging a user name from a user list (see UserListDrag.h).
#include "ui/UserListDrag.h"

#include <QApplication>
#include <QDrag>
#include <QListWidget>
#include <QMouseEvent>

#include "ui/NameDrag.h"
#include "ui/UserNameItem.h"

namespace verdo {

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

}  // namespace verdo
