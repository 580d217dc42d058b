// The production platform: the services on Qt.
#pragma once

#include "platform/Platform.h"
#include "platform/StdRandom.h"
#include "platform/qt/QtProcessStarter.h"

namespace verdo {

class QtPlatform : public Platform {
  public:
    std::unique_ptr<TcpClient> createTcpClient() override;
    std::unique_ptr<Timer> createTimer() override;
    Clock& clock() override;
    Random& random() override { return random_; }
    void openLink(const std::string& url) override;
    Sound& sound() override;
    ProcessStarter& processes() override { return processes_; }

  private:
    StdRandom random_;
    std::unique_ptr<Sound> sound_;
    QtProcessStarter processes_;
};

}  // namespace verdo
