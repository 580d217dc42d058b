// ScriptCheck: `verdochat --check-script FILE`: loads one bot script in the
// sandbox without connecting anywhere, reports its errors with their line and
// lists the events and commands it registers. It is the script's context, an
// offline one: nobody is logged on, nothing is sent, timers never run.
#pragma once

#include <filesystem>
#include <ostream>

#include "platform/Platform.h"
#include "scripting/PlatformScriptContext.h"

namespace verdo {

class ScriptCheck : public PlatformScriptContext {
  public:
    ScriptCheck(Platform& platform, std::ostream& out, std::ostream& errors)
        : PlatformScriptContext(platform), out_(out), errors_(errors) {}

    // 0 when the script loads, 1 when it fails.
    int run(const std::filesystem::path& file);

    void sendLine(std::string_view line, SendClass sendClass) override;
    std::string me() const override { return {}; }
    std::string channel() const override { return {}; }
    std::vector<ScriptUser> users() const override { return {}; }
    bool isOwner(std::string_view) const override { return false; }
    bool isMember(std::string_view) const override { return false; }
    bool loggedOn() const override { return false; }
    bool masterSwitch() const override { return true; }
    bool hasIgnorePrefix(std::string_view) const override { return false; }
    bool mayAnswer(std::string_view) override { return true; }
    void showInfo(std::string_view text) override;
    void showError(std::string_view text) override;

  private:
    std::ostream& out_;
    std::ostream& errors_;
};

}  // namespace verdo
