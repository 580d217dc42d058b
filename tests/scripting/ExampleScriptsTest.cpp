// The example scripts that ship with the program, driven through the host
// with the fake clock: dice.lua, seen.lua and karma.lua.
#include <gtest/gtest.h>

#include "ScriptTestBench.h"
#include "support/TempFolder.h"

namespace verdo::testing {
namespace {

using Lines = std::vector<std::string>;

std::filesystem::path example(const std::string& name) {
    return std::filesystem::path(VERDO_SOURCE_DIR) / "resources" / "scripts" / name;
}

TEST(ExampleScripts, DiceRollsInTheChannelAndByWhisper) {
    ScriptTestBench bench;
    bench.host.load({example("dice.lua")});
    bench.context.platform.fakeRandom.draws = {3, 5, 17};
    EXPECT_EQ(bench.talk("Ann", "!roll 2d6"), EventResult::Handled);
    EXPECT_EQ(bench.host.tryCommand("Bob", "!roll d20"), "1d20: 17");
    EXPECT_EQ(bench.talk("Ann", "!roll 99d1"), EventResult::Handled);
    EXPECT_EQ(bench.talk("Ann", "!rolling"), EventResult::Continue);
    ASSERT_EQ(bench.context.lines().size(), 2u);
    EXPECT_EQ(bench.context.lines()[0], "Ann rolls 2d6: 3 + 5 = 8");
    EXPECT_EQ(bench.context.lines()[1].rfind("/w Ann Usage: !roll NdM", 0), 0u);
    EXPECT_EQ(bench.context.platform.fakeRandom.ranges[0], std::make_pair(1, 6));
}

TEST(ExampleScripts, SeenTellsWhenAndWhereSomebodyWasLastSeenAcrossRestarts) {
    TempFolder folder;
    {
        ScriptTestBench bench;
        bench.host.setDataFolder(folder.path());
        bench.host.load({example("seen.lua")});
        bench.event(SessionEventKind::UserJoined, "Zed", {}, "STAR");
        bench.talk("Zed", "good night");
        bench.event(SessionEventKind::UserLeft, "Zed");
        bench.talk("Bob", "hello");
        bench.time.advanceBy(2 * 3600 * 1000 + 5 * 60 * 1000);
        bench.context.roster = {{"Bob", "CHAT", 0}};
        EXPECT_EQ(bench.talk("Ann", "!seen zed"), EventResult::Handled);
        EXPECT_EQ(bench.host.tryCommand("Ann", "!seen Bob"), "Bob is here now.");
        EXPECT_EQ(bench.context.lines(), Lines{"zed was last seen 2 hours ago in Chat, leaving."});
    }
    ScriptTestBench restarted;
    restarted.host.setDataFolder(folder.path());
    restarted.host.load({example("seen.lua")});
    restarted.time.advanceBy(60 * 1000);
    EXPECT_EQ(restarted.host.tryCommand("Ann", "!seen Bob"),
              "Bob was last seen 1 minute ago in Chat, saying: hello.");
    EXPECT_EQ(restarted.host.tryCommand("Ann", "!seen Nobody"), "I have not seen Nobody.");
}

TEST(ExampleScripts, KarmaCountsUpAndDownButNotForOneself) {
    ScriptTestBench bench;
    bench.host.load({example("karma.lua")});
    bench.talk("Ann", "Zed++");
    bench.talk("Bob", "zed++");
    bench.talk("Bob", "Zed--");
    EXPECT_EQ(bench.talk("Zed", "Zed++"), EventResult::Handled);
    EXPECT_EQ(bench.talk("Ann", "c++ is fun"), EventResult::Continue);
    bench.talk("Ann", "!karma ZED");
    EXPECT_EQ(bench.context.lines(),
              (Lines{"/w Zed You cannot change your own karma.", "ZED has karma 1."}));
    EXPECT_EQ(bench.host.tryCommand("Ann", "!karma Nobody"), "Nobody has karma 0.");
}

}  // namespace
}  // namespace verdo::testing
