// The owner-drawn user list: a delegate that paints each row of the roster
// model (background, name in its colour, product icon or squelch cross), the
// row decisions it paints from, and keeping the list's rows in step with the
// model so that selections stay on their user.
#pragma once

#include <QStyledItemDelegate>
#include <cstdint>
#include <optional>

#include "chat/Roster.h"
#include "controls/UserIcons.h"

class QListWidget;

namespace verdo {

class ChatForm;
class tOptions;
class tUser;

// The icon's left edge and the name's indent when icons are shown.
inline constexpr int RosterTextIndent = 30;

// What one row is painted with.
struct RosterRowLook {
    std::uint32_t background = 0;  // Windows colour values
    std::uint32_t text = 0;
    int textX = 0;              // from the row's left edge
    int icon = UserIcon::None;  // None: no picture at all
    int iconY = 0;              // from the row's top edge
};

// `record` is the user's entry in the user database, or nullptr.
// A row's colours in a user list whose own colours are `background` and
// `text`: the highlight when selected, else the user's own name colour when
// the user has a record.
RosterRowLook userRowColours(const tUser* record, const tOptions& options, bool selected,
                             std::uint32_t background, std::uint32_t text);
RosterRowLook rosterRowLook(const RosterRow& row, bool squelched, const tUser* record,
                            const tOptions& options, bool selected, int rowHeight);

// |font height| x 1.3, rounded to the nearest whole pixel, ties to even.
int rosterRowHeight(int fontPixelHeight);

// Makes the list's items the roster's names in order. Rows that stay keep
// their item (and so their selection); only what changed is inserted or taken.
void syncRosterItems(QListWidget& list, const Roster& roster);

class RosterDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    RosterDelegate(ChatForm& form, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    int rowHeight() const { return rowHeight_; }
    void setRowHeight(int height) { rowHeight_ = height; }
    // Painted at the first use: an empty list at start needs none.
    const UserIconSet& icons() const;

  private:
    ChatForm& form_;
    mutable std::optional<UserIconSet> icons_;
    int rowHeight_ = 17;
};

}  // namespace verdo
