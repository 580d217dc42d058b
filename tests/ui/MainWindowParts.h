// The main window's parts as the tests reach them, by object name.
#pragma once

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>
#include <string>
#include <utility>

#include "controls/RichPane.h"
#include "controls/TabEdit.h"
#include "dialogs/Connect.h"
#include "dialogs/Help.h"
#include "dialogs/Launch.h"
#include "dialogs/Users.h"
#include "support/Named.h"
#include "ui/RosterDelegate.h"

namespace verdo::testing {

inline TTabEdit* edEntry(const QWidget& window) {
    return named<TTabEdit>(window, "edEntry");
}
inline QListWidget* lstUser(const QWidget& window) {
    return named<QListWidget>(window, "lstUser");
}
inline QListWidget* lstDef(const QWidget& window) {
    return named<QListWidget>(window, "lstDef");
}
inline RichPane* reChat(const QWidget& window) {
    return named<RichPane>(window, "reChat");
}
inline RichPane* reWhisper(const QWidget& window) {
    return named<RichPane>(window, "reWhisper");
}
inline QLineEdit* edChannel(const QWidget& window) {
    return named<QLineEdit>(window, "edChannel");
}
inline QPushButton* btnSend(const QWidget& window) {
    return named<QPushButton>(window, "btnSend");
}
inline QPushButton* btnEmote(const QWidget& window) {
    return named<QPushButton>(window, "btnEmote");
}
inline QPushButton* btnWhisper(const QWidget& window) {
    return named<QPushButton>(window, "btnWhisper");
}
inline QToolButton* btnConnect(const QWidget& window) {
    return named<QToolButton>(window, "btnConnect");
}
inline QToolBar* ToolBar(const QWidget& window) {
    return named<QToolBar>(window, "ToolBar");
}
inline QLabel* statusPanel(const QWidget& window, int index) {
    return named<QLabel>(window, QStringLiteral("StatusPanel%1").arg(index));
}
inline QSplitter* splitter(const QWidget& window, const char* name) {
    return named<QSplitter>(window, name);
}
inline TfrmConnect* frmConnect(const QWidget& window) {
    return named<TfrmConnect>(window, "frmConnect");
}
inline QMenu* menu(const QWidget& window, const char* name) {
    return named<QMenu>(window, name);
}
// The user popups are made when first opened: the menu key on the roster, the
// custom list and the whisper pane opens each once (leaving the selections and
// the pane that "&Clear" acts on as they were), and it is closed again.
inline void openUserPopups(const QWidget& window) {
    const std::pair<QAbstractScrollArea*, const char*> owners[] = {
        {lstUser(window), "mnuUser"}, {lstDef(window), "mnuDef"}, {reWhisper(window), "mnuChat"}};
    for (const auto& [owner, name] : owners) {
        const QPoint at(5, 5);
        QContextMenuEvent key(QContextMenuEvent::Keyboard, at, owner->viewport()->mapToGlobal(at));
        QApplication::sendEvent(owner->viewport(), &key);
        menu(window, name)->close();
    }
}
inline TfrmUsers* frmUsers(const QWidget& window) {
    return named<TfrmUsers>(window, "frmUsers");
}
inline TfrmHelp* frmHelp(const QWidget& window) {
    return named<TfrmHelp>(window, "frmHelp");
}
inline TfrmLaunch* frmLaunch(const QWidget& window) {
    return named<TfrmLaunch>(window, "frmLaunch");
}
inline RosterDelegate* rosterDelegate(const QWidget& window) {
    return qobject_cast<RosterDelegate*>(lstUser(window)->itemDelegate());
}

}  // namespace verdo::testing
