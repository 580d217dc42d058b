// The clock on Qt: the local date and time as the locale writes them, as
// 8-bit text, and a steady millisecond count.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <functional>

#include "platform/Clock.h"

namespace verdo {

class QtClock : public Clock {
  public:
    using Now = std::function<QDateTime()>;

    // `now` gives the local date and time; tests pass fixed moments.
    explicit QtClock(QLocale locale = QLocale::system(), Now now = &QDateTime::currentDateTime);

    // The locale's short date, a blank and its long time without the time
    // zone; at exactly midnight the date alone. Windows-1252 bytes.
    std::string localDateTimeText() override;
    std::int64_t steadyMilliseconds() override;
    std::int64_t epochSeconds() override;

  private:
    QLocale locale_;
    Now now_;
    QString timeFormat_;
};

}  // namespace verdo
