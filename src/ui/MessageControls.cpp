// The window side of messages and typing (see MessageControls.h).
#include "ui/MessageControls.h"

#include <QApplication>
#include <QListWidget>
#include <QStatusBar>
#include <functional>

#include "controls/TabEdit.h"
#include "ui/ChatWidgets.h"
#include "ui/EntryNameDrop.h"
#include "ui/FormKeyFilter.h"
#include "ui/UserListDrag.h"
#include "ui/UserNameItem.h"

namespace verdo {

namespace {

// Runs `onClick` for each click on the watched widget itself or on children
// that leave the click to it.
class ClickWatcher : public QObject {
  public:
    ClickWatcher(QWidget& watched, QObject* owner, std::function<void()> onClick)
        : QObject(owner), onClick_(std::move(onClick)) {
        watched.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease) onClick_();
        return false;
    }

  private:
    std::function<void()> onClick_;
};

void insertSelectedName(const QListWidget& list, TTabEdit& entry) {
    const QList<QListWidgetItem*> selected = list.selectedItems();
    if (!selected.isEmpty()) entry.insertBytes(userNameBytes(*selected.front()));
}

}  // namespace

MessageControls::MessageControls(QWidget& window, ChatWidgets& widgets, const MainActions& actions,
                                 ChatForm& form)
    : widgets_(widgets) {
    qApp->installEventFilter(new FormKeyFilter(window, widgets, actions, form, this));
    keepOneSelection(*widgets.lstUser, *widgets.lstDef);
    new UserListDrag(*widgets.lstUser);
    new UserListDrag(*widgets.lstDef);
    new EntryNameDrop(*widgets.edEntry);

    // pnlEntryClick and StatusBarClick.
    auto focusEntry = [&widgets] { widgets.focusEntry(); };
    new ClickWatcher(*widgets.edEntry->parentWidget(), this, focusEntry);
    new ClickWatcher(*widgets.StatusBar, this, focusEntry);
}

void MessageControls::altN() {
    insertSelectedName(*widgets_.lstUser, *widgets_.edEntry);
    insertSelectedName(*widgets_.lstDef, *widgets_.edEntry);
}

}  // namespace verdo
