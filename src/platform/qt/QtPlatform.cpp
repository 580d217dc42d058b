// Creates the Qt implementations of the platform services.
#include "platform/qt/QtPlatform.h"

#include "platform/qt/QtTcpClient.h"
#include "platform/qt/QtTimer.h"

namespace verdo {

std::unique_ptr<TcpClient> QtPlatform::createTcpClient() { return std::make_unique<QtTcpClient>(); }

std::unique_ptr<Timer> QtPlatform::createTimer() { return std::make_unique<QtTimer>(); }

}  // namespace verdo
