// Creates the Qt implementations of the platform services.
#include "platform/qt/QtPlatform.h"

#include <QDesktopServices>
#include <QUrl>

#include "platform/qt/QtClock.h"
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

Sound& QtPlatform::sound() {
    if (!sound_) sound_ = std::make_unique<QtSound>();
    return *sound_;
}

void QtPlatform::openLink(const std::string& url) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

Clock& QtPlatform::clock() {
    static QtClock clock;
    return clock;
}

}  // namespace verdo
