// The Edit menu: Cut, Copy, Paste and Select All on the focused text control,
// enabled by what has the focus and, for Paste, by text on the clipboard.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QTextEdit>

#include "ui/Chat.h"
#include "ui/TabEdit.h"

namespace verdo {

namespace {

QLineEdit* asLineEdit(QWidget* widget) {
    if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->lineEdit();
    return qobject_cast<QLineEdit*>(widget);
}

QTextEdit* asTextEdit(QWidget* widget) {
    return qobject_cast<QTextEdit*>(widget);
}

QAction* makeEditAction(QObject* owner, const char* name, const QString& text,
                        const QKeySequence& key) {
    auto* action = new QAction(text, owner);
    action->setObjectName(name);
    action->setShortcut(key);
    return action;
}

}  // namespace

void TfrmChat::createEditMenu() {
    acCut = makeEditAction(this, "acCut", tr("Cu&t"), QKeySequence(Qt::CTRL | Qt::Key_X));
    acCopy = makeEditAction(this, "acCopy", tr("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    acPaste = makeEditAction(this, "acPaste", tr("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V));
    acSelectAll = makeEditAction(this, "acSelectAll", tr("&Select All"), QKeySequence());
    connect(acCut, &QAction::triggered, this, &TfrmChat::acCutExecute);
    connect(acCopy, &QAction::triggered, this, &TfrmChat::acCopyExecute);
    connect(acPaste, &QAction::triggered, this, &TfrmChat::acPasteExecute);
    connect(acSelectAll, &QAction::triggered, this, &TfrmChat::acSelectAllExecute);
    mnEdit = menuBar()->addMenu(tr("&Edit"));
    mnEdit->setObjectName("mnEdit");
    mnEdit->addActions({acCut, acCopy, acPaste});
    mnEdit->addSeparator();
    mnEdit->addAction(acSelectAll);
}

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
    acCut->setEnabled(entryHasFocus());
    acCopy->setEnabled(textControl);
    acPaste->setEnabled(entryHasFocus() && clip != nullptr && clip->hasText());
    acSelectAll->setEnabled(textControl);
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
