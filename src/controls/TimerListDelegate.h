// TTimerListDelegate: paints one row of the timer list: the response on the
// left, clipped 64 pixels short of the right edge, and its interval drawn 60
// pixels from the right edge. The interval is the row's IntervalRole data.
#pragma once

#include <QStyledItemDelegate>

namespace verdo {

class TTimerListDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    static constexpr int IntervalRole = Qt::UserRole + 1;
    static constexpr int TextClip = 64;
    static constexpr int IntervalOffset = 60;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    // Rows are as wide as the list: the response is clipped, never scrolled to.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace verdo
