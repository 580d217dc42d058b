// The plain-text label (see PlainLabel.h).
#include "controls/PlainLabel.h"

namespace verdo {

TPlainLabel::TPlainLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

TPlainLabel::TPlainLabel(const QString& text, QWidget* parent) : TPlainLabel(parent) {
    setText(text);
}

}  // namespace verdo
