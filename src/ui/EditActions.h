// EditActions: the Edit menu's Undo, Cut, Copy, Paste and Select All on the
// focused text control of the main window, enabled by what has the focus and,
// for Paste, by text on the clipboard. Undo, Cut and Paste act on the entry
// line only.
#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace verdo {

class MainActions;
class TTabEdit;

class EditActions : public QObject {
    Q_OBJECT

  public:
    // Follows the focus within `window` and the clipboard from now on.
    EditActions(QWidget& window, TTabEdit& entry, const MainActions& actions);

    void undo();
    void cut();
    void copy();
    void paste();
    void selectAll();
    // The actions' enabling for the focus and the clipboard of now.
    void update();

  private:
    // The focused control of the window; while a menu or another window has
    // the keyboard, the one that had it last.
    QWidget* editFocus() const;
    bool entryHasFocus() const;

    QWidget& window_;
    TTabEdit& entry_;
    const MainActions& actions_;
    QPointer<QWidget> lastFocus_;
};

}  // namespace verdo
