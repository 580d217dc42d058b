// The hyperlink label: colour follows the mouse, a button's release inside opens it.
#include "controls/DSHyperLink.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "text/PlainToolTip.h"

namespace verdo {

TDSHyperLink::TDSHyperLink(const QString& text, std::string link, OpenLink openLink,
                           QWidget* parent)
    : TPlainLabel(text, parent), openLink_(std::move(openLink)) {
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setLink(std::move(link));
    setHovered(false);
}

void TDSHyperLink::setLink(std::string link) {
    link_ = std::move(link);
    setToolTip(plainToolTip(QString::fromStdString(link_)));
}

void TDSHyperLink::setSelectedColor(const QColor& color) {
    selectedColor_ = color;
    setHovered(hovered_);
}

void TDSHyperLink::setHovered(bool hovered) {
    hovered_ = hovered;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, hovered ? selectedColor_ : normalColor());
    setPalette(colours);
}

void TDSHyperLink::open() {
    if (openLink_ && !link_.empty()) openLink_(link_);
}

void TDSHyperLink::enterEvent(QEnterEvent* event) {
    setHovered(true);
    QLabel::enterEvent(event);
}

void TDSHyperLink::leaveEvent(QEvent* event) {
    setHovered(false);
    QLabel::leaveEvent(event);
}

void TDSHyperLink::mouseReleaseEvent(QMouseEvent* event) {
    if ((openButtons_ & event->button()) != 0 && rect().contains(event->position().toPoint())) {
        open();
        event->accept();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void TDSHyperLink::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        open();
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

// The keyboard focus shows as the selected colour, as the mouse does.
void TDSHyperLink::focusInEvent(QFocusEvent* event) {
    setHovered(true);
    QLabel::focusInEvent(event);
}

void TDSHyperLink::focusOutEvent(QFocusEvent* event) {
    setHovered(underMouse());
    QLabel::focusOutEvent(event);
}

}  // namespace verdo
