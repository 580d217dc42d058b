// The Qt clock's text at fixed moments: the locale's short date and long time
// without the time zone, the date alone at exactly midnight, and Windows-1252
// bytes for what the locale writes outside ASCII.
#include "platform/qt/QtClock.h"

#include <gtest/gtest.h>

#include <ostream>

namespace verdo {
namespace {

struct ClockCase {
    const char* locale;
    QTime time;
    const char* text;
};

void PrintTo(const ClockCase& c, std::ostream* out) {
    *out << c.locale << " at " << c.time.toString(Qt::ISODateWithMs).toStdString();
}

std::string textAt(const char* locale, QTime time) {
    const QDateTime moment(QDate(2026, 7, 13), time);
    QtClock clock(QLocale(QString::fromLatin1(locale)), [moment] { return moment; });
    return clock.localDateTimeText();
}

class QtClockText : public ::testing::TestWithParam<ClockCase> {};

TEST_P(QtClockText, IsTheLocalesDateAndTimeWithoutTheZone) {
    const ClockCase& c = GetParam();
    EXPECT_EQ(textAt(c.locale, c.time), c.text);
}

INSTANTIATE_TEST_SUITE_P(FixedMoments, QtClockText,
                         ::testing::Values(
                             // Around midnight and noon.
                             ClockCase{"en_US", QTime(23, 59, 59, 999), "7/13/26 11:59:59 PM"},
                             ClockCase{"en_US", QTime(0, 0), "7/13/26"},
                             ClockCase{"en_US", QTime(0, 0, 0, 1), "7/13/26 12:00:00 AM"},
                             ClockCase{"en_US", QTime(0, 0, 1), "7/13/26 12:00:01 AM"},
                             ClockCase{"en_US", QTime(12, 0), "7/13/26 12:00:00 PM"},
                             ClockCase{"de_DE", QTime(0, 0), "13.07.26"},
                             ClockCase{"de_DE", QTime(12, 0), "13.07.26 12:00:00"},
                             // Zones written last, in brackets, first, and beside quoted words.
                             ClockCase{"es_ES", QTime(0, 0, 1), "13/7/26 0:00:01"},
                             ClockCase{"zh_CN", QTime(0, 0, 1), "2026/7/13 00:00:01"},
                             ClockCase{"fr_CA", QTime(0, 0, 1), "2026-07-13 00 h 00 min 01 s"},
                             // Windows-1252, not UTF-8; a no-break space is a plain blank.
                             ClockCase{"tr_CY", QTime(0, 0, 1), "13.07.2026 12:00:01 \xD6\xD6"},
                             ClockCase{"pt_MO", QTime(13, 0), "13/07/26 1:00:00 DA TARDE"},
                             ClockCase{"es_CO", QTime(0, 0, 1), "13/07/26 12:00:01 A. M."},
                             ClockCase{"ko_KR", QTime(0, 0, 1), "26. 7. 13. ?? 12? 0? 1?"}));

// Without arguments: the system locale at the current moment.
TEST(QtClock, DefaultsToTheSystemLocaleNow) {
    QtClock clock;
    const QDateTime before = QDateTime::currentDateTime();
    const std::string text = clock.localDateTimeText();
    const QDateTime after = QDateTime::currentDateTime();
    const auto textAt = [](QDateTime moment) {
        return QtClock(QLocale::system(), [moment] { return moment; }).localDateTimeText();
    };
    EXPECT_TRUE(text == textAt(before) || text == textAt(after)) << text;
}

// The wall clock of scripts: seconds since the epoch of the same moment.
TEST(QtClock, EpochSecondsAreTheMomentsUtcSeconds) {
    const QDateTime moment(QDate(2026, 12, 7), QTime(10, 11, 12), Qt::UTC);
    EXPECT_EQ(QtClock(QLocale::c(), [moment] { return moment.toLocalTime(); }).epochSeconds(),
              1796638272);
}

}  // namespace
}  // namespace verdo
