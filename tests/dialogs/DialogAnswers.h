// Answers for the boxes a window opens from inside its own handlers: a
// question, an input box, a file dialog, the colour dialog. Each is armed
// before the click that opens the box and runs once the box's loop runs.
#pragma once

#include <QColor>
#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QString>
#include <optional>

#include "ui/WidgetTestSupport.h"

namespace verdo::testing {

// Records the question's text in `asked` and presses Yes or No.
inline void answerQuestion(bool yes, QString* asked = nullptr) {
    answerNextModal([yes, asked](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) {
            modal->close();
            return;
        }
        if (asked != nullptr) *asked = box->text();
        box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
    });
}

// Records a message box's text and closes it.
inline void acknowledgeMessage(QString* shown) {
    answerNextModal([shown](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) *shown = box->text();
        modal->close();
    });
}

inline void answerInput(const QString& text) {
    answerNextModal([text](QWidget* modal) {
        auto* input = qobject_cast<QInputDialog*>(modal);
        if (input == nullptr) {
            modal->close();
            return;
        }
        input->setTextValue(text);
        input->accept();
    });
}

// Chooses `path`, or cancels without one; `title` receives the dialog's title.
inline void answerFile(const std::optional<QString>& path, QString* title = nullptr) {
    answerNextModal([path, title](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (title != nullptr) *title = modal->windowTitle();
        if (dialog == nullptr || !path) {
            modal->close();
            return;
        }
        dialog->selectFile(*path);
        static_cast<QDialog*>(dialog)->accept();
    });
}

inline void answerColor(const QColor& color) {
    answerNextModal([color](QWidget* modal) {
        auto* dialog = qobject_cast<QColorDialog*>(modal);
        if (dialog == nullptr) {
            modal->close();
            return;
        }
        dialog->setCurrentColor(color);
        static_cast<QDialog*>(dialog)->accept();
    });
}

}  // namespace verdo::testing
