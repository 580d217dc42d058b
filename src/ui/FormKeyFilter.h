// Keys the main window sees before the focused control: the shortcuts of its
// actions, the macro keys (Ctrl+Alt+letter) and the keys that move the one
// selection of the two user lists (Page Up/Down between them, Up/Down within
// them, wrapping).
#pragma once

#include <QObject>
#include <optional>

class QKeyEvent;
class QListWidget;

namespace verdo {

class ChatForm;
class ChatWidgets;
class MainActions;

// The letter or digit of Ctrl+Alt+key (no Shift, no Meta), else nothing.
std::optional<char> macroKey(const QKeyEvent& event);

// Page Up/Down: from the roster to the custom list's first row when only the
// roster has a selection, otherwise to the roster's first row.
void selectOtherList(QListWidget& roster, QListWidget& custom);
// Up (-1) and Down (+1) in the list that has the selection (the custom list
// first), wrapping at either end; with no selection the roster's first row.
void stepSelection(QListWidget& roster, QListWidget& custom, int step);
// Selecting a row in one list clears the other's selection.
void keepOneSelection(QListWidget& first, QListWidget& second);

// FormKeyDown: installed on the application, it acts on keys meant for
// `window` only. A shortcut of an enabled action goes before what the focused
// control would make of the same key, so Ctrl+A is Away in the entry line too.
class FormKeyFilter : public QObject {
    Q_OBJECT

  public:
    FormKeyFilter(QWidget& window, ChatWidgets& widgets, const MainActions& actions, ChatForm& form,
                  QObject* parent);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool FormKeyDown(QObject* watched, const QKeyEvent& key);
    bool isActionShortcut(const QKeyEvent& key) const;
    QWidget& window_;
    ChatWidgets& widgets_;
    const MainActions& actions_;
    ChatForm& form_;
};

}  // namespace verdo
