// QTimer behind the Timer interface.
#include "platform/qt/QtTimer.h"

namespace verdo {

QtTimer::QtTimer() {
    timer_.setInterval(1000);
    timer_.setTimerType(Qt::CoarseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (OnTimer) OnTimer();
    });
}

void QtTimer::setInterval(int milliseconds) {
    if (milliseconds == timer_.interval()) return;
    // QTimer::setInterval restarts a running timer, which is what we want.
    timer_.setInterval(milliseconds);
}

void QtTimer::setEnabled(bool enabled) {
    if (enabled == timer_.isActive()) return;
    if (enabled) {
        timer_.start();
    } else {
        timer_.stop();
    }
}

}  // namespace verdo
