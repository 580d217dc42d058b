// The send queue's own cost: 10,000 lines of typical lengths queued and then
// taken out, each with the decision of when it (or a piece of it) may leave
// under the quota, on a clock that jumps to that moment; beside a
// std::deque<std::string> that only takes copies of the same lines and gives
// them back.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "interp/PacingRules.h"
#include "interp/SendPacer.h"
#include "interp/SendQueue.h"

namespace {

constexpr std::size_t kLines = 10000;
constexpr std::int64_t kFloodInterval = 2500;

// Mostly short talk and commands, some answers of a few units, now and then
// one that leaves in pieces.
std::vector<std::string> typicalLines() {
    static const std::size_t kLengths[] = {14, 27,  35, 9,  52,  31, 88,
                                           22, 120, 40, 18, 190, 63, 250};
    static const char* const kStarts[] = {"", "/w Someone ", "/me ", ""};
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < kLines; ++i) {
        std::string line = kStarts[i % std::size(kStarts)];
        for (int w = 0; line.size() < kLengths[i % std::size(kLengths)]; ++w)
            line += "word" + std::to_string(w) + " ";
        line.resize(kLengths[i % std::size(kLengths)]);
        if (line.back() == ' ') line.back() = 'x';
        lines.push_back(line);
    }
    return lines;
}

void BM_DequeOfStrings(benchmark::State& state) {
    const std::vector<std::string> lines = typicalLines();
    for (auto _ : state) {
        std::deque<std::string> queue;
        for (const std::string& line : lines)
            queue.push_back(line);
        std::size_t bytes = 0;
        while (!queue.empty()) {
            bytes += queue.front().size();
            queue.pop_front();
        }
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kLines));
}

void BM_SendQueue(benchmark::State& state) {
    const std::vector<std::string> lines = typicalLines();
    for (auto _ : state) {
        verdo::SendQueue queue;
        verdo::SendPacer pacer{verdo::PacingRules{}};
        for (std::size_t i = 0; i < lines.size(); ++i) {
            verdo::SendQueue::Line line;
            line.text = lines[i];
            line.endsWithReturn = true;
            line.sendClass = i % 5 == 0 ? verdo::SendClass::Command : verdo::SendClass::Typed;
            queue.push(std::move(line));
        }
        std::int64_t now = 0;
        std::int64_t lastSent = -kFloodInterval;
        std::size_t bytes = 0;
        while (!queue.empty()) {
            verdo::SendQueue::Line& line = queue.front();
            std::int64_t at = pacer.readyAt(line, now);
            if (pacer.isShort(line)) at = std::max(at, lastSent + kFloodInterval);
            now = lastSent = at;
            bytes += pacer.take(line, now).size();
            if (line.text.empty()) queue.popFront();
        }
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kLines));
}

BENCHMARK(BM_DequeOfStrings);
BENCHMARK(BM_SendQueue);

}  // namespace

BENCHMARK_MAIN();
