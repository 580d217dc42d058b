// A recording EngineHost for the engine's tests, fuzz target and benchmark:
// lines sent and shown are kept in order, random draws come from a queue, the
// clock is set by hand.
#pragma once

#include <string>
#include <vector>

#include "engine/EngineHost.h"
#include "support/FakeClock.h"
#include "support/FakeRandom.h"

namespace verdo::testing {

class FakeEngineHost : public EngineHost {
  public:
    FakeEngineHost() {
        options_.setYourNameColor(0x0000FF);
        options_.setYourTextColor(0x00FF00);
        options_.setInfoColor(0xFF0000);
        options_.setNameColor(0x00FFFF);
        lists_.ProductActions.fill("None");
    }

    void SendLine(const std::string& text, SendClass cls) override {
        sent.push_back(text);
        classes.push_back(cls);
    }
    void addChatLine(const std::vector<EngineSegment>& segments) override {
        shown.push_back(segments);
    }
    std::string UniqueName() const override { return uniqueName; }
    std::string CurrentServer() const override { return server; }
    std::string channelName() const override { return channel; }
    bool connected() const override { return isConnected; }
    void disconnectByCommand() override {
        ++disconnects;
        isConnected = false;
    }
    std::size_t rosterCount() const override { return roster.size(); }
    std::string rosterName(std::size_t index) const override { return roster.at(index); }
    tOptions& options() override { return options_; }
    ChatLists& lists() override { return lists_; }
    void setSettingsModified() override { modified = true; }
    std::string ignorePrefix() const override { return ignore; }
    Random& random() override { return random_; }
    Clock& clock() override { return clock_; }

    // Shown lines as plain text, segments joined.
    std::vector<std::string> shownText() const {
        std::vector<std::string> out;
        for (const auto& line : shown) {
            std::string joined;
            for (const auto& segment : line)
                joined += segment.text;
            out.push_back(joined);
        }
        return out;
    }

    std::vector<std::string> sent;
    std::vector<SendClass> classes;  // one per sent line
    std::vector<std::vector<EngineSegment>> shown;
    std::string uniqueName = "Robot";
    std::string server = "127.0.0.1";
    std::string channel = "Lobby";
    std::vector<std::string> roster;
    std::string ignore;
    bool isConnected = true;
    int disconnects = 0;
    bool modified = false;
    tOptions options_;
    ChatLists lists_;
    FakeRandom random_;
    FakeClock clock_;
};

}  // namespace verdo::testing
