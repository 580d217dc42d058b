// Painting the custom user list's rows (see CustomListDelegate.h).
#include "ui/CustomListDelegate.h"

#include <QPainter>

#include "chat/ChatForm.h"
#include "controls/OptionsStyle.h"
#include "records/Options.h"
#include "records/UserList.h"
#include "text/DisplayText.h"

namespace verdo {

RosterRowLook customRowLook(const tUser* record, const tOptions& options, bool selected) {
    return userRowColours(record, options, selected, options.customUserBackground(),
                          options.customUserColor());
}

CustomListDelegate::CustomListDelegate(ChatForm& form, QObject* parent)
    : FixedRowDelegate(parent), form_(form) {}

void CustomListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const tOptions& options = form_.document().options();
    const tStringList& names = form_.document().lists().UserDef;
    const auto row = static_cast<std::size_t>(index.row());
    // The list shows the custom list's names; its own text stands in otherwise.
    const std::string name = index.row() >= 0 && row < names.size()
                                 ? names[row]
                                 : typedBytes(index.data(Qt::DisplayRole).toString());
    tUserList& users = form_.document().users();
    const tUser* record = users.Items(users.IndexOfName(name));
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    const RosterRowLook look = customRowLook(record, options, selected);
    painter->save();
    painter->fillRect(option.rect, toQColor(look.background, option.palette));
    painter->setFont(toQFont(options.userListFont()));
    painter->setPen(toQColor(look.text, option.palette));
    painter->drawText(option.rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

}  // namespace verdo
