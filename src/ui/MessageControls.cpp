// Wires the window side of messages and typing: the keys seen before the
// focused control, dragging names onto the entry, Alt+N, clicks that give the
// entry the focus, the edit actions' enabling and the sound menu.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QStatusBar>
#include <QToolBar>
#include <functional>

#include "controls/TabEdit.h"
#include "ui/Chat.h"
#include "ui/EntryKeys.h"
#include "ui/NameDrag.h"
#include "ui/UserNameItem.h"

namespace verdo {

namespace {

// Runs `onClick` for each click on the watched widget itself or on children
// that leave the click to it.
class ClickWatcher : public QObject {
  public:
    ClickWatcher(QWidget& watched, std::function<void()> onClick)
        : QObject(&watched), onClick_(std::move(onClick)) {
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

void TfrmChat::wireMessageControls() {
    createSoundMenu();

    // The wiring that reaches into the window's parts dies before them.
    messageWiring_ = std::make_unique<QObject>();
    qApp->installEventFilter(new FormKeyFilter(*this, messageWiring_.get()));
    keepOneSelection(*lstUser, *lstDef);
    new UserListDrag(*lstUser);
    new UserListDrag(*lstDef);
    new EntryNameDrop(*edEntry);

    // pnlEntryClick and StatusBarClick.
    new ClickWatcher(*edEntry->parentWidget(), [this] { focusEntry(); });
    new ClickWatcher(*StatusBar, [this] { focusEntry(); });

    connect(qApp, &QApplication::focusChanged, messageWiring_.get(),
            [this](QWidget*, QWidget* now) {
                if (now != nullptr && now->window() == this) lastFocus_ = now;
                updateEditActions();
            });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, messageWiring_.get(),
            [this] { updateEditActions(); });
    updateEditActions();
}

void TfrmChat::btnAltNClick() {
    insertSelectedName(*lstUser, *edEntry);
    insertSelectedName(*lstDef, *edEntry);
}

void TfrmChat::updateMessageActions() {
    updateEditActions();
    updateSoundMenus();
}

}  // namespace verdo
