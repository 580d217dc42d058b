// The host: events and their switches, commands and their matching rule,
// sending and the answer-loop guard, timers, and stored data over time.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "ScriptTestBench.h"
#include "scripting/ScriptFolder.h"
#include "support/TempFolder.h"

namespace verdo::testing {
namespace {

using Lines = std::vector<std::string>;

TEST(ScriptHost, HandlersGetTheEventsArgumentsInLoadOrder) {
    ScriptTestBench bench;
    ASSERT_TRUE(bench.load(R"(
        verdo.on("join", function(user, product, flags) verdo.log("join " .. user .. " " .. product .. " " .. flags) end)
        verdo.on("flags", function(user, flags) verdo.log("flags " .. user .. " " .. flags) end)
        verdo.on("logon", function(server) verdo.log("logon " .. server) end)
        verdo.on("disconnect", function(...) verdo.log("disconnect " .. select("#", ...)) end)
        verdo.on("talk", function(user, text) verdo.log("first " .. user .. ": " .. text) end))",
                           "a"));
    ASSERT_TRUE(
        bench.load(R"(verdo.on("talk", function(user) verdo.log("second " .. user) end))", "b"));
    bench.event(SessionEventKind::UserJoined, "Zed", {}, "STAR", 0x12);
    bench.event(SessionEventKind::FlagsChanged, "Zed", {}, {}, 0x20);
    bench.event(SessionEventKind::LoggedOn, "VerdoBot", "127.0.0.1");
    bench.event(SessionEventKind::Disconnected);
    bench.event(SessionEventKind::WhisperSent, "Zed", "not for scripts");
    bench.talk("Ann", "hi");
    EXPECT_EQ(bench.context.infos,
              (Lines{"[a] join Zed STAR 18", "[a] flags Zed 32", "[a] logon 127.0.0.1",
                     "[a] disconnect 0", "[a] first Ann: hi", "[b] second Ann"}));
}

TEST(ScriptHost, OnlyTrueFromAnAnswerEventSkipsTheAutomaticAnswers) {
    ScriptTestBench bench;
    ASSERT_TRUE(bench.load(R"(
        verdo.on("talk", function(user, text) return text == "mine" end)
        verdo.on("talk", function() verdo.log("every handler runs") end)
        verdo.on("info", function() return true end))"));
    EXPECT_EQ(bench.talk("Ann", "mine"), EventResult::Handled);
    EXPECT_EQ(bench.talk("Ann", "other"), EventResult::Continue);
    EXPECT_EQ(bench.event(SessionEventKind::Info, {}, "x"), EventResult::Continue);
    EXPECT_EQ(bench.context.infos.size(), 2u);
}

TEST(ScriptHost, AnswerEventsFollowTheMasterSwitchAndTheIgnorePrefix) {
    ScriptTestBench bench;
    ASSERT_TRUE(bench.load(R"(
        verdo.on("talk", function(user, text) verdo.log("talk " .. text) end)
        verdo.on("join", function(user) verdo.log("join " .. user) end)
        verdo.on("leave", function(user) verdo.log("leave " .. user) end))"));
    bench.context.ignorePrefix = "!x";
    bench.talk("Ann", "!X skip me");
    bench.context.master = false;
    bench.talk("Ann", "switch off");
    bench.event(SessionEventKind::UserJoined, "Zed", {}, "CHAT");
    bench.event(SessionEventKind::UserLeft, "Zed");
    bench.context.master = true;
    bench.talk("Ann", "heard");
    EXPECT_EQ(bench.context.infos, (Lines{"[test] leave Zed", "[test] talk heard"}));
}

TEST(ScriptHost, LinesGoOutOncePerAnswerThatTheGuardAllows) {
    ScriptTestBench bench;
    ASSERT_TRUE(bench.load(R"(
        verdo.on("talk", function(user, text)
            verdo.say("hi " .. user)
            verdo.emote("waves")
            verdo.whisper(user, "psst")
            verdo.send("/ban Zed")
        end)
        verdo.on("talk", function() end))"));
    bench.talk("Ann", "x");
    EXPECT_EQ(bench.context.lines(), (Lines{"hi Ann", "/me waves", "/w Ann psst", "/ban Zed"}));
    EXPECT_EQ(bench.context.sent[0].second, SendClass::Automatic);
    // The handler that sent nothing was not counted.
    EXPECT_EQ(bench.context.answersCounted, Lines{"Ann"});
    bench.context.heldBack.insert("Bob");
    bench.talk("Bob", "x");
    EXPECT_EQ(bench.context.sent.size(), 4u);
}

TEST(ScriptHost, SendingRefusesCommandsInSayAndLineBreaksAnywhere) {
    ScriptTestBench bench;
    const char* refused[] = {"verdo.say('/ban Zed')",
                             "verdo.emote('/quit')",
                             "verdo.say('a\\nb')",
                             "verdo.send('/ban Zed\\r/quit')",
                             "verdo.whisper('Ann Bob', 'x')",
                             "verdo.whisper('Ann', 'a\\rb')"};
    for (const char* code : refused) {
        EXPECT_EQ(bench.eval(code).rfind("error: ", 0), 0u) << code;
    }
    EXPECT_TRUE(bench.context.sent.empty());
}

TEST(ScriptHost, TheSessionsStateReachesScripts) {
    ScriptTestBench bench;
    bench.context.roster = {{"Ann", "STAR", 0x02}, {"Zed", "CHAT", 0}};
    bench.context.owners = {"Ann"};
    bench.context.members = {"Bob"};
    EXPECT_EQ(bench.eval(R"(
        local names = {}
        for _, u in ipairs(verdo.users()) do names[#names + 1] = u.name .. "/" .. u.product .. "/" .. u.flags end
        print(verdo.me(), verdo.channel(), table.concat(names, " "), verdo.logged_on())
        print(verdo.is_owner("ann"), verdo.is_owner("Bob"), verdo.is_member("Bob"), verdo.is_member("Ann"), verdo.is_member("Zed")))"),
              "VerdoBot\tChat\tAnn/STAR/2 Zed/CHAT/0\ttrue\ntrue\tfalse\ttrue\ttrue\tfalse\n");
}

TEST(ScriptHost, StoredValuesAreTextsNumbersAndBooleansWithinTheirLimit) {
    ScriptTestBench bench;
    EXPECT_EQ(bench.eval(R"(
        verdo.store("t", "x") verdo.store("i", 3) verdo.store("f", 0.5) verdo.store("b", false)
        verdo.store("gone", 1) verdo.store("gone", nil)
        print(verdo.fetch("t"), math.type(verdo.fetch("i")), verdo.fetch("f"), verdo.fetch("b"), verdo.fetch("gone"))
        print(table.concat(verdo.keys(), ",")))"),
              "no chat file is open: the stored data is kept in memory only\n"
              "x\tinteger\t0.5\tfalse\tnil\nb,f,i,t\n");
    EXPECT_NE(bench.eval("verdo.store('t', {})").find("texts, numbers or booleans"),
              std::string::npos);
    EXPECT_NE(bench.eval("verdo.store('t', 0/0)").find("finite"), std::string::npos);
    EXPECT_NE(bench.eval("verdo.store('big', ('x'):rep(1100000))").find("would pass 1 MiB"),
              std::string::npos);
}

TEST(ScriptHost, TheLongestCommandWordWinsThenTheScriptLoadedLast) {
    ScriptTestBench bench;
    ASSERT_TRUE(bench.load(R"(
        verdo.command("!r", "any", function(user, p) return "a:r [" .. p .. "]" end)
        verdo.command("!roll", "any", function(user, p) return "a:roll [" .. p .. "]" end))",
                           "a"));
    ASSERT_TRUE(bench.load(R"(
        verdo.command("!ROLL", "any", function(user, p) return "b:roll [" .. p .. "]" end)
        verdo.command("!boss", "owners", function() return "yes, boss" end)
        verdo.command("!crew", "members", function() verdo.say("crew!") end))",
                           "b"));
    EXPECT_EQ(bench.host.tryCommand("Ann", "!roll 2d6"), "b:roll [2d6]");
    // The character after the word is dropped, whatever it is.
    EXPECT_EQ(bench.host.tryCommand("Ann", "!rollxy"), "b:roll [y]");
    EXPECT_EQ(bench.host.tryCommand("Ann", "!ra"), "a:r []");
    EXPECT_EQ(bench.host.tryCommand("Ann", "roll"), std::nullopt);

    bench.context.owners = {"Boss"};
    bench.context.members = {"Mate"};
    EXPECT_EQ(bench.host.tryCommand("Ann", "!boss"), std::nullopt);
    EXPECT_EQ(bench.host.tryCommand("boss", "!boss"), "yes, boss");
    EXPECT_EQ(bench.host.tryCommand("Ann", "!crew"), std::nullopt);
    EXPECT_EQ(bench.host.tryCommand("Mate", "!crew"), "");
    EXPECT_EQ(bench.host.tryCommand("Boss", "!crew"), "");
    EXPECT_EQ(bench.context.lines(), (Lines{"crew!", "crew!"}));
    EXPECT_EQ(bench.context.sent[0].second, SendClass::Command);
}

TEST(ScriptHost, ACommandHeldBackByTheGuardSendsNothing) {
    ScriptTestBench bench;
    ASSERT_TRUE(bench.load(
        R"(verdo.command("!hi", "any", function(user) verdo.say("hello") return "hey" end))"));
    bench.context.heldBack.insert("Bob");
    EXPECT_EQ(bench.host.tryCommand("Bob", "!hi"), "");
    EXPECT_TRUE(bench.context.sent.empty());
    EXPECT_EQ(bench.host.tryCommand("Ann", "!hi"), "hey");
    EXPECT_EQ(bench.context.answersCounted, (Lines{"Bob", "Ann"}));
}

TEST(ScriptHost, TimersRunOnTheClockOnlyWhileLoggedOnWithTheSwitchOn) {
    ScriptTestBench bench;
    ASSERT_TRUE(bench.load(R"(
        verdo.after(5, function() verdo.say("after") end)
        local ticks = 0
        local id
        id = verdo.every(2, function()
            ticks = ticks + 1
            verdo.say("tick " .. ticks)
            if ticks == 4 then verdo.cancel(id) end
        end))"));
    bench.time.advanceBy(4000);
    bench.context.online = false;
    bench.time.advanceBy(2000);  // the tick at 6 s is skipped
    bench.context.online = true;
    bench.time.advanceBy(20000);
    EXPECT_EQ(bench.context.lines(), (Lines{"tick 1", "tick 2", "tick 3", "tick 4"}));
    EXPECT_EQ(bench.context.sent[0].second, SendClass::Timed);
}

TEST(ScriptHost, DataIsWrittenSecondsAfterAChangeAndSurvivesAReload) {
    TempFolder folder;
    ScriptTestBench bench;
    bench.host.setDataFolder(folder.path());
    ASSERT_TRUE(bench.load(R"(
        verdo.on("talk", function(user, text) verdo.store(user, text) end)
        verdo.on("info", function() verdo.log(tostring(verdo.fetch("Ann"))) end))",
                           "notes"));
    bench.talk("Ann", "remember me");
    EXPECT_FALSE(std::filesystem::exists(folder / "notes.data"));
    bench.time.advanceBy(ScriptHost::SaveDelayMilliseconds);
    EXPECT_EQ(folder.read("notes.data").substr(folder.read("notes.data").find("Ann")),
              "Ann = \"remember me\"\n");

    bench.host.load({});
    ASSERT_TRUE(bench.load(
        R"(verdo.on("info", function() verdo.log(tostring(verdo.fetch("Ann"))) end))", "notes"));
    bench.event(SessionEventKind::Info, {}, "x");
    EXPECT_EQ(bench.context.infos.back(), "[notes] remember me");
}

TEST(ScriptHost, WithoutAChatFileOneLineSaysTheDataStaysInMemory) {
    ScriptTestBench bench;
    ASSERT_TRUE(bench.load(R"(verdo.on("talk", function(user) verdo.store(user, 1) end))"));
    bench.talk("Ann", "x");
    bench.talk("Bob", "x");
    EXPECT_EQ(bench.context.infos,
              Lines{"[test] no chat file is open: the stored data is kept in memory only"});
}

TEST(ScriptHost, AScriptDisabledByTheUserIsListedButNotRun) {
    TempFolder folder;
    ScriptTestBench bench;
    const auto file = folder.write("hello.lua", "verdo.on('talk', function() verdo.log('hi') end)");
    bench.host.load({file});
    bench.host.setEnabled(file, false);
    bench.talk("Ann", "x");
    EXPECT_TRUE(bench.context.infos.empty());
    EXPECT_EQ(bench.host.scripts().front().state, ScriptState::Disabled);
    bench.host.setEnabled(file, true);
    bench.talk("Ann", "x");
    EXPECT_EQ(bench.context.infos, Lines{"[hello] hi"});
}

}  // namespace
}  // namespace verdo::testing

namespace verdo::testing {
namespace {

TEST(ScriptFolder, FolderScriptsInByteOrderThenExtrasThatDoNotClash) {
    TempFolder folder;
    const auto scripts = ScriptFolder::of(folder / "bot.ch5");
    EXPECT_EQ(scripts, folder / "bot.scripts");
    folder.write("bot.scripts/b.lua");
    folder.write("bot.scripts/B.lua");
    folder.write("bot.scripts/a.lua");
    folder.write("bot.scripts/notes.txt");
    folder.write("bot.scripts/seen.data");
    const auto listing =
        ScriptFolder::list(scripts, {folder / "extra" / "a.lua", folder / "extra" / "c.lua"});
    EXPECT_EQ(listing.files,
              (std::vector<std::filesystem::path>{scripts / "B.lua", scripts / "a.lua",
                                                  scripts / "b.lua", folder / "extra" / "c.lua"}));
    ASSERT_EQ(listing.refused.size(), 1u);
    EXPECT_NE(listing.refused[0].find("a script named a.lua is already loaded"), std::string::npos);
    EXPECT_EQ(ScriptFolder::list(folder / "missing", {}).files.size(), 0u);
}

}  // namespace
}  // namespace verdo::testing
