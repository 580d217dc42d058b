// The user-list and chat-view popups and the lists' mouse gestures (see
// ChatPopups.h). The session does what it owns through UserCommands; the
// window opens windows and works on the entry line and the panes.
#include "ui/ChatPopups.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <cstring>

#include "controls/RichPane.h"
#include "controls/TabEdit.h"
#include "ui/Chat.h"
#include "ui/NameDrag.h"

namespace verdo {

namespace {

std::optional<int> selectedRow(const QListWidget& list) {
    const QList<QListWidgetItem*> selected = list.selectedItems();
    if (selected.isEmpty()) return std::nullopt;
    return list.row(selected.front());
}

QAction* windowAction(const TfrmChat& window, const char* objectName) {
    for (const ChatActionInfo& info : chatActions()) {
        if (std::strcmp(info.objectName, objectName) == 0) return window.action(info.id);
    }
    return nullptr;  // not a main-window action of this build
}

// Where a save dialog starts: the program's folder when it can take a file.
QString saveFolder() {
    const QString folder = QCoreApplication::applicationDirPath();
    return QFileInfo(folder).isWritable() ? folder : QDir::homePath();
}

}  // namespace

ChatPopups::ChatPopups(TfrmChat& window, QObject* owner) : QObject(owner), window_(window) {
    setObjectName("ChatPopups");
    currentPane_ = window.reWhisper;
    mnuUser = buildMenu(UserPopup::Roster, "mnuUser");
    mnuDef = buildMenu(UserPopup::Custom, "mnuDef");
    mnuChat = buildMenu(UserPopup::ChatView, "mnuChat");

    UserCommands& commands = window.form().userCommands();
    commands.OnCustomListChanged = [this](std::optional<std::size_t> row) {
        window_.showCustomList(row);
    };
    commands.OnShowUserInfo = [this](const std::string& name) { window_.showUserInfo(name); };

    const std::pair<QListWidget*, UserPopup> lists[] = {{window.lstUser, UserPopup::Roster},
                                                        {window.lstDef, UserPopup::Custom}};
    for (const auto& [list, which] : lists) {
        list->viewport()->installEventFilter(this);
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        QMenu* menu = which == UserPopup::Roster ? mnuUser : mnuDef;
        connect(list, &QWidget::customContextMenuRequested, this,
                [list, menu](const QPoint& at) { menu->popup(list->viewport()->mapToGlobal(at)); });
        connect(list, &QListWidget::itemClicked, this, [this] { window_.focusEntry(); });
        connect(list, &QListWidget::itemDoubleClicked, this,
                [this, which = which] { lstDblClick(which); });
    }
    window.lstDef->setAcceptDrops(true);
    window.lstDef->viewport()->setAcceptDrops(true);
    for (RichPane* pane : {window.reChat, window.reWhisper}) {
        pane->viewport()->installEventFilter(this);
        pane->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(pane, &QWidget::customContextMenuRequested, this, [this, pane](const QPoint& at) {
            mnuChat->popup(pane->viewport()->mapToGlobal(at));
        });
    }
}

QMenu* ChatPopups::buildMenu(UserPopup popup, const char* name) {
    auto* menu = new QMenu(&window_);
    menu->setObjectName(name);
    for (const UserPopupEntry& entry : userPopupEntries()) {
        if (entry.popup != popup) continue;
        QAction* action = nullptr;
        if (entry.act == UserAct::WindowAction) {
            action = windowAction(window_, entry.text);
            if (action == nullptr) continue;
        } else if (entry.act == UserAct::PlaySound) {
            // Filled by the sound menus whenever they are built.
            auto* sounds = new QMenu(tr(entry.caption), menu);
            sounds->setObjectName(entry.objectName);
            window_.mnPlaySound = sounds;
            action = sounds->menuAction();
            action->setObjectName(entry.objectName);
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
    ChatForm& form = window_.form();
    const PopupState state{window_.selectedRosterName().has_value(),
                           window_.selectedCustomName().has_value(), form.session().LoggedOn(),
                           form.sounds().available()};
    for (const auto& [action, entry] : entries_) {
        if (entry->popup == popup && entry->enabling != PopupEnabling::ByAction)
            action->setEnabled(popupEntryEnabled(*entry, state));
    }
}

UserTarget ChatPopups::target(UserPopup list) const {
    UserTarget target;
    if (list == UserPopup::Roster) {
        target.name = window_.selectedRosterName();
        const std::optional<int> row = selectedRow(*window_.lstUser);
        const std::vector<bool>& marks = window_.form().roster().roster().SquelchMarks();
        if (row && static_cast<std::size_t>(*row) < marks.size())
            target.squelched = marks[static_cast<std::size_t>(*row)];
    } else if (list == UserPopup::Custom) {
        target.name = window_.selectedCustomName();
        if (const std::optional<int> row = selectedRow(*window_.lstDef))
            target.customRow = static_cast<std::size_t>(*row);
    }
    return target;
}

void ChatPopups::perform(UserPopup list, const UserDeed& deed) {
    const UserTarget on = target(list);
    if (window_.form().userCommands().perform(deed, on)) return;
    const std::string name = on.name.value_or(std::string());
    switch (deed.act) {
        case UserAct::Copy:
            if (on.name) window_.edEntry->insertBytes(name);
            break;
        case UserAct::AccountInfo:
            window_.showAccountInfo(name);
            break;
        case UserAct::ChatWindow:
            if (on.name) window_.openWhisperWindow(name);
            break;
        case UserAct::SendUrl:
            if (on.name) window_.sendUrlTo(name);
            break;
        case UserAct::Reorder:
            window_.ReorderCustomList();
            break;
        case UserAct::Clear:
            currentPane_->clear();
            window_.focusEntry();
            break;
        case UserAct::SaveToFile:
            saveToFile();
            break;
        default:
            break;  // the session's, the sound submenu's and the main actions' own
    }
}

void ChatPopups::lstDblClick(UserPopup list) {
    const UserDeed deed =
        doubleClickDeed(list, window_.form().document().options().doubleClickAction());
    perform(list, deed);
    if (deed.act == UserAct::Copy) window_.focusEntry();
}

void ChatPopups::saveToFile() {
    const std::optional<std::string> path = window_.chooseFile(
        {true, "Save Chat File...", "Text Files (*.txt)|*.txt", "txt", saveFolder().toStdString()});
    if (path) {
        QFile file(QString::fromStdString(*path));
        QString text = currentPane_->toPlainText();
        if (!text.isEmpty()) text += '\n';
        const QByteArray bytes = text.toUtf8();
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size() || !file.flush())
            window_.showMessage("Unable to save file", MessageKind::Error);
    }
    window_.focusEntry();
}

bool ChatPopups::rightPress(QListWidget& list, const QPoint& at) {
    if (QListWidgetItem* item = list.itemAt(at)) {
        list.setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
        window_.focusEntry();
    }
    return true;  // the popup opens next
}

void ChatPopups::lstDefDragDrop(QDropEvent& drop) {
    QListWidget& custom = *window_.lstDef;
    const QString from = userListOf(drop.mimeData());
    const QListWidgetItem* item = custom.itemAt(drop.position().toPoint());
    const auto at = static_cast<std::size_t>(item != nullptr ? custom.row(item) : custom.count());
    UserCommands& commands = window_.form().userCommands();
    if (from == window_.lstUser->objectName()) {
        commands.dropFromRoster(window_.selectedRosterName(), at);
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
        if (watched == window_.lstUser->viewport()) return rightPress(*window_.lstUser, at);
        if (watched == window_.lstDef->viewport()) return rightPress(*window_.lstDef, at);
        if (watched == window_.reChat->viewport()) currentPane_ = window_.reChat;
        if (watched == window_.reWhisper->viewport()) currentPane_ = window_.reWhisper;
        return false;
    }
    if (watched != window_.lstDef->viewport()) return false;
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
