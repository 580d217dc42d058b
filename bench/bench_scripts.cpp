// Bot scripts on the talk path: 10,000 talk lines through the automation
// (10 phrases that never match) alone, then with the script host beside it
// holding one script whose talk handler does a string.find, or does nothing.
// The ratios against the first are what the scripts cost a busy channel. The
// Session runs do the same through the whole session: the lines arrive from
// the server, are shown, published on the event stream and answered. A
// last run reloads a script 1,000 times and reports how much the resident
// size grew.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <fstream>
#include <string>
#include <vector>

#include "chat/ChatForm.h"
#include "engine/ChatFunctions.h"
#include "scripting/ScriptHost.h"
#include "scripting/SessionScripts.h"
#include "support/FakeEngineHost.h"
#include "support/FakePlatform.h"
#include "support/FakeScriptContext.h"
#include "support/RecordingView.h"

namespace {

using namespace verdo;

constexpr int kLines = 10000;

const std::vector<std::string>& talkLines() {
    static const std::vector<std::string> lines = [] {
        std::vector<std::string> out;
        for (int i = 0; i < kLines; ++i)
            out.push_back("line number " + std::to_string(i) +
                          " of a busy channel, nothing to see");
        return out;
    }();
    return lines;
}

struct Automation {
    testing::FakeEngineHost host;
    ChatFunctions engine{host};
    Automation() {
        host.random_.recordRanges = false;
        host.options_.setMasterSwitch(true);
        host.options_.setRespondToPhrases(true);
        for (int i = 0; i < 10; ++i)
            host.lists_.PhraseList.push_back("phrase " + std::to_string(i) + "#");
        for (tStringList& responses : host.lists_.PhraseRes)
            responses.assign(host.lists_.PhraseList.size(), "answer");
    }
};

void runLines(benchmark::State& state, const char* script) {
    Automation automation;
    testing::FakeScriptContext context;
    ScriptHost scripts(context);
    if (script) scripts.loadSource("bench.lua", script);
    SessionEvent talk{SessionEventKind::Talk};
    talk.user = "Amy";
    for (auto _ : state) {
        for (const std::string& line : talkLines()) {
            talk.text = line;
            if (script) scripts.onEvent(talk);
            automation.engine.RespondToPhrase("Amy", line);
        }
    }
    if (!automation.host.sent.empty() || !context.sent.empty() || !context.errors.empty())
        state.SkipWithError("something answered or failed");
    state.SetItemsProcessed(state.iterations() * kLines);
}

// A logged-on session on fakes with the 10 phrases that never match.
struct SessionBench {
    testing::FakePlatform platform;
    testing::RecordingView view;
    ChatForm form{platform, view, view};
    SessionScripts scripts{platform, form, view};
    testing::FakeTcpClient* peer = nullptr;

    SessionBench() {
        form.FormShow();
        peer = platform.clients.at(0);
        tOptions& options = form.document().options();
        ChatLists& lists = form.document().lists();
        lists.ServerList = {"alpha:6200"};
        options.setMasterSwitch(true);
        options.setRespondToPhrases(true);
        for (int i = 0; i < 10; ++i)
            lists.PhraseList.push_back("phrase " + std::to_string(i) + "#");
        lists.PhraseRes.fill(tStringList(lists.PhraseList.size(), "answer"));
        form.connect();
        peer->accept();
        peer->receive("2010 NAME Verdo\r\n1007 CHANNEL \"Chat\"\r\n");
        peer->sent.clear();
    }
};

const std::vector<std::string>& serverTalkLines() {
    static const std::vector<std::string> lines = [] {
        std::vector<std::string> out;
        for (const std::string& text : talkLines())
            out.push_back("1005 TALK Amy 0010 \"" + text + "\"\r\n");
        return out;
    }();
    return lines;
}

void runSession(benchmark::State& state, const char* script) {
    SessionBench bench;
    if (script) bench.scripts.host().loadSource("bench.lua", script);
    for (auto _ : state) {
        for (const std::string& line : serverTalkLines())
            bench.peer->receive(line);
        state.PauseTiming();
        bench.view.lines.clear();
        state.ResumeTiming();
    }
    if (!bench.peer->sent.empty()) state.SkipWithError("something answered");
    state.SetItemsProcessed(state.iterations() * kLines);
}

// A script that looks at every line as a real one would, and one that only
// listens: the two costs the talk path may carry.
constexpr const char* FindScript = R"(
    verdo.on("talk", function(user, text)
        if text:find("!trivia", 1, true) or text:find("^!%a+") then verdo.say("x") end
    end))";
constexpr const char* EmptyHandlerScript = R"(verdo.on("talk", function() end))";

void BM_SessionTalkAlone(benchmark::State& state) {
    runSession(state, nullptr);
}

void BM_SessionTalkWithFindScript(benchmark::State& state) {
    runSession(state, FindScript);
}

void BM_SessionTalkWithEmptyHandler(benchmark::State& state) {
    runSession(state, EmptyHandlerScript);
}

void BM_TalkAutomationAlone(benchmark::State& state) {
    runLines(state, nullptr);
}

void BM_TalkWithFindScript(benchmark::State& state) {
    runLines(state, FindScript);
}

void BM_TalkWithEmptyHandler(benchmark::State& state) {
    runLines(state, EmptyHandlerScript);
}

long residentKilobytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

void BM_Reload1000(benchmark::State& state) {
    testing::FakeScriptContext context;
    ScriptHost scripts(context);
    const char* script = R"(
        local words = {}
        for i = 1, 2000 do words[i] = ("word" .. i):rep(3) end
        verdo.on("talk", function(user, text) return text:find(words[1], 1, true) ~= nil end)
        verdo.every(60, function() end)
        verdo.command("!x", "any", function() return "y" end))";
    // One round first, so that allocator pools are warm before measuring.
    for (int i = 0; i < 100; ++i) {
        scripts.load({});
        scripts.loadSource("reload.lua", script);
    }
    const long before = residentKilobytes();
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            scripts.load({});
            scripts.loadSource("reload.lua", script);
        }
    }
    state.counters["rss_growth_kB"] = static_cast<double>(residentKilobytes() - before);
    state.counters["rss_kB"] = static_cast<double>(residentKilobytes());
}

}  // namespace

BENCHMARK(BM_TalkAutomationAlone)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SessionTalkAlone)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SessionTalkWithFindScript)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SessionTalkWithEmptyHandler)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TalkWithFindScript)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TalkWithEmptyHandler)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Reload1000)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
