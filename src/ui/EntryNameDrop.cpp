// A user name dropped on the entry line (see EntryNameDrop.h).
#include "ui/EntryNameDrop.h"

#include <QDropEvent>
#include <QLineEdit>

#include "controls/TabEdit.h"
#include "ui/NameDrag.h"

namespace verdo {

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
