// The colour swatch of the user information and colour windows.
#include "controls/ColorSwatch.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "controls/OptionsStyle.h"

namespace verdo {

namespace {

std::uint32_t windowsColor(const QColor& color) {
    return static_cast<std::uint32_t>(color.red()) |
           static_cast<std::uint32_t>(color.green()) << 8 |
           static_cast<std::uint32_t>(color.blue()) << 16;
}

}  // namespace

TColorSwatch::TColorSwatch(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void TColorSwatch::setColor(std::uint32_t color) {
    color_ = color;
    update();
}

QSize TColorSwatch::sizeHint() const {
    const int height = fontMetrics().height() + 2 * frameWidth() + 4;
    return {height * 2, height};
}

QColor TColorSwatch::shownColor() const {
    return toQColor(color_, palette());
}

void TColorSwatch::takeChosen(const QColor& color) {
    setColor(windowsColor(color));
    emit colorChosen(color_);
}

void TColorSwatch::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit colorRequested();
        return;
    }
    QFrame::mouseReleaseEvent(event);
}

void TColorSwatch::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit colorRequested();
            return;
        default:
            QFrame::keyPressEvent(event);
    }
}

void TColorSwatch::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        painter.fillRect(contentsRect(), isEnabled() ? toQColor(color_, palette())
                                                     : palette().color(QPalette::Window));
        if (hasFocus()) {
            painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
            painter.drawRect(contentsRect().adjusted(1, 1, -2, -2));
        }
    }
    QFrame::paintEvent(event);
}

}  // namespace verdo
