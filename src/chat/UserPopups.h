// The three popup menus of the main window that act on users (the roster's,
// the custom user list's and the chat views'), declared once in one table:
// each entry's object name, caption, what it does and when it is enabled; and
// what a double-click on either user list does for each setting of
// "Double-Clicking a User Should:". The window builds its menus from the table.
#pragma once

#include <span>

namespace verdo {

enum class UserPopup { Roster, Custom, ChatView };

// What an entry or a double-click does.
enum class UserAct {
    Nothing,
    Send,           // text + name + suffix, then the entry gets the focus
    SendCommand,    // text alone, then the entry gets the focus
    SquelchToggle,  // "/unsquelch " when the row's squelch mark is set, else "/squelch "
    Copy,           // the name into the entry line at the caret
    UserInfo,
    AccountInfo,
    ChatWindow,
    SendUrl,
    PlaySound,  // the submenu of sounds
    AddToCustom,
    AddUser,
    DeleteUser,
    EditUser,
    Reorder,
    WindowAction,  // a main-window action, named by `text`
    Clear,         // empties the current chat pane
    SaveToFile,    // saves the current chat pane
};

enum class PopupEnabling {
    Always,
    RosterSelected,          // a roster row is selected
    CustomSelectedLoggedOn,  // a custom-list row is selected while logged on
    PlaySound,               // logged on and the sound folder was found
    ByAction,                // the main-window action's own state
};

struct UserPopupEntry {
    UserPopup popup;
    const char* objectName;
    const char* caption;  // nullptr: the main-window action's caption
    UserAct act;
    // Send, SendCommand: the command before the name; WindowAction: the action's object name.
    const char* text;
    const char* suffix;  // Send: after the name
    PopupEnabling enabling;
    bool separatorBefore;
};

// Every entry of the three menus, each menu's entries in menu order.
std::span<const UserPopupEntry> userPopupEntries();

// What the enabling rules read, gathered when a menu opens.
struct PopupState {
    bool rosterSelected = false;
    bool customSelected = false;
    bool loggedOn = false;
    bool soundsAvailable = false;
};
// ByAction entries report true: their action decides.
bool popupEntryEnabled(const UserPopupEntry& entry, const PopupState& state);

struct UserDeed {
    UserAct act = UserAct::Nothing;
    const char* text = nullptr;    // as in UserPopupEntry
    const char* suffix = nullptr;  // as in UserPopupEntry
};
// The double-click on a row of `list` (Roster or Custom) for the setting 0 to
// 7; Nothing for other settings.
UserDeed doubleClickDeed(UserPopup list, int setting);

}  // namespace verdo
