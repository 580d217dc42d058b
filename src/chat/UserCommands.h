// What the user-list popups, double-clicks and drops do in the session: slash
// commands on the selected user, the user-information question, and every
// change of the custom user list (each sets the settings-modified flag). The
// window hands over the selected name and row with each gesture and does the
// rest itself: copying into the entry, opening windows, the chat panes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "chat/LineSender.h"
#include "chat/UserPopups.h"
#include "engine/ChatLists.h"

namespace verdo {

class ChatDocument;
class EventScope;
class SessionView;
class WindowControls;

// The row a gesture acts on.
struct UserTarget {
    std::optional<std::string> name;       // the selected name, nothing without a selection
    std::optional<std::size_t> customRow;  // the custom list's selected row
    bool squelched = false;                // the roster row's squelch mark
};

class UserCommands {
  public:
    UserCommands(SessionView& view, WindowControls& controls, EventScope& events,
                 LineSender& sender, ChatDocument& document);

    // Does `deed` when it belongs to the session; false leaves it to the window.
    bool perform(const UserDeed& deed, const UserTarget& target);

    // A name dropped from the roster at `row` (nothing: below the last row).
    void dropFromRoster(const std::optional<std::string>& name, std::optional<std::size_t> row);
    // A custom-list row dropped at `target` (see CustomUserList::moveRow).
    void dropWithin(std::optional<std::size_t> from, std::optional<std::size_t> target);
    // The reorder dialog's result; its moves set the modified flag themselves.
    void replaceCustomList(const tStringList& names);

  private:
    void send(const std::string& line);
    void userInformation(const std::optional<std::string>& name);
    void addUser();
    void deleteUser(const UserTarget& target);
    void editUser(const UserTarget& target);
    void changed(std::optional<std::size_t> selectRow);

    SessionView& view_;
    WindowControls& controls_;
    EventScope& events_;
    LineSender& sender_;
    ChatDocument& document_;
};

}  // namespace verdo
