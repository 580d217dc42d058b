// The Edit menu: Undo, Cut, Copy, Paste and Select All on the focused text
// control, enabled by what has the focus and, for Paste, by text on the
// clipboard. Undo and Cut act on the entry line only.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QTextEdit>

#include "controls/TabEdit.h"
#include "ui/Chat.h"

namespace verdo {

namespace {

QLineEdit* asLineEdit(QWidget* widget) {
    if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->lineEdit();
    return qobject_cast<QLineEdit*>(widget);
}

QTextEdit* asTextEdit(QWidget* widget) {
    return qobject_cast<QTextEdit*>(widget);
}

}  // namespace

// The focused control of this window; while a menu or another window has the
// keyboard, the one that had it last.
QWidget* TfrmChat::editFocus() const {
    QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr && focus->window() == this) return focus;
    return lastFocus_;
}

bool TfrmChat::entryHasFocus() const {
    QWidget* focus = editFocus();
    return focus != nullptr && (focus == edEntry || focus == edEntry->lineEdit());
}

void TfrmChat::updateEditActions() {
    QWidget* focus = editFocus();
    const bool textControl = asLineEdit(focus) != nullptr || asTextEdit(focus) != nullptr;
    const QMimeData* clip = QGuiApplication::clipboard()->mimeData();
    action(ChatAction::Undo)->setEnabled(entryHasFocus());
    action(ChatAction::Cut)->setEnabled(entryHasFocus());
    action(ChatAction::Copy)->setEnabled(textControl);
    action(ChatAction::Paste)->setEnabled(entryHasFocus() && clip != nullptr && clip->hasText());
    action(ChatAction::SelectAll)->setEnabled(textControl);
}

void TfrmChat::acUndoExecute() {
    if (entryHasFocus()) edEntry->lineEdit()->undo();
}

void TfrmChat::acCutExecute() {
    if (entryHasFocus()) edEntry->lineEdit()->cut();
}

void TfrmChat::acCopyExecute() {
    QWidget* focus = editFocus();
    if (QLineEdit* line = asLineEdit(focus)) {
        line->copy();
    } else if (QTextEdit* text = asTextEdit(focus)) {
        text->copy();
    }
}

void TfrmChat::acPasteExecute() {
    if (entryHasFocus()) edEntry->lineEdit()->paste();
}

void TfrmChat::acSelectAllExecute() {
    QWidget* focus = editFocus();
    if (QLineEdit* line = asLineEdit(focus)) {
        line->selectAll();
    } else if (QTextEdit* text = asTextEdit(focus)) {
        text->selectAll();
    }
}

}  // namespace verdo
