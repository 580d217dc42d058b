// The entry line's key handling and the bytes it keeps.
#include "controls/TabEdit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>
#include <algorithm>

#include "text/DisplayText.h"

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
    // An empty line holds nothing known any more.
    connect(lineEdit(), &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.isEmpty()) kept_.clear();
    });
    connect(this, &QComboBox::activated, this, [this](int index) {
        keep(itemText(index), itemData(index).toByteArray().toStdString());
    });
}

QString TTabEdit::entryText() const {
    return lineEdit()->text();
}

std::string TTabEdit::entryBytes() const {
    return typedBytes(entryText(), kept_);
}

void TTabEdit::keep(const QString& shown, const std::string& bytes) {
    if (bytes.empty()) return;
    const bool known = std::any_of(kept_.begin(), kept_.end(), [&](const KnownText& k) {
        return k.shown == shown && k.bytes == bytes;
    });
    if (!known) kept_.push_back({shown, bytes});
}

void TTabEdit::setEntryBytes(const std::string& bytes) {
    const QString shown = displayText(bytes);
    setEditText(shown);
    keep(shown, bytes);
}

void TTabEdit::insertBytes(const std::string& bytes) {
    const QString shown = displayText(bytes);
    lineEdit()->insert(shown);
    keep(shown, bytes);
}

void TTabEdit::addToHistory(const QString& text) {
    insertItem(0, text);
}

void TTabEdit::addHistoryBytes(const std::string& bytes) {
    // A line of typed and known text may mix encodings: it is shown as typed.
    const QString shown = entryBytes() == bytes ? entryText() : displayText(bytes);
    insertItem(0, shown, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
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
