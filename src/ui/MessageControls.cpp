// The window side of messages and typing (see MessageControls.h).
#include "ui/MessageControls.h"

#include <QApplication>
#include <QMainWindow>
#include <QStatusBar>
#include <functional>

#include "controls/TabEdit.h"
#include "ui/ChatWidgets.h"
#include "ui/EntryNameDrop.h"
#include "ui/FormKeyFilter.h"
#include "ui/UserListDrag.h"

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

}  // namespace

MessageControls::MessageControls(QMainWindow& window, ChatWidgets& widgets,
                                 const MainActions& actions, ChatForm& form)
    : widgets_(widgets) {
    qApp->installEventFilter(new FormKeyFilter(window, widgets, actions, form, this));
    keepOneSelection(widgets.rosterList(), widgets.customList());
    new UserListDrag(widgets.rosterList());
    new UserListDrag(widgets.customList());
    new EntryNameDrop(widgets.entry());

    // pnlEntryClick and StatusBarClick.
    auto focusEntry = [&widgets] { widgets.focusEntry(); };
    new ClickWatcher(*widgets.entry().parentWidget(), this, focusEntry);
    new ClickWatcher(*window.statusBar(), this, focusEntry);
}

void MessageControls::altN() {
    for (const std::optional<std::string>& name :
         {widgets_.selectedRosterName(), widgets_.selectedCustomName()}) {
        if (name) widgets_.entry().insertBytes(*name);
    }
}

}  // namespace verdo
