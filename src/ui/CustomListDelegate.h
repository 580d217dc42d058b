// lstDefDrawItem: paints one row of the custom user list, like the roster but
// without icons, in the custom list's colours or the user's own name colour.
#pragma once

#include <cstdint>

#include "ui/FixedRowDelegate.h"
#include "ui/RosterDelegate.h"

namespace verdo {

class ChatForm;
class tOptions;
class tUser;

// Background and text colour of one row (Windows colour values); `record` is
// the user's entry in the user database, or nullptr.
RosterRowLook customRowLook(const tUser* record, const tOptions& options, bool selected);

class CustomListDelegate : public FixedRowDelegate {
    Q_OBJECT

  public:
    CustomListDelegate(ChatForm& form, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  private:
    ChatForm& form_;
};

}  // namespace verdo
