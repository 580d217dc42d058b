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
#include "support/FakeEngineHost.h"

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

void BM_RespondToPhrase(benchmark::State& state) {
    // Only what a phrase search touches; nothing is ever sent.
    testing::FakeEngineHost host;
    host.random_.recordRanges = false;
    host.options_.setMasterSwitch(true);
    host.options_.setRespondToPhrases(true);
    host.ignore = "!";
    host.lists_.PhraseList = workload().entries;
    for (tStringList& responses : host.lists_.PhraseRes)
        responses.assign(host.lists_.PhraseList.size(), "answer");
    ChatFunctions engine(host);
    const std::vector<std::string>& messages = workload().messages;
    std::size_t next = 0;
    for (auto _ : state) {
        engine.RespondToPhrase("Amy", messages[next]);
        next = (next + 1) % messages.size();
    }
    if (!host.sent.empty()) state.SkipWithError("a message matched an entry");
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
