// UserListDrag: dragging a user name from the roster or the custom user list.
#pragma once

#include <QObject>
#include <QPoint>
#include <optional>
#include <string>

class QListWidget;

namespace verdo {

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

}  // namespace verdo
