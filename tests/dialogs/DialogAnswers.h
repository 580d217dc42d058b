// Answers for the boxes a window opens from inside its own handlers: a
// question, a message, an input box. Each is armed
// before the click that opens the box and runs once the box's loop runs.
#pragma once

#include <QInputDialog>
#include <QMessageBox>
#include <QString>

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

}  // namespace verdo::testing
