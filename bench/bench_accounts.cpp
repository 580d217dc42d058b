// The distinct list of the account information window over many whois pairs.
// AccountLists::distinct keeps a set of the keys seen; the baseline looks each
// pair up in the list being built, the quadratic way. Both take the same pairs:
// every name twice in other letter case, with an account each.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "engine/AccountLists.h"
#include "engine/ListBoxOrder.h"
#include "platform/AnsiText.h"

namespace {

struct Pairs {
    std::vector<std::string> names;
    std::vector<std::string> numbers;
};

Pairs makePairs(std::size_t count) {
    Pairs pairs;
    for (std::size_t i = 0; i < count; ++i) {
        const std::string name = "Player" + std::to_string((i * 7919) % (count / 2 + 1));
        pairs.names.push_back(i % 2 == 0 ? name : verdo::upperAZ(name));
        pairs.numbers.push_back(std::to_string(1000000 + i % 5000));
    }
    return pairs;
}

void BM_DistinctWithSeenSet(benchmark::State& state) {
    const Pairs pairs = makePairs(static_cast<std::size_t>(state.range(0)));
    const verdo::AccountLists lists(pairs.names, pairs.numbers);
    for (auto _ : state) {
        auto names = lists.distinct(verdo::AccountSide::Names, [](std::size_t) {});
        benchmark::DoNotOptimize(names.data());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_DistinctWithSeenSet)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

// What the window does after the list is built: the list box's order.
void BM_SortForListBox(benchmark::State& state) {
    const Pairs pairs = makePairs(static_cast<std::size_t>(state.range(0)));
    const auto names =
        verdo::AccountLists(pairs.names, pairs.numbers).distinct(verdo::AccountSide::Names);
    for (auto _ : state) {
        auto sorted = names;
        verdo::sortLikeListBox(sorted);
        benchmark::DoNotOptimize(sorted.data());
    }
}
BENCHMARK(BM_SortForListBox)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Each pair looked up in the list being built, letters compared without case.
void BM_DistinctQuadraticBaseline(benchmark::State& state) {
    const Pairs pairs = makePairs(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        std::vector<std::string> names;
        for (const std::string& name : pairs.names) {
            bool found = false;
            for (const std::string& listed : names) {
                if (verdo::equalsIgnoreCaseAZ(listed, name)) {
                    found = true;
                    break;
                }
            }
            if (!found) names.push_back(name);
        }
        benchmark::DoNotOptimize(names.data());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_DistinctQuadraticBaseline)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

}  // namespace

BENCHMARK_MAIN();
