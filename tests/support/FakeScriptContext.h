// A ScriptContext that records what scripts send and show, on the fake
// platform's clock, random source and timers.
#pragma once

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/AnsiText.h"
#include "scripting/ScriptContext.h"
#include "support/FakePlatform.h"

namespace verdo::testing {

class FakeScriptContext : public ScriptContext {
  public:
    void sendLine(std::string_view line, SendClass sendClass) override {
        sent.emplace_back(std::string(line), sendClass);
    }
    std::string me() const override { return myName; }
    std::string channel() const override { return channelName; }
    std::vector<ScriptUser> users() const override { return roster; }
    bool isOwner(std::string_view name) const override { return listed(owners, name); }
    bool isMember(std::string_view name) const override { return listed(members, name); }
    bool loggedOn() const override { return online; }
    bool masterSwitch() const override { return master; }
    bool hasIgnorePrefix(std::string_view text) const override {
        return !ignorePrefix.empty() && startsWithIgnoreCaseAZ(text, ignorePrefix);
    }
    bool mayAnswer(std::string_view user) override {
        answersCounted.emplace_back(user);
        return !heldBack.count(std::string(user));
    }
    void showInfo(std::string_view text) override { infos.emplace_back(text); }
    void showError(std::string_view text) override { errors.emplace_back(text); }
    Clock& clock() override { return platform.fakeClock; }
    Random& random() override { return platform.fakeRandom; }
    std::unique_ptr<Timer> createTimer() override { return platform.createTimer(); }

    // The texts of the sent lines alone.
    std::vector<std::string> lines() const {
        std::vector<std::string> texts;
        for (const auto& [line, sendClass] : sent)
            texts.push_back(line);
        return texts;
    }

    FakePlatform platform;
    std::vector<std::pair<std::string, SendClass>> sent;
    std::vector<std::string> infos;
    std::vector<std::string> errors;
    std::vector<std::string> answersCounted;
    std::set<std::string> heldBack;
    std::string myName = "VerdoBot";
    std::string channelName = "Chat";
    std::vector<ScriptUser> roster;
    std::vector<std::string> owners;
    std::vector<std::string> members;
    std::string ignorePrefix;
    bool online = true;
    bool master = true;

  private:
    static bool listed(const std::vector<std::string>& names, std::string_view name) {
        for (const std::string& listedName : names)
            if (equalsIgnoreCaseAZ(listedName, name)) return true;
        return false;
    }
};

}  // namespace verdo::testing
