// Creates the Qt implementations of the platform services.
#include "platform/qt/QtPlatform.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QLocale>
#include <QUrl>
#include <chrono>

#include "platform/qt/QtSound.h"
#include "platform/qt/QtTcpClient.h"
#include "platform/qt/QtTimer.h"

namespace verdo {

std::unique_ptr<TcpClient> QtPlatform::createTcpClient() {
    return std::make_unique<QtTcpClient>();
}

std::unique_ptr<Timer> QtPlatform::createTimer() {
    return std::make_unique<QtTimer>();
}

namespace {
class LocaleClock : public Clock {
  public:
    std::string localDateTimeText() override {
        const QDateTime now = QDateTime::currentDateTime();
        const QLocale locale = QLocale::system();
        QString text = locale.toString(now.date(), QLocale::ShortFormat);
        if (now.time() != QTime(0, 0))
            text += ' ' + locale.toString(now.time(), QLocale::LongFormat);
        return text.toStdString();
    }
    std::int64_t steadyMilliseconds() override {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
};
}  // namespace

Sound& QtPlatform::sound() {
    if (!sound_) sound_ = std::make_unique<QtSound>();
    return *sound_;
}

void QtPlatform::openLink(const std::string& url) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

Clock& QtPlatform::clock() {
    static LocaleClock clock;
    return clock;
}

}  // namespace verdo
