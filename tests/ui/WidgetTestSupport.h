// Helpers for offscreen widget tests: an active window (so that focus and
// shortcuts work), the rows of a list, and answering the next modal dialog
// from inside its loop.
#pragma once

#include <QApplication>
#include <QListWidget>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace verdo::testing {

inline bool showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// The texts of a list's rows, top to bottom.
inline QStringList texts(const QListWidget* list) {
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->item(i)->text();
    return result;
}

// Runs `answer` on the modal dialog as soon as its event loop runs.
inline void answerNextModal(std::function<void(QWidget*)> answer) {
    QTimer::singleShot(0, qApp, [answer = std::move(answer)]() mutable {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            answer(modal);
        } else {
            answerNextModal(std::move(answer));
        }
    });
}

}  // namespace verdo::testing
