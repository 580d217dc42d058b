// The sandbox: what scripts cannot reach, the work and memory they may use,
// and how their errors are shown and counted.
#include <gtest/gtest.h>

#include "ScriptTestBench.h"
#include "scripting/ScriptSandbox.h"

namespace verdo::testing {
namespace {

TEST(Sandbox, FilesProgramsAndCompiledCodeAreOutOfReach) {
    ScriptTestBench bench;
    EXPECT_EQ(bench.eval("verdo.log(tostring(io) .. tostring(require) .. tostring(dofile) .. "
                         "tostring(loadfile) .. tostring(package) .. tostring(debug) .. "
                         "tostring(coroutine) .. tostring(os.execute) .. tostring(os.getenv) .. "
                         "tostring(os.remove) .. tostring(string.dump) .. "
                         "tostring(getmetatable('').__index.dump))"),
              "nilnilnilnilnilnilnilnilnilnilnilnil\n");
    // load takes text only: no reader function, no compiled chunk.
    EXPECT_EQ(bench.eval("verdo.log(tostring(select(2, load('\\27Lua'))))"),
              "attempt to load a binary chunk (mode is 't')\n");
    EXPECT_EQ(
        bench.eval("local ok = pcall(load, function() return nil end) verdo.log(tostring(ok))"),
        "false\n");
    EXPECT_EQ(bench.eval("verdo.log(load('return 1 + 2')())"), "3\n");
    EXPECT_EQ(bench.eval("verdo.log(math.type(collectgarbage('count')))"), "float\n");
    EXPECT_NE(bench.eval("collectgarbage('collect')").find("only \"count\""), std::string::npos);
}

TEST(Sandbox, ClockRandomAndPrintAreTheProgramsOwn) {
    ScriptTestBench bench;
    bench.context.platform.fakeClock.nowMs = 5000;
    bench.context.platform.fakeRandom.draws = {4, 9};
    EXPECT_EQ(
        bench.eval("print(os.time(), verdo.time(), os.clock(), os.date('!%Y-%m-%d %H:%M:%S'))"),
        "1796638277\t1796638277\t5.0\t2026-12-07 10:11:17\n");
    EXPECT_EQ(bench.eval("print(math.random(6), math.random(5, 10))"), "4\t9\n");
    EXPECT_EQ(bench.context.platform.fakeRandom.ranges[1], std::make_pair(5, 10));
    EXPECT_EQ(bench.eval("print(os.time({year = 2026, month = 12, day = 7, hour = 10}) - "
                         "os.time({year = 2026, month = 12, day = 6, hour = 10}))"),
              "86400\n");
}

TEST(Sandbox, AnEndlessLoopStopsTheScriptAndItsOwnPcallCannotHoldOn) {
    ScriptTestBench bench;
    ASSERT_TRUE(bench.load(R"(
        verdo.on("talk", function()
            while true do pcall(function() while true do end end) end
        end)
        verdo.on("info", function() verdo.log("still here") end))"));
    bench.talk("Ann", "hi");
    const ScriptStatus status = bench.host.scripts().front();
    EXPECT_EQ(status.state, ScriptState::Disabled);
    EXPECT_EQ(status.message, "it did more than 10 million steps in one call");
    bench.event(SessionEventKind::Info, {}, "x");
    EXPECT_TRUE(bench.context.infos.empty());
    ASSERT_EQ(bench.context.errors.size(), 1u);
    EXPECT_EQ(bench.context.errors[0],
              "[test] disabled: it did more than 10 million steps in one call");
}

TEST(Sandbox, BacktrackingPatternsCountAgainstTheBudget) {
    ScriptTestBench bench;
    ASSERT_TRUE(bench.load(R"(
        verdo.on("talk", function(user, text)
            verdo.log(tostring(text:rep(100000):find(".-.-.-.-b")))
        end))"));
    bench.talk("Ann", "a");
    EXPECT_EQ(bench.host.scripts().front().state, ScriptState::Disabled);
    EXPECT_TRUE(bench.context.infos.empty());
}

TEST(Sandbox, ManyCheapCallsRunOutOfTheMinutesBudget) {
    ScriptTestBench bench;
    ASSERT_TRUE(bench.load(R"(
        verdo.on("talk", function() for i = 1, 3000000 do end end))"));
    int calls = 0;
    while (bench.host.scripts().front().state == ScriptState::Running && calls < 100) {
        bench.talk("Ann", "hi");
        ++calls;
    }
    EXPECT_GT(calls, 5);
    EXPECT_LT(calls, 100);
    EXPECT_EQ(bench.host.scripts().front().message,
              "it did more than 100 million steps within a minute");
}

TEST(Sandbox, MemoryIsCappedAndAScriptMayRecover) {
    ScriptTestBench bench;
    ASSERT_TRUE(bench.load(R"(
        local hoard = {}
        verdo.on("talk", function()
            local ok, message = pcall(function()
                for i = 1, 1e9 do hoard[i] = ("x"):rep(1000) .. i end
            end)
            hoard = {}
            collectgarbage("count")
            verdo.log(tostring(ok) .. " " .. message:match("not enough memory"))
        end))"));
    bench.talk("Ann", "hi");
    EXPECT_EQ(bench.context.infos, std::vector<std::string>{"[test] false not enough memory"});
    EXPECT_LE(bench.host.memoryUsed(), ScriptSandbox::MemoryLimit);
    EXPECT_EQ(bench.host.scripts().front().state, ScriptState::Running);
}

TEST(Sandbox, ErrorsShowTheLineAndTenWithinAMinuteDisable) {
    ScriptTestBench bench;
    ASSERT_TRUE(
        bench.load("verdo.on('talk', function(user, text)\n  error('boom ' .. text)\nend)"));
    bench.talk("Ann", "1");
    ASSERT_EQ(bench.context.errors.size(), 1u);
    EXPECT_EQ(bench.context.errors[0], "[test] test.lua:2: boom 1");
    // Errors spread over more than a minute do not add up.
    for (int i = 0; i < 8; ++i)
        bench.talk("Ann", "x");
    bench.time.advanceBy(61000);
    for (int i = 0; i < 9; ++i)
        bench.talk("Ann", "y");
    EXPECT_EQ(bench.host.scripts().front().state, ScriptState::Running);
    bench.talk("Ann", "z");
    EXPECT_EQ(bench.host.scripts().front().state, ScriptState::Disabled);
    EXPECT_EQ(bench.context.errors.back(), "[test] disabled: 10 errors within a minute");
}

TEST(Sandbox, ASyntaxErrorFailsTheLoadWithItsLine) {
    ScriptTestBench bench;
    EXPECT_FALSE(bench.load("local x = 1\nverdo.on('talk', function()\n"));
    const ScriptStatus status = bench.host.scripts().front();
    EXPECT_EQ(status.state, ScriptState::Failed);
    EXPECT_EQ(status.message,
              "test.lua:3: 'end' expected (to close 'function' at line 2) near <eof>");
}

}  // namespace
}  // namespace verdo::testing
