// The Qt platform of the verdochat program: sockets and sounds come from the
// program's modules (verdochat-net, verdochat-sound), loaded at the first
// connect and the first sound, so that Qt Network, Qt Multimedia and the
// libraries they bring are not loaded at start.
#pragma once

#include <memory>

#include "platform/qt/DeferredSound.h"
#include "platform/qt/QtPlatformBase.h"

namespace verdo {

class ServiceModule;

class LoadingQtPlatform : public QtPlatformBase {
  public:
    LoadingQtPlatform();

    std::unique_ptr<TcpClient> createTcpClient() override;
    Sound& sound() override { return sound_; }

  private:
    // Shared with the clients made, which may outlive the platform.
    std::shared_ptr<ServiceModule> network_;
    std::shared_ptr<ServiceModule> sounds_;
    DeferredSound sound_;
};

}  // namespace verdo
