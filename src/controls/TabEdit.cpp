// The entry line's key handling.
#include "controls/TabEdit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

namespace verdo {

namespace {

bool isTabKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) {
        return false;
    }
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Tab || key == Qt::Key_Backtab;
}

// Pasted text loses its tabs and carriage returns; a line feed becomes a blank,
// so a pasted block never turns into several lines to the server.
QString withoutLineBreaks(QString text) {
    return text.remove(QChar('\r')).remove(QChar('\t')).replace(QChar('\n'), QChar(' '));
}

class EntryValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override {
        position = static_cast<int>(withoutLineBreaks(input.left(position)).size());
        input = withoutLineBreaks(input);
        return Acceptable;
    }
};

}  // namespace

TTabEdit::TTabEdit(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(20);
    setValidator(new EntryValidator(this));
}

QString TTabEdit::entryText() const {
    return lineEdit()->text();
}

void TTabEdit::addToHistory(const QString& text) {
    insertItem(0, text);
}

bool TTabEdit::event(QEvent* event) {
    if (isTabKey(event)) {
        event->accept();
        // The override query only claims the key; the key press runs the hook.
        if (event->type() == QEvent::KeyPress) emit tabPressed();
        return true;
    }
    return QComboBox::event(event);
}

void TTabEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit enterPressed();
        return;
    }
    QComboBox::keyPressEvent(event);
}

}  // namespace verdo
