// The operating-system services the core needs, gathered in one place so that a
// test can build any part of the program with fakes. The desktop and headless
// programs pass the Qt implementation; tests pass the fakes of tests/support.
#pragma once

#include <memory>
#include <string>

#include "platform/Clock.h"
#include "platform/ProcessStarter.h"
#include "platform/Random.h"
#include "platform/Sound.h"
#include "platform/TcpClient.h"
#include "platform/Timer.h"

namespace verdo {

class Platform {
  public:
    virtual ~Platform() = default;

    virtual std::unique_ptr<TcpClient> createTcpClient() = 0;
    // A new timer starts disabled with an interval of 1000 ms.
    virtual std::unique_ptr<Timer> createTimer() = 0;
    virtual Clock& clock() = 0;
    // Seeded once, at creation.
    virtual Random& random() = 0;
    virtual Sound& sound() = 0;
    // Opens a link in the user's browser without waiting.
    virtual void openLink(const std::string& url) = 0;
    // Starts other programs (the launcher's games).
    virtual ProcessStarter& processes() = 0;
};

}  // namespace verdo
