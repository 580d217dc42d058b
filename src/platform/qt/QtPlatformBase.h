// The platform services on Qt that every Qt program shares: timers, the
// clock, the random source, links and starting programs. How sockets and
// sounds are made is left to the two programs' platforms: QtPlatform makes
// them directly, LoadingQtPlatform loads their code at the first use.
#pragma once

#include "platform/Platform.h"
#include "platform/StdRandom.h"
#include "platform/qt/QtProcessStarter.h"

namespace verdo {

class QtPlatformBase : public Platform {
  public:
    std::unique_ptr<Timer> createTimer() override;
    Clock& clock() override;
    Random& random() override { return random_; }
    void openLink(const std::string& url) override;
    ProcessStarter& processes() override { return processes_; }

  private:
    StdRandom random_;
    QtProcessStarter processes_;
};

}  // namespace verdo
