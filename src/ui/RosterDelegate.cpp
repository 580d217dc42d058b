// Painting the user list from the roster model, and keeping the list widget's
// items in step with it.
#include "ui/RosterDelegate.h"

#include <QListWidget>
#include <QPainter>

#include "chat/ChatForm.h"
#include "controls/OptionsStyle.h"
#include "records/Options.h"
#include "records/UserList.h"
#include "text/DisplayText.h"
#include "ui/UserNameItem.h"

namespace verdo {

namespace {

bool itemShows(const QListWidget& list, int item, const RosterRow& row) {
    return userNameBytes(*list.item(item)) == row.name;
}

}  // namespace

RosterRowLook userRowColours(const tUser* record, const tOptions& options, bool selected,
                             std::uint32_t background, std::uint32_t text) {
    RosterRowLook look;
    look.background = selected ? options.highlightBackground() : background;
    if (selected) {
        look.text = options.highlightColor();
    } else {
        look.text = record != nullptr ? record->NameColor() : text;
    }
    return look;
}

RosterRowLook rosterRowLook(const RosterRow& row, bool squelched, const tUser* record,
                            const tOptions& options, bool selected, int rowHeight) {
    RosterRowLook look = userRowColours(record, options, selected, options.userListBackground(),
                                        options.userListColor());
    if (!options.includeChatIcons()) return look;
    look.textX = RosterTextIndent;
    if (row.icon != UserIcon::None) {
        // The cross stands in for the picture, so a row without one has none.
        look.icon = squelched ? UserIcon::Squelched : row.icon;
        look.iconY = (rowHeight - UserIconHeight) / 2;
    }
    return look;
}

int rosterRowHeight(int fontPixelHeight) {
    const int tenths = (fontPixelHeight < 0 ? -fontPixelHeight : fontPixelHeight) * 13;
    int whole = tenths / 10;
    const int rest = tenths % 10;
    if (rest > 5 || (rest == 5 && whole % 2 != 0)) ++whole;
    return whole;
}

void syncRosterItems(QListWidget& list, const Roster& roster) {
    const int rows = static_cast<int>(roster.size());
    const int items = list.count();
    int head = 0;
    while (head < rows && head < items && itemShows(list, head, roster.row(head)))
        ++head;
    int tail = 0;
    while (tail < rows - head && tail < items - head &&
           itemShows(list, items - 1 - tail, roster.row(rows - 1 - tail)))
        ++tail;
    for (int i = items - tail - 1; i >= head; --i)
        delete list.takeItem(i);
    for (int i = head; i < rows - tail; ++i)
        list.insertItem(i, userNameItem(roster.row(i).name));
    list.viewport()->update();  // icons and marks may have changed in place
}

RosterDelegate::RosterDelegate(ChatForm& form, QObject* parent)
    : QStyledItemDelegate(parent), form_(form) {}

const UserIconSet& RosterDelegate::icons() const {
    if (!icons_) icons_ = makeUserIcons();
    return *icons_;
}

void RosterDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    const Roster& roster = form_.roster().roster();
    const auto row = static_cast<std::size_t>(index.row());
    if (index.row() < 0 || row >= roster.size()) return;
    const tOptions& options = form_.document().options();
    const RosterRow& data = roster.row(row);
    tUserList& users = form_.document().users();
    const tUser* record = users.Items(users.IndexOfName(data.name));
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    const RosterRowLook look = rosterRowLook(data, roster.SquelchMarks()[row], record, options,
                                             selected, option.rect.height());
    const QRect& rect = option.rect;
    painter->save();
    painter->fillRect(rect, toQColor(look.background, option.palette));
    painter->setFont(toQFont(options.userListFont()));
    painter->setPen(toQColor(look.text, option.palette));
    painter->drawText(rect.adjusted(look.textX, 0, 0, 0),
                      Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      verdo::displayText(data.name));
    if (look.icon != UserIcon::None) {
        painter->drawPixmap(rect.left(), rect.top() + look.iconY,
                            icons()[static_cast<std::size_t>(look.icon)]);
    }
    painter->restore();
}

QSize RosterDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return {option.rect.width(), rowHeight_};
}

}  // namespace verdo
