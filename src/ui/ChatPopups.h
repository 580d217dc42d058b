// ChatPopups: the main window's three popup menus that act on users, built
// from the table in chat/UserPopups.h, and the user lists' mouse gestures: the
// right-button selection, clicks and double-clicks, drops onto the custom user
// list, and which chat pane the chat-view menu acts on. Each menu is made when
// it first opens, so the window starts without them.
#pragma once

#include <QObject>
#include <functional>
#include <optional>

#include "chat/UserCommands.h"
#include "chat/UserPopups.h"

class QAction;
class QDropEvent;
class QListWidget;
class QMenu;

namespace verdo {

class ChatForm;
class ChatWidgets;
class ChatWindows;
class MainActions;
class RichPane;
class SessionView;

class ChatPopups : public QObject {
    Q_OBJECT

  public:
    // Menus belong to `window`; the filters go with this object, which must
    // go before the widgets. Questions and messages go through `view`.
    ChatPopups(QWidget& window, SessionView& view, ChatWidgets& widgets, ChatWindows& windows,
               const MainActions& actions, ChatForm& form);

    // Hands the roster popup's "&Play Sound" submenu, once made, to the sound
    // menus that fill it.
    std::function<void(QMenu&)> OnPlaySoundMenu;

    // The pane the chat-view menu acts on: the whisper pane until the main
    // chat view is pressed with the right button.
    RichPane* currentPane() const { return currentPane_; }
    // Does what `deed` says for the selection of `list`.
    void perform(UserPopup list, const UserDeed& deed);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The popup of `popup`, made when first asked for.
    QMenu& popupMenu(UserPopup popup);
    QMenu* buildMenu(UserPopup popup, const char* name);
    void enableEntries(UserPopup popup);
    UserTarget target(UserPopup list) const;
    void lstDblClick(UserPopup list);
    bool rightPress(QListWidget& list, QListWidget& other, const QPoint& at);
    void lstDefDragDrop(QDropEvent& drop);
    void saveToFile();

    QWidget& window_;
    SessionView& view_;
    ChatWidgets& widgets_;
    ChatWindows& windows_;
    const MainActions& actions_;
    ChatForm& form_;
    QMenu* mnuUser_ = nullptr;
    QMenu* mnuDef_ = nullptr;
    QMenu* mnuChat_ = nullptr;
    RichPane* currentPane_ = nullptr;
    // Each menu action with its table entry.
    std::vector<std::pair<QAction*, const UserPopupEntry*>> entries_;
};

}  // namespace verdo
