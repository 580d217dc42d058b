// The platform with fakes: remembers every client and timer it created so that a
// test can drive them.
#pragma once

#include <vector>

#include "platform/Platform.h"
#include "support/FakeRandom.h"
#include "support/FakeTcpClient.h"
#include "support/FakeTimer.h"

namespace verdo::testing {

class FakePlatform : public Platform {
  public:
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
        std::vector<std::string> played;
    } fakeSound;
    std::vector<std::string> openedLinks;

    struct FixedClock : Clock {
        std::string localDateTimeText() override { return text; }
        std::int64_t steadyMilliseconds() override { return milliseconds; }
        std::string text = "07/12/2026 10:11:12";
        std::int64_t milliseconds = 0;
    } fakeClock;
    FakeRandom fakeRandom;
    std::vector<FakeTcpClient*> clients;  // not owned
    std::vector<FakeTimer*> timers;       // not owned
};

}  // namespace verdo::testing
