// Dragging a user name from the roster or the custom user list and dropping it
// into the entry line at the character under the pointer.
#pragma once

#include <QObject>
#include <QPoint>
#include <optional>
#include <string>

class QListWidget;
class QMimeData;

namespace verdo {

class TTabEdit;

// The drag's data: the name as text and as its bytes, and the list it comes from.
QMimeData* userNameMime(const QListWidget& from, const std::string& name);
// The dragged name's bytes when the drag comes from one of the two user lists.
std::optional<std::string> draggedUserName(const QMimeData* mime);
// The object name of the user list the drag comes from; empty for other drags.
QString userListOf(const QMimeData* mime);

// Starts a drag when the mouse moves far enough with the button held on a row.
class UserListDrag : public QObject {
    Q_OBJECT

  public:
    explicit UserListDrag(QListWidget& list);

    // The name being dragged, remembered when the drag starts.
    const std::string& DragName() const { return dragName_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void startDrag();
    QListWidget& list_;
    std::optional<std::string> pressedName_;
    QPoint pressedAt_;
    std::string dragName_;
};

// edEntryDragOver and edEntryDragDrop on the entry's edit field.
class EntryNameDrop : public QObject {
    Q_OBJECT

  public:
    explicit EntryNameDrop(TTabEdit& entry);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    TTabEdit& entry_;
};

}  // namespace verdo
