// Find in the chat on a full pane (20,000 lines, the pane's cap): the time
// from a search text to the count and the first match marked and in view,
// beside a baseline that only counts the text in one plain-text copy of the
// pane. A frame is 16.7 ms; the figure to watch is the absolute time of
// FindCountAndFirst, and its ratio to the baseline shows it stays a linear
// scan. Runs offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <array>
#include <cstdlib>

#include "controls/PaneSearch.h"
#include "controls/RichPane.h"

namespace {

verdo::RichPane& fullPane() {
    static verdo::RichPane* pane = [] {
        auto* created = new verdo::RichPane;
        created->resize(600, 400);
        const QFont font("DejaVu Sans", 9);
        for (int i = 0; i < verdo::RichPane::DefaultMaxLines; ++i) {
            // One line in a thousand names the searched-for user; every line has "the".
            const QString text = i % 1000 == 500
                                     ? QString("looking for Zebedee, line %1").arg(i)
                                     : QString("and then the ladder game number %1 ended").arg(i);
            const std::array<verdo::PaneSegment, 2> line{
                verdo::PaneSegment{QString("<User%1> ").arg(i % 37), Qt::yellow},
                verdo::PaneSegment{text, Qt::white}};
            created->appendLine(line, font);
        }
        return created;
    }();
    return *pane;
}

void Baseline(benchmark::State& state) {
    verdo::RichPane& pane = fullPane();
    for (auto _ : state)
        benchmark::DoNotOptimize(pane.toPlainText().count("zebedee", Qt::CaseInsensitive));
}

void FindCountAndFirst(benchmark::State& state, const char* text) {
    verdo::RichPane& pane = fullPane();
    verdo::PaneSearch search;
    for (auto _ : state) {
        search.search(*pane.document(), text);
        pane.showMatches(search.matches(), search.current());
        benchmark::DoNotOptimize(search.status());
    }
    state.counters["matches"] = static_cast<double>(search.matches().size());
}

}  // namespace

BENCHMARK(Baseline)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindCountAndFirst, twenty, "zebedee")->Unit(benchmark::kMillisecond);
// Every line matches twice: the 10,000 marked matches are the worst case.
BENCHMARK_CAPTURE(FindCountAndFirst, capped, "the")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
