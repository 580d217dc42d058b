// The timer service on QTimer.
#pragma once

#include <QTimer>

#include "platform/Timer.h"

namespace verdo {

class QtTimer : public Timer {
  public:
    QtTimer();

    void setInterval(int milliseconds) override;
    int interval() const override { return timer_.interval(); }
    void setEnabled(bool enabled) override;
    bool enabled() const override { return timer_.isActive(); }

  private:
    QTimer timer_;
};

}  // namespace verdo
