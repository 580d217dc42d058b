// The user-list and chat-view popups and the lists' mouse gestures (see
// ChatPopups.h). The session does what it owns through UserCommands; the
// window opens windows and works on the entry line and the panes.
#include "ui/ChatPopups.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <cstring>

#include "chat/ChatForm.h"
#include "controls/RichPane.h"
#include "controls/TabEdit.h"
#include "ui/ChatWidgets.h"
#include "ui/ChatWindows.h"
#include "ui/MainActions.h"
#include "ui/NameDrag.h"

namespace verdo {

namespace {

std::optional<int> selectedRow(const QListWidget& list) {
    const QList<QListWidgetItem*> selected = list.selectedItems();
    if (selected.isEmpty()) return std::nullopt;
    return list.row(selected.front());
}

QAction* windowAction(const MainActions& actions, const char* objectName) {
    for (const ChatActionInfo& info : chatActions()) {
        if (std::strcmp(info.objectName, objectName) == 0) return actions.action(info.id);
    }
    return nullptr;  // not a main-window action of this build
}

// Where a save dialog starts: the program's folder when it can take a file.
QString saveFolder() {
    const QString folder = QCoreApplication::applicationDirPath();
    return QFileInfo(folder).isWritable() ? folder : QDir::homePath();
}

}  // namespace

ChatPopups::ChatPopups(QWidget& window, SessionView& view, ChatWidgets& widgets,
                       ChatWindows& windows, const MainActions& actions, ChatForm& form)
    : window_(window),
      view_(view),
      widgets_(widgets),
      windows_(windows),
      actions_(actions),
      form_(form) {
    setObjectName("ChatPopups");
    currentPane_ = widgets.pane(WhisperPane);

    const std::pair<QListWidget*, UserPopup> lists[] = {{&widgets.rosterList(), UserPopup::Roster},
                                                        {&widgets.customList(), UserPopup::Custom}};
    for (const auto& [list, which] : lists) {
        list->viewport()->installEventFilter(this);
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(list, &QWidget::customContextMenuRequested, this,
                [this, list, which = which](const QPoint& at) {
                    popupMenu(which).popup(list->viewport()->mapToGlobal(at));
                });
        connect(list, &QListWidget::itemClicked, this, [this] { widgets_.focusEntry(); });
        connect(list, &QListWidget::itemDoubleClicked, this,
                [this, which = which] { lstDblClick(which); });
    }
    widgets.customList().setAcceptDrops(true);
    widgets.customList().viewport()->setAcceptDrops(true);
    for (RichPane* pane : {widgets.pane(ChatPane), widgets.pane(WhisperPane)}) {
        pane->viewport()->installEventFilter(this);
        pane->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(pane, &QWidget::customContextMenuRequested, this, [this, pane](const QPoint& at) {
            popupMenu(UserPopup::ChatView).popup(pane->viewport()->mapToGlobal(at));
        });
    }
}

QMenu& ChatPopups::popupMenu(UserPopup popup) {
    switch (popup) {
        case UserPopup::Roster:
            if (mnuUser_ == nullptr) mnuUser_ = buildMenu(popup, "mnuUser");
            return *mnuUser_;
        case UserPopup::Custom:
            if (mnuDef_ == nullptr) mnuDef_ = buildMenu(popup, "mnuDef");
            return *mnuDef_;
        case UserPopup::ChatView:
            break;
    }
    if (mnuChat_ == nullptr) mnuChat_ = buildMenu(UserPopup::ChatView, "mnuChat");
    return *mnuChat_;
}

QMenu* ChatPopups::buildMenu(UserPopup popup, const char* name) {
    auto* menu = new QMenu(&window_);
    menu->setObjectName(name);
    for (const UserPopupEntry& entry : userPopupEntries()) {
        if (entry.popup != popup) continue;
        QAction* action = nullptr;
        if (entry.act == UserAct::WindowAction) {
            action = windowAction(actions_, entry.text);
            if (action == nullptr) continue;
        } else if (entry.act == UserAct::PlaySound) {
            // Filled by the sound menus whenever they are built.
            auto* sounds = new QMenu(tr(entry.caption), menu);
            sounds->setObjectName(entry.objectName);
            action = sounds->menuAction();
            action->setObjectName(entry.objectName);
            if (OnPlaySoundMenu) OnPlaySoundMenu(*sounds);
        } else {
            action = new QAction(tr(entry.caption), menu);
            action->setObjectName(entry.objectName);
            connect(action, &QAction::triggered, this, [this, &entry] {
                perform(entry.popup, {entry.act, entry.text, entry.suffix});
            });
        }
        if (entry.separatorBefore && !menu->isEmpty()) menu->addSeparator();
        menu->addAction(action);
        entries_.emplace_back(action, &entry);
    }
    connect(menu, &QMenu::aboutToShow, this, [this, popup] { enableEntries(popup); });
    return menu;
}

void ChatPopups::enableEntries(UserPopup popup) {
    const PopupState state{widgets_.selectedRosterName().has_value(),
                           widgets_.selectedCustomName().has_value(), form_.LoggedOn(),
                           form_.sounds().available()};
    for (const auto& [action, entry] : entries_) {
        if (entry->popup == popup && entry->enabling != PopupEnabling::ByAction)
            action->setEnabled(popupEntryEnabled(*entry, state));
    }
}

UserTarget ChatPopups::target(UserPopup list) const {
    UserTarget target;
    if (list == UserPopup::Roster) {
        target.name = widgets_.selectedRosterName();
        const std::optional<int> row = selectedRow(widgets_.rosterList());
        const std::vector<bool>& marks = form_.roster().roster().SquelchMarks();
        if (row && static_cast<std::size_t>(*row) < marks.size())
            target.squelched = marks[static_cast<std::size_t>(*row)];
    } else if (list == UserPopup::Custom) {
        target.name = widgets_.selectedCustomName();
        if (const std::optional<int> row = selectedRow(widgets_.customList()))
            target.customRow = static_cast<std::size_t>(*row);
    }
    return target;
}

void ChatPopups::perform(UserPopup list, const UserDeed& deed) {
    const UserTarget on = target(list);
    if (form_.userCommands().perform(deed, on)) return;
    const std::string name = on.name.value_or(std::string());
    switch (deed.act) {
        case UserAct::Copy:
            if (on.name) widgets_.entry().insertBytes(name);
            break;
        case UserAct::AccountInfo:
            windows_.showAccountInfo(name);
            break;
        case UserAct::ChatWindow:
            if (on.name) windows_.openWhisperWindow(name);
            break;
        case UserAct::SendUrl:
            if (on.name) windows_.sendUrlTo(name);
            break;
        case UserAct::Reorder:
            windows_.reorderCustomList();
            widgets_.focusEntry();
            break;
        case UserAct::Clear:
            currentPane_->clear();
            widgets_.focusEntry();
            break;
        case UserAct::SaveToFile:
            saveToFile();
            break;
        default:
            break;  // the session's, the sound submenu's and the main actions' own
    }
}

void ChatPopups::lstDblClick(UserPopup list) {
    const UserDeed deed = doubleClickDeed(list, form_.document().options().doubleClickAction());
    perform(list, deed);
    if (deed.act == UserAct::Copy) widgets_.focusEntry();
}

void ChatPopups::saveToFile() {
    const std::optional<std::string> path = view_.chooseFile(
        {true, "Save Chat File...", "Text Files (*.txt)|*.txt", "txt", saveFolder().toStdString()});
    if (path && !currentPane_->saveText(*path))
        view_.showMessage("Unable to save file", MessageKind::Error);
    widgets_.focusEntry();
}

bool ChatPopups::rightPress(QListWidget& list, QListWidget& other, const QPoint& at) {
    // Below the last row the list keeps its selection, which the popup then acts on.
    if (QListWidgetItem* item = list.itemAt(at))
        list.setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
    other.clearSelection();
    widgets_.focusEntry();
    return true;  // the popup opens next
}

void ChatPopups::lstDefDragDrop(QDropEvent& drop) {
    QListWidget& custom = widgets_.customList();
    const QString from = userListOf(drop.mimeData());
    const QListWidgetItem* item = custom.itemAt(drop.position().toPoint());
    const auto at = static_cast<std::size_t>(item != nullptr ? custom.row(item) : custom.count());
    UserCommands& commands = form_.userCommands();
    if (from == widgets_.rosterList().objectName()) {
        commands.dropFromRoster(widgets_.selectedRosterName(), at);
    } else if (from == custom.objectName()) {
        if (const std::optional<int> dragged = selectedRow(custom))
            commands.dropWithin(static_cast<std::size_t>(*dragged), at);
    }
}

bool ChatPopups::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::RightButton) return false;
        const QPoint at = mouse->position().toPoint();
        QListWidget& roster = widgets_.rosterList();
        QListWidget& custom = widgets_.customList();
        if (watched == roster.viewport()) return rightPress(roster, custom, at);
        if (watched == custom.viewport()) return rightPress(custom, roster, at);
        for (RichPane* pane : {widgets_.pane(ChatPane), widgets_.pane(WhisperPane)}) {
            if (watched == pane->viewport()) currentPane_ = pane;
        }
        return false;
    }
    if (watched != widgets_.customList().viewport()) return false;
    if (type == QEvent::DragEnter || type == QEvent::DragMove) {
        auto* drag = static_cast<QDropEvent*>(event);
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
        return true;
    }
    if (type == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        lstDefDragDrop(*drop);
        return true;
    }
    return false;
}

}  // namespace verdo
