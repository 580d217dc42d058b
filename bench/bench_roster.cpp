// The roster under a big channel: a listing of 10,000 users (one 1007 and
// 10,000 1001 lines), then 10,000 joins and 10,000 leaves in random order,
// through the gateway decoder and the roster model. The baseline only appends
// and erases the same names in a std::vector<std::string>.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "chat/Roster.h"
#include "interp/BnetChat.h"
#include "support/FakeTimer.h"

namespace {

constexpr int kUsers = 10000;

std::string listedName(int i) {
    return "Listed" + std::to_string(100000 + i);
}
std::string joinerName(int i) {
    return "Joiner" + std::to_string(100000 + i);
}

struct Event {
    bool join;
    std::string name;
    std::string line;
};

// Joins of new names and leaves of listed ones, shuffled with a fixed seed.
const std::vector<Event>& churn() {
    static const std::vector<Event> events = [] {
        std::vector<Event> out;
        for (int i = 0; i < kUsers; ++i) {
            out.push_back({true, joinerName(i), "1002 JOIN " + joinerName(i) + " 0010 [SEXP]"});
            out.push_back({false, listedName(i), "1003 LEAVE " + listedName(i) + " 0010 [STAR]"});
        }
        std::shuffle(out.begin(), out.end(), std::mt19937(20260712));
        return out;
    }();
    return events;
}

const std::vector<std::string>& listedNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> out;
        for (int i = 0; i < kUsers; ++i)
            out.push_back(listedName(i));
        return out;
    }();
    return names;
}

const std::vector<std::string>& listing() {
    static const std::vector<std::string> lines = [] {
        std::vector<std::string> out{"1007 CHANNEL \"Bench Channel\""};
        for (int i = 0; i < kUsers; ++i)
            out.push_back("1001 USER " + listedName(i) + " 0010 [STAR]");
        return out;
    }();
    return lines;
}

void BM_VectorBaseline(benchmark::State& state) {
    const std::vector<Event>& events = churn();
    for (auto _ : state) {
        std::vector<std::string> names;
        for (const std::string& name : listedNames())
            names.push_back(name);
        for (const Event& event : events) {
            if (event.join) {
                names.push_back(event.name);
            } else {
                names.erase(std::find(names.begin(), names.end(), event.name));
            }
        }
        benchmark::DoNotOptimize(names.data());
    }
    state.SetItemsProcessed(state.iterations() * (1 + kUsers + 2 * kUsers));
}

void BM_DecoderAndRoster(benchmark::State& state) {
    verdo::Roster roster;
    verdo::TBnetChat decoder(std::make_unique<verdo::testing::FakeTimer>());
    decoder.OnChannel = [&roster](std::string_view channel) {
        roster.setChannelName(channel);
        roster.startChannel();
    };
    auto add = [&roster](std::string_view user, std::string_view flags, std::string_view product) {
        roster.add(user, verdo::shownProduct(user, product), verdo::parseFlags(flags));
    };
    decoder.OnShowUser = add;
    decoder.OnJoin = add;
    decoder.OnLeave = [&roster](std::string_view user, std::string_view, std::string_view) {
        if (const auto row = roster.find(user)) roster.removeAt(*row);
    };
    const std::vector<std::string>& start = listing();
    const std::vector<Event>& events = churn();
    for (auto _ : state) {
        for (const std::string& line : start)
            decoder.Interpret(line);
        for (const Event& event : events)
            decoder.Interpret(event.line);
        benchmark::DoNotOptimize(roster.UserCount());
    }
    if (roster.UserCount() != kUsers) state.SkipWithError("the roster lost count");
    state.SetItemsProcessed(state.iterations() * (1 + kUsers + 2 * kUsers));
}

BENCHMARK(BM_VectorBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecoderAndRoster)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
