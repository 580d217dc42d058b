// EntryNameDrop: a user name dropped on the entry line goes in at the
// character under the pointer.
#pragma once

#include <QObject>

namespace verdo {

class TTabEdit;

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
