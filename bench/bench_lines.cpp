// Throughput of the line splitter plus the gateway decoder on typical server
// traffic, beside a baseline that only finds line ends with memchr. The per-byte
// cost of one 16 KiB packet of short lines shows that cutting many lines out of
// one packet stays linear.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "interp/BnetChat.h"
#include "net/LineSplitter.h"
#include "support/FakeTimer.h"

namespace {

std::string serverTraffic(std::size_t bytes) {
    static const char* const kLines[] = {
        "1005 TALK Someone 0010 \"hello everybody, how is the ladder today?\"\r\n",
        "1002 JOIN NewUser#2 0010 [SEXP]\r\n",
        "1001 USER Regular 0000 [STAR]\r\n",
        "1004 WHISPER Friend 0010 \"are you there?\"\r\n",
        "1009 USER Regular 0012\r\n",
        "1018 INFO \"Your friend Friend has entered Battle.net.\"\r\n",
        "1003 LEAVE NewUser#2 0010 [SEXP]\r\n",
        "1023 EMOTE Someone 0010 \"waves\"\r\n",
    };
    std::string out;
    for (std::size_t i = 0; out.size() < bytes; ++i)
        out += kLines[i % std::size(kLines)];
    out.resize(bytes);
    return out;
}

std::string shortLines(std::size_t bytes) {
    std::string out;
    while (out.size() < bytes)
        out += "1009 USER a 0010\r\n";
    out.resize(bytes);
    return out;
}

void runBaseline(benchmark::State& state, const std::string& data) {
    for (auto _ : state) {
        std::size_t lines = 0;
        const char* at = data.data();
        const char* end = at + data.size();
        while (const void* found = std::memchr(at, '\n', static_cast<std::size_t>(end - at))) {
            ++lines;
            at = static_cast<const char*>(found) + 1;
        }
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * data.size()));
}

void runDecoder(benchmark::State& state, const std::string& data, std::size_t packet) {
    verdo::TBnetChat decoder(std::make_unique<verdo::testing::FakeTimer>());
    std::size_t seen = 0;
    auto count = [&seen](std::string_view user, std::string_view) { seen += user.size(); };
    decoder.OnTalk = count;
    decoder.OnWhisper = count;
    decoder.OnEmote = count;
    decoder.OnInfo = [&seen](std::string_view mess) { seen += mess.size(); };
    // Every event the traffic holds has a handler, as in the program.
    auto typed = [&seen](std::string_view user, std::string_view flags, std::string_view product) {
        seen += user.size() + flags.size() + product.size();
    };
    decoder.OnShowUser = typed;
    decoder.OnJoin = typed;
    decoder.OnLeave = typed;
    decoder.OnUserFlags = [&seen](std::string_view user, std::string_view flags) {
        seen += user.size() + flags.size();
    };
    verdo::LineSplitter splitter;
    splitter.onLine = [&decoder](std::string_view line) { decoder.Interpret(line); };
    for (auto _ : state) {
        for (std::size_t at = 0; at < data.size(); at += packet) {
            splitter.feed(std::string_view(data).substr(at, packet));
        }
        benchmark::DoNotOptimize(seen);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * data.size()));
}

const std::string& stream() {
    static const std::string data = serverTraffic(1 << 20);
    return data;
}
const std::string& packet16k() {
    static const std::string data = serverTraffic(16 * 1024);
    return data;
}

void BM_MemchrBaseline_1MiB(benchmark::State& state) {
    runBaseline(state, stream());
}
void BM_SplitAndDecode_1MiB(benchmark::State& state) {
    runDecoder(state, stream(), 16384);
}
void BM_SplitAndDecode_ShortLines_1MiB(benchmark::State& state) {
    static const std::string data = shortLines(1 << 20);
    runDecoder(state, data, 16384);
}
void BM_SplitAndDecode_One16KiBPacket(benchmark::State& state) {
    runDecoder(state, packet16k(), packet16k().size());
}

BENCHMARK(BM_MemchrBaseline_1MiB);
BENCHMARK(BM_SplitAndDecode_1MiB);
BENCHMARK(BM_SplitAndDecode_ShortLines_1MiB);
BENCHMARK(BM_SplitAndDecode_One16KiBPacket);

}  // namespace

BENCHMARK_MAIN();
