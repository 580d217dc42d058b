// Rows of one fixed height (see FixedRowDelegate.h).
#include "ui/FixedRowDelegate.h"

namespace verdo {

QSize FixedRowDelegate::sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    return {QStyledItemDelegate::sizeHint(option, index).width(), rowHeight_};
}

}  // namespace verdo
