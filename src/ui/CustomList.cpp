// The main window's custom user list: showing the list again after a change,
// and the reorder window of "Reorder &List" and "&Reorder Custom List...".
#include <QListWidget>

#include "dialogs/EditList.h"
#include "ui/Chat.h"
#include "ui/UserNameItem.h"

namespace verdo {

void TfrmChat::showCustomList(std::optional<std::size_t> selectRow) {
    lstDef->clear();
    for (const std::string& name : form_->document().lists().UserDef)
        lstDef->addItem(userNameItem(name));
    if (selectRow && *selectRow < static_cast<std::size_t>(lstDef->count()))
        lstDef->setCurrentRow(static_cast<int>(*selectRow), QItemSelectionModel::ClearAndSelect);
}

void TfrmChat::ReorderCustomList() {
    ChatDocument& document = form_->document();
    const std::optional<std::vector<std::string>> names = TfrmEditList::ReorderCustomList(
        document.lists().UserDef, [&document] { document.setModified(true); }, this);
    if (names) form_->userCommands().replaceCustomList(*names);
    focusEntry();
}

}  // namespace verdo
