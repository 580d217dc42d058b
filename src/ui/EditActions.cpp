// The Edit menu on the main window's focused control (see EditActions.h).
#include "ui/EditActions.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QTextEdit>

#include "controls/TabEdit.h"
#include "ui/MainActions.h"

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

EditActions::EditActions(QWidget& window, TTabEdit& entry, const MainActions& actions)
    : window_(window), entry_(entry), actions_(actions) {
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now != nullptr && now->window() == &window_) lastFocus_ = now;
        update();
    });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] { update(); });
    update();
}

QWidget* EditActions::editFocus() const {
    QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr && focus->window() == &window_) return focus;
    return lastFocus_;
}

bool EditActions::entryHasFocus() const {
    QWidget* focus = editFocus();
    return focus != nullptr && (focus == &entry_ || focus == entry_.lineEdit());
}

void EditActions::update() {
    QWidget* focus = editFocus();
    const bool textControl = asLineEdit(focus) != nullptr || asTextEdit(focus) != nullptr;
    const QMimeData* clip = QGuiApplication::clipboard()->mimeData();
    actions_.action(ChatAction::Undo)->setEnabled(entryHasFocus());
    actions_.action(ChatAction::Cut)->setEnabled(entryHasFocus());
    actions_.action(ChatAction::Copy)->setEnabled(textControl);
    actions_.action(ChatAction::Paste)
        ->setEnabled(entryHasFocus() && clip != nullptr && clip->hasText());
    actions_.action(ChatAction::SelectAll)->setEnabled(textControl);
}

void EditActions::undo() {
    if (entryHasFocus()) entry_.lineEdit()->undo();
}

void EditActions::cut() {
    if (entryHasFocus()) entry_.lineEdit()->cut();
}

void EditActions::copy() {
    QWidget* focus = editFocus();
    if (QLineEdit* line = asLineEdit(focus)) {
        line->copy();
    } else if (QTextEdit* text = asTextEdit(focus)) {
        text->copy();
    }
}

void EditActions::paste() {
    if (entryHasFocus()) entry_.lineEdit()->paste();
}

void EditActions::selectAll() {
    QWidget* focus = editFocus();
    if (QLineEdit* line = asLineEdit(focus)) {
        line->selectAll();
    } else if (QTextEdit* text = asTextEdit(focus)) {
        text->selectAll();
    }
}

}  // namespace verdo
