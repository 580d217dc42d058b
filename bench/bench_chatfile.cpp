// Loading and saving a chat file with 10,000 items in every list, beside a
// baseline that reads and writes the same ".ext" lines with plain
// std::ifstream/std::ofstream. The chat-file save also writes the record and
// the user file and makes each file durable (temporary file, fsync, rename);
// a second baseline adds the same fsync so the two costs can be told apart.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/ChatFile.h"

namespace {

namespace fs = std::filesystem;
using namespace verdo;

constexpr int Items = 10000;

const fs::path& folder() {
    static const fs::path path = [] {
        fs::path p = fs::temp_directory_path() / ("verdo-bench-" + std::to_string(::getpid()));
        fs::create_directories(p);
        return p;
    }();
    return path;
}

void fillLists(ChatLists& lists) {
    int n = 0;
    auto fill = [&n](tStringList& list) {
        list.clear();
        list.reserve(Items);
        for (int i = 0; i < Items; ++i)
            list.push_back("item number " + std::to_string(++n) + " with some text");
    };
    for (tStringList* list :
         {&lists.UserDef,      &lists.NameList,    &lists.PasswordList, &lists.ServerList,
          &lists.HomeList,     &lists.ChannelList, &lists.OwnerList,    &lists.MemberList,
          &lists.AccountList,  &lists.NumberList,  &lists.PhraseList,   &lists.WhisperList,
          &lists.BanList,      &lists.NoBanList,   &lists.UserJoinList, &lists.TimerList,
          &lists.IntervalList, &lists.CommandList, &lists.CommandRes,   &lists.CommandLevel,
          &lists.MacroList,    &lists.MacroKeys})
        fill(*list);
    for (tResponseLists* group : {&lists.PhraseRes, &lists.WhiserRes, &lists.UserRes}) {
        for (tStringList& alternative : *group)
            fill(alternative);
    }
}

struct Fixture {
    tOptions options;
    ChatLists lists;
    tUserList users;
    fs::path path = folder() / "bench.ch5";
    Fixture() {
        ResetOptions(options, lists.ProductActions);
        fillLists(lists);
        SaveChatFile(path, {options, lists, users});
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void BM_LoadChatFile(benchmark::State& state) {
    Fixture& f = fixture();
    tOptions options;
    ChatLists lists;
    tUserList users;
    for (auto _ : state) {
        const FileOutcome outcome = LoadChatFile(f.path, {options, lists, users});
        if (!outcome.ok) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(lists.PhraseList.data());
    }
}

void BM_LoadBaselineIfstream(benchmark::State& state) {
    const fs::path ext = folder() / "bench.ext";
    fixture();
    for (auto _ : state) {
        std::ifstream in(ext, std::ios::binary);
        std::vector<std::string> lines;
        std::string line;
        while (std::getline(in, line))
            lines.push_back(line);
        benchmark::DoNotOptimize(lines.data());
    }
}

void BM_SaveChatFile(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        if (!SaveChatFile(f.path, {f.options, f.lists, f.users}).ok)
            state.SkipWithError("save failed");
    }
}

// The same lines as the ".ext" file, key by key, through std::ofstream.
void writeBaseline(const fs::path& path) {
    Fixture& f = fixture();
    const std::string text = ExtFileText(f.lists);
    std::vector<std::string> lines;
    std::size_t start = 0;
    static std::vector<std::string> cached;
    if (cached.empty()) {
        while (start < text.size()) {
            const std::size_t end = text.find("\r\n", start);
            cached.push_back(text.substr(start, end - start));
            start = end + 2;
        }
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const std::string& line : cached)
        out << line << "\r\n";
}

void BM_SaveBaselineOfstream(benchmark::State& state) {
    const fs::path path = folder() / "baseline.ext";
    for (auto _ : state)
        writeBaseline(path);
}

void BM_SaveBaselineOfstreamFsync(benchmark::State& state) {
    const fs::path path = folder() / "baseline.ext";
    for (auto _ : state) {
        writeBaseline(path);
        const int fd = ::open(path.c_str(), O_WRONLY);
        ::fsync(fd);
        ::close(fd);
    }
}

BENCHMARK(BM_LoadChatFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadBaselineIfstream)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveChatFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveBaselineOfstream)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveBaselineOfstreamFsync)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
