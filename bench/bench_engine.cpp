// Phrase responses under a long phrase list: RespondToPhrase with 1,000
// entries against 200-character messages that match none of them (the whole
// list is searched every time), beside a baseline that lower-cases the message
// and every entry by hand and runs the same substring searches.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "engine/ChatFunctions.h"

namespace {

using namespace verdo;

constexpr int kEntries = 1000;
constexpr int kMessages = 64;
constexpr std::size_t kMessageLength = 200;

// Mixed-case letters; entries hold a digit so that no message contains one.
std::string randomText(std::mt19937& random, std::size_t length, bool withDigit) {
    static constexpr std::string_view letters =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ  ";
    std::uniform_int_distribution<std::size_t> pick(0, letters.size() - 1);
    std::string text;
    for (std::size_t i = 0; i < length; ++i)
        text += letters[pick(random)];
    if (withDigit) text[length / 2] = static_cast<char>('0' + length % 10);
    return text;
}

struct Workload {
    tStringList entries;
    std::vector<std::string> messages;
};

const Workload& workload() {
    static const Workload work = [] {
        std::mt19937 random(20260712);
        std::uniform_int_distribution<std::size_t> length(3, 24);
        Workload out;
        for (int i = 0; i < kEntries; ++i)
            out.entries.push_back(randomText(random, length(random), true));
        for (int i = 0; i < kMessages; ++i)
            out.messages.push_back(randomText(random, kMessageLength, false));
        return out;
    }();
    return work;
}

class FixedRandom : public Random {
  public:
    int uniformInt(int low, int) override { return low; }
    void seed(std::uint32_t) override {}
};

class SteadyClock : public Clock {
  public:
    std::string localDateTimeText() override { return "7/12/2026 10:11:12"; }
    std::int64_t steadyMilliseconds() override { return 0; }
};

// Only what a phrase search touches; nothing is ever sent.
class BenchHost : public EngineHost {
  public:
    BenchHost() {
        options_.setMasterSwitch(true);
        options_.setRespondToPhrases(true);
        lists_.PhraseList = workload().entries;
        for (tStringList& responses : lists_.PhraseRes)
            responses.assign(lists_.PhraseList.size(), "answer");
    }
    void SendLine(const std::string&) override { ++sent; }
    void addChatLine(const std::vector<EngineSegment>&) override {}
    std::string UniqueName() const override { return "Verdo"; }
    std::string CurrentServer() const override { return "127.0.0.1"; }
    std::string channelName() const override { return "Bench"; }
    bool connected() const override { return true; }
    void disconnectByCommand() override {}
    std::size_t rosterCount() const override { return 0; }
    std::string rosterName(std::size_t) const override { return {}; }
    tOptions& options() override { return options_; }
    ChatLists& lists() override { return lists_; }
    void setSettingsModified() override {}
    std::string ignorePrefix() const override { return "!"; }
    Random& random() override { return random_; }
    Clock& clock() override { return clock_; }

    int sent = 0;

  private:
    tOptions options_;
    ChatLists lists_;
    FixedRandom random_;
    SteadyClock clock_;
};

void BM_RespondToPhrase(benchmark::State& state) {
    BenchHost host;
    ChatFunctions engine(host);
    const std::vector<std::string>& messages = workload().messages;
    std::size_t next = 0;
    for (auto _ : state) {
        engine.RespondToPhrase("Amy", messages[next]);
        next = (next + 1) % messages.size();
    }
    if (host.sent != 0) state.SkipWithError("a message matched an entry");
    state.SetItemsProcessed(state.iterations());
}

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return text;
}

void BM_LowerAndFindBaseline(benchmark::State& state) {
    const Workload& work = workload();
    std::size_t next = 0;
    for (auto _ : state) {
        const std::string message = lowered(work.messages[next]);
        std::size_t found = std::string::npos;
        for (const std::string& entry : work.entries) {
            found = message.find(lowered(entry));
            if (found != std::string::npos) break;
        }
        benchmark::DoNotOptimize(found);
        next = (next + 1) % work.messages.size();
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_RespondToPhrase)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LowerAndFindBaseline)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
