// The Qt services every Qt program shares (see QtPlatformBase.h).
#include "platform/qt/QtPlatformBase.h"

#include <QDesktopServices>
#include <QUrl>

#include "platform/qt/QtClock.h"
#include "platform/qt/QtTimer.h"

namespace verdo {

std::unique_ptr<Timer> QtPlatformBase::createTimer() {
    return std::make_unique<QtTimer>();
}

void QtPlatformBase::openLink(const std::string& url) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

Clock& QtPlatformBase::clock() {
    static QtClock clock;
    return clock;
}

}  // namespace verdo
