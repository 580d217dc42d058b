// The main window's actions, each declared once in one table: captions, key,
// menu and tool-bar place, the switch it mirrors, when it is enabled and
// checked, and the logic that runs it. A switch action's option is the row of
// the options table (OptionFields.cpp) that names the action. The window
// builds its menus and tool bar from the table, the idle update keeps the
// states from it.
//
// Adding an action: one enumerator in ChatAction.h, one row in ChatActions.cpp (in menu
// order), and its handler: a `logic` function for what the session does, or a
// window handler registered by the window for what only the window does.
// An action that opens a new dialog: see "Adding a dialog" in
// dialogs/DialogHost.h.
#pragma once

#include <span>

#include "chat/ChatAction.h"

namespace verdo {

class ChatForm;

// The menus of the main window, in menu-bar order; None: only the key.
enum class MenuId { None, File, Edit, Options, Users, Window, Sounds, Help };

// When the action can be used.
enum class Enabling {
    Always,
    LoggedOn,
    ByWindow,  // the window decides (focus, clipboard)
};

// What the action's check mark shows.
enum class Check { None, Option, LoggedOn, Paused, Away, DND, Lock, ByWindow };

struct ChatActionInfo {
    ChatAction id;
    const char* objectName;
    const char* caption;
    const char* shortCaption;    // on the tool bar (nullptr: the caption)
    const char* checkedCaption;  // while checked (nullptr: the caption)
    const char* hint;            // tool tip and status tip (nullptr: none)
    const char* shortcut;        // portable key text, "Ctrl+F1" (nullptr: none)
    MenuId menu;
    bool separatorBefore;  // in its menu
    int toolBarGroup;      // 0: not on the tool bar; groups in order, separated
    Check check;           // Check::Option: the switch whose options row names this action
    Enabling enabling;
    // What the session does; nullptr: the window handles it.
    void (*logic)(ChatForm& form);
};

std::span<const ChatActionInfo> chatActions();
const ChatActionInfo& actionInfo(ChatAction id);

}  // namespace verdo
