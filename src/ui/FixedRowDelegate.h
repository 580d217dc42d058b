// FixedRowDelegate: rows of one fixed height, painted as usual. The custom
// user list's rows follow the roster's height.
#pragma once

#include <QStyledItemDelegate>

namespace verdo {

class FixedRowDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setRowHeight(int height) { rowHeight_ = height; }

  private:
    int rowHeight_ = 17;
};

}  // namespace verdo
