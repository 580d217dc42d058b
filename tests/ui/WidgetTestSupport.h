// Helpers for offscreen widget tests: an active window (so that focus and
// shortcuts work) and answering the next modal dialog from inside its loop.
#pragma once

#include <QApplication>
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
