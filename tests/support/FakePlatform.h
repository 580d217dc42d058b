// The platform with fakes: remembers every client and timer it created so that a
// test can drive them.
#pragma once

#include <algorithm>
#include <initializer_list>
#include <stdexcept>
#include <vector>

#include "platform/Platform.h"
#include "support/FakeClock.h"
#include "support/FakeRandom.h"
#include "support/FakeTcpClient.h"
#include "support/FakeTimer.h"
#include "support/RecordingProcessStarter.h"

namespace verdo::testing {

class FakePlatform : public Platform {
  public:
    FakePlatform() {
        fakeClock.text = "07/12/2026 10:11:12";
        fakeClock.nowMs = 0;
    }

    std::unique_ptr<TcpClient> createTcpClient() override {
        auto client = std::make_unique<FakeTcpClient>();
        clients.push_back(client.get());
        return client;
    }
    std::unique_ptr<Timer> createTimer() override {
        auto timer = std::make_unique<FakeTimer>();
        timers.push_back(timer.get());
        return timer;
    }

    Clock& clock() override { return fakeClock; }
    Random& random() override { return fakeRandom; }
    void openLink(const std::string& url) override { openedLinks.push_back(url); }
    Sound& sound() override { return fakeSound; }
    struct RecordingSound : Sound {
        void play(const std::string& path) override { played.push_back(path); }
        void stopAll() override { ++stops; }
        std::vector<std::string> played;
        int stops = 0;
    } fakeSound;
    std::vector<std::string> openedLinks;
    ProcessStarter& processes() override { return startedProcesses; }
    RecordingProcessStarter startedProcesses;

    FakeClock fakeClock;
    FakeRandom fakeRandom;
    // The fake behind a timer of this platform, found by its role.
    static FakeTimer& fake(Timer& timer) { return static_cast<FakeTimer&>(timer); }
    std::vector<FakeTcpClient*> clients;  // not owned
    std::vector<FakeTimer*> timers;       // not owned
};

}  // namespace verdo::testing
