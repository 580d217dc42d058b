// Sockets and sounds made directly (see QtPlatform.h).
#include "platform/qt/QtPlatform.h"

#include "platform/qt/QtSound.h"
#include "platform/qt/QtTcpClient.h"

namespace verdo {

std::unique_ptr<TcpClient> QtPlatform::createTcpClient() {
    return std::make_unique<QtTcpClient>();
}

Sound& QtPlatform::sound() {
    if (!sound_) sound_ = std::make_unique<QtSound>();
    return *sound_;
}

}  // namespace verdo
