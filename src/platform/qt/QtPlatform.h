// The Qt platform with sockets and sounds made directly, for the programs
// and tests that link Qt Network and Qt Multimedia themselves.
#pragma once

#include "platform/qt/QtPlatformBase.h"

namespace verdo {

class QtPlatform : public QtPlatformBase {
  public:
    std::unique_ptr<TcpClient> createTcpClient() override;
    Sound& sound() override;

  private:
    std::unique_ptr<Sound> sound_;
};

}  // namespace verdo
