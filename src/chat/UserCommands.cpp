// The session's side of the user-list popups (see UserCommands.h).
#include "chat/UserCommands.h"

#include <memory>

#include "chat/ChatDocument.h"
#include "chat/CustomUserList.h"
#include "chat/EventScope.h"
#include "chat/SessionView.h"
#include "chat/WindowControls.h"
#include "protocol/ProtocolLines.h"

namespace verdo {

namespace {

constexpr char EntryTitle[] = "New Entry";
constexpr char EntryPrompt[] = "Enter a name to add to list:";

}  // namespace

UserCommands::UserCommands(SessionView& view, WindowControls& controls, EventScope& events,
                           LineSender& sender, ChatDocument& document)
    : view_(view), controls_(controls), events_(events), sender_(sender), document_(document) {}

bool UserCommands::perform(const UserDeed& deed, const UserTarget& target) {
    const std::optional<std::string>& name = target.name;
    switch (deed.act) {
        case UserAct::Send:
            if (name) send(deed.text + *name + deed.suffix);
            return true;
        case UserAct::SendCommand:
            send(deed.text);
            return true;
        case UserAct::SquelchToggle:
            if (name) send(squelchLine(*name, !target.squelched));
            return true;
        case UserAct::UserInfo:
            userInformation(name);
            return true;
        case UserAct::AddToCustom:
            events_.run([this, &name] {
                if (name && CustomUserList(document_.lists().UserDef).insertNew(*name))
                    changed(std::nullopt);
            });
            return true;
        case UserAct::AddUser:
            addUser();
            return true;
        case UserAct::DeleteUser:
            deleteUser(target);
            return true;
        case UserAct::EditUser:
            editUser(target);
            return true;
        default:
            return false;
    }
}

void UserCommands::send(const std::string& line) {
    events_.run([this, &line] {
        if (sender_.LoggedOn()) sender_.sendLine(line, SendClass::Typed);
        controls_.focusEntry();
    });
}

void UserCommands::userInformation(const std::optional<std::string>& name) {
    events_.run([this, &name] {
        const std::string user = name.value_or(std::string());
        tUserList& users = document_.users();
        if (!user.empty() && users.IndexOfName(user) < 0) {
            if (!view_.askYesNo("User " + user +
                                " has no information.  Would you like to add this user?"))
                return;
            auto record = std::make_unique<tUser>();
            record->setName(user);
            users.Add(std::move(record));
            users.Sort();
            document_.setModified(true);
        }
        controls_.showUserInfo(user);
    });
}

void UserCommands::addUser() {
    events_.run([this] {
        const std::optional<std::string> answer = view_.inputBox(EntryTitle, EntryPrompt, "");
        if (answer && CustomUserList(document_.lists().UserDef).insertNew(*answer))
            changed(std::nullopt);
    });
}

void UserCommands::deleteUser(const UserTarget& target) {
    events_.run([this, &target] {
        const tStringList& names = document_.lists().UserDef;
        if (!target.customRow || *target.customRow >= names.size()) return;
        const std::size_t row = *target.customRow;
        if (!view_.askYesNo("Delete " + names[row] + "?")) return;
        // The question may let the list change meanwhile.
        if (CustomUserList(document_.lists().UserDef).removeRow(row)) changed(std::nullopt);
    });
}

void UserCommands::editUser(const UserTarget& target) {
    events_.run([this, &target] {
        const tStringList& names = document_.lists().UserDef;
        if (!target.customRow || *target.customRow >= names.size()) return;
        const std::size_t row = *target.customRow;
        // Cancel answers the default, which rewrites the row unchanged.
        const std::string current = names[row];
        const std::string answer =
            view_.inputBox(EntryTitle, EntryPrompt, current).value_or(current);
        if (answer.empty()) return;
        if (CustomUserList(document_.lists().UserDef).replaceRow(row, answer)) changed(row);
    });
}

void UserCommands::dropFromRoster(const std::optional<std::string>& name,
                                  std::optional<std::size_t> row) {
    events_.run([this, &name, row] {
        if (name && CustomUserList(document_.lists().UserDef).insertNew(*name, row))
            changed(std::nullopt);
    });
}

void UserCommands::dropWithin(std::optional<std::size_t> from, std::optional<std::size_t> target) {
    events_.run([this, from, target] {
        if (!from || !target) return;
        if (CustomUserList(document_.lists().UserDef).moveRow(*from, target))
            changed(CustomUserList::movedTo(*from, *target));
    });
}

void UserCommands::replaceCustomList(const tStringList& names) {
    events_.run([this, &names] {
        document_.lists().UserDef = names;
        controls_.customListChanged(std::nullopt);
    });
}

void UserCommands::changed(std::optional<std::size_t> selectRow) {
    document_.setModified(true);
    controls_.customListChanged(selectRow);
}

}  // namespace verdo
