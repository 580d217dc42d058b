// Painting of the timer rows: two columns in one owner-drawn row.
#include "controls/TimerListDelegate.h"

#include <QApplication>
#include <QPainter>

namespace verdo {

void TTimerListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    const QWidget* view = option.widget;
    QStyle* style = view != nullptr ? view->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, view);

    const bool selected = (option.state & QStyle::State_Selected) != 0;
    painter->save();
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const QRect row = option.rect;
    const QRect textArea(row.left() + 2, row.top(), row.width() - 2 - TextClip, row.height());
    painter->setClipRect(textArea);
    painter->drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter,
                      index.data(Qt::DisplayRole).toString());
    painter->setClipping(false);
    const QRect intervalArea(row.right() + 1 - IntervalOffset, row.top(), IntervalOffset,
                             row.height());
    painter->drawText(intervalArea, Qt::AlignLeft | Qt::AlignVCenter,
                      index.data(IntervalRole).toString());
    painter->restore();
}

QSize TTimerListDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    return {TextClip + IntervalOffset, QStyledItemDelegate::sizeHint(option, index).height()};
}

}  // namespace verdo
