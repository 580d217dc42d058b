// The locale's date and time (see QtClock.h). Its long time format names the
// time zone ("2:02:11 PM UTC", "0:00:01 (UTC)", "UTC 00:00:01"); a log and a
// chat line want the time alone, so the zone and what only frames it go.
#include "platform/qt/QtClock.h"

#include <chrono>

#include "platform/Windows1252.h"

namespace verdo {
namespace {

// Where an unquoted time-zone field ("t") of a format starts, or -1.
qsizetype timeZoneField(const QString& format) {
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format[i] == '\'')
            quoted = !quoted;
        else if (!quoted && format[i] == 't')
            return i;
    }
    return -1;
}

// The format without its time-zone fields, the brackets around them and the
// blanks that set them apart.
QString withoutTimeZone(QString format) {
    for (qsizetype at = timeZoneField(format); at >= 0; at = timeZoneField(format)) {
        qsizetype end = at;
        while (end < format.size() && format[end] == 't')
            ++end;
        if (at > 0 && end < format.size() && format[at - 1] == '(' && format[end] == ')') {
            --at;
            ++end;
        }
        qsizetype before = at;
        while (before > 0 && format[before - 1].isSpace())
            --before;
        qsizetype after = end;
        while (after < format.size() && format[after].isSpace())
            ++after;
        // Between two fields one side's blanks go; at either end, all of them.
        if (before > 0 && after < format.size())
            format.remove(at, after - at);
        else
            format.remove(before, after - before);
    }
    return format;
}

}  // namespace

QtClock::QtClock(QLocale locale, Now now)
    : locale_(std::move(locale)),
      now_(std::move(now)),
      timeFormat_(withoutTimeZone(locale_.timeFormat(QLocale::LongFormat))) {}

std::string QtClock::localDateTimeText() {
    const QDateTime now = now_();
    QString text = locale_.toString(now.date(), QLocale::ShortFormat);
    if (now.time() != QTime(0, 0)) text += ' ' + locale_.toString(now.time(), timeFormat_);
    return toWindows1252(
        std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), text.size()));
}

std::int64_t QtClock::steadyMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::int64_t QtClock::epochSeconds() {
    return now_().toSecsSinceEpoch();
}

}  // namespace verdo
