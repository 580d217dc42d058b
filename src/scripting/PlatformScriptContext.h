// PlatformScriptContext: the part of a script context every program gives
// the same way: the clock, the random source and the timers of its Platform.
#pragma once

#include <memory>

#include "platform/Platform.h"
#include "scripting/ScriptContext.h"

namespace verdo {

class PlatformScriptContext : public ScriptContext {
  public:
    explicit PlatformScriptContext(Platform& platform) : platform_(platform) {}

    Clock& clock() override { return platform_.clock(); }
    Random& random() override { return platform_.random(); }
    std::unique_ptr<Timer> createTimer() override { return platform_.createTimer(); }

  private:
    Platform& platform_;
};

}  // namespace verdo
