// The window's own key handling (see FormKeyFilter.h).
#include "ui/FormKeyFilter.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>

#include "chat/ChatForm.h"
#include "ui/ChatWidgets.h"
#include "ui/MainActions.h"

namespace verdo {

std::optional<char> macroKey(const QKeyEvent& event) {
    constexpr Qt::KeyboardModifiers held =
        Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if ((event.modifiers() & held) != (Qt::ControlModifier | Qt::AltModifier)) return std::nullopt;
    const int key = event.key();
    const bool letter = key >= Qt::Key_A && key <= Qt::Key_Z;
    const bool digit = key >= Qt::Key_0 && key <= Qt::Key_9;
    if (!letter && !digit) return std::nullopt;
    return static_cast<char>(key);  // the key codes of letters and digits are their ASCII
}

namespace {

bool hasSelection(const QListWidget& list) {
    return !list.selectedItems().isEmpty();
}

void selectRow(QListWidget& list, int row) {
    if (row < 0 || row >= list.count()) return;
    list.setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

}  // namespace

void selectOtherList(QListWidget& roster, QListWidget& custom) {
    if (!hasSelection(custom) && hasSelection(roster)) {
        roster.clearSelection();
        selectRow(custom, 0);
    } else {
        custom.clearSelection();
        selectRow(roster, 0);
    }
}

void stepSelection(QListWidget& roster, QListWidget& custom, int step) {
    QListWidget* list = hasSelection(custom) ? &custom : hasSelection(roster) ? &roster : nullptr;
    if (list == nullptr) {
        selectRow(roster, 0);
        return;
    }
    const int count = list->count();
    const int row = list->row(list->selectedItems().front());
    selectRow(*list, (row + step + count) % count);
}

void keepOneSelection(QListWidget& first, QListWidget& second) {
    auto clearOther = [](QListWidget* selected, QListWidget* other) {
        if (hasSelection(*selected)) other->clearSelection();
    };
    QObject::connect(&first, &QListWidget::itemSelectionChanged, &second,
                     [&first, &second, clearOther] { clearOther(&first, &second); });
    QObject::connect(&second, &QListWidget::itemSelectionChanged, &first,
                     [&first, &second, clearOther] { clearOther(&second, &first); });
}

FormKeyFilter::FormKeyFilter(QWidget& window, ChatWidgets& widgets, const MainActions& actions,
                             ChatForm& form, QObject* parent)
    : QObject(parent), window_(window), widgets_(widgets), actions_(actions), form_(form) {}

bool FormKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::ShortcutOverride) || !watched->isWidgetType())
        return false;
    if (static_cast<QWidget*>(watched)->window() != &window_) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (type == QEvent::KeyPress) return FormKeyDown(watched, *key);
    // The control asks to keep a key that is also a shortcut (the entry's
    // Select All on Ctrl+A): the claim is refused here and at every parent,
    // so the key goes to the shortcut.
    if (!isActionShortcut(*key)) return false;
    key->ignore();
    return true;
}

bool FormKeyFilter::isActionShortcut(const QKeyEvent& key) const {
    const QKeySequence pressed(key.keyCombination());
    for (const ChatActionInfo& info : chatActions()) {
        const QAction* action = actions_.action(info.id);
        if (action->isEnabled() && action->shortcut() == pressed) return true;
    }
    return false;
}

bool FormKeyFilter::FormKeyDown(QObject* watched, const QKeyEvent& key) {
    QListWidget& roster = widgets_.rosterList();
    QListWidget& custom = widgets_.customList();
    switch (key.key()) {
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            selectOtherList(roster, custom);
            return true;
        case Qt::Key_Up:
            stepSelection(roster, custom, -1);
            return true;
        case Qt::Key_Down:
            stepSelection(roster, custom, 1);
            return true;
        default:
            break;
    }
    // A passed-on key travels on to parents and inner editors; the macros run
    // only at its first stop, the focused control.
    QWidget* focus = QApplication::focusWidget();
    const bool firstStop = focus != nullptr ? watched == focus : watched == &window_;
    if (const std::optional<char> letter = macroKey(key); letter && firstStop)
        form_.text().runMacros(*letter, widgets_.entryText(), widgets_.selection());
    return false;
}

}  // namespace verdo
