// verdochat --check-script: the command line, the listing of a good script and
// the report of a broken one.
#include <gtest/gtest.h>

#include <sstream>

#include "app/CommandLine.h"
#include "app/ScriptCheck.h"
#include "support/FakePlatform.h"
#include "support/TempFolder.h"

namespace verdo::testing {
namespace {

TEST(ScriptCheck, TheCommandLineAsksForTheCheck) {
    const StartOptions options = parseCommandLine({"verdochat", "--check-script", "dice.lua"});
    EXPECT_EQ(options.action, StartOptions::Action::CheckScript);
    EXPECT_EQ(options.checkScript, std::filesystem::path("dice.lua"));
}

TEST(ScriptCheck, AGoodScriptIsListedWithItsEventsAndCommands) {
    TempFolder folder;
    const auto file = folder.write("greet.lua", R"(
        print("loading")
        verdo.on("talk", function() end)
        verdo.on("join", function() end)
        verdo.command("!hi", "any", function() return "hi" end))");
    FakePlatform platform;
    std::ostringstream out;
    std::ostringstream errors;
    EXPECT_EQ(ScriptCheck(platform, out, errors).run(file), 0);
    EXPECT_EQ(out.str(),
              "[greet] loading\ngreet.lua: loaded\n  events: join, talk\n  commands: !hi\n");
    EXPECT_EQ(errors.str(), "");
}

TEST(ScriptCheck, ASyntaxErrorIsReportedWithItsLineAndFails) {
    TempFolder folder;
    const auto file = folder.write("broken.lua", "verdo.on('talk', function()\n  x = = 1\nend)\n");
    FakePlatform platform;
    std::ostringstream out;
    std::ostringstream errors;
    EXPECT_EQ(ScriptCheck(platform, out, errors).run(file), 1);
    EXPECT_EQ(errors.str(), "[broken] broken.lua:2: unexpected symbol near '='\n");
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(ScriptCheck(platform, out, errors).run(folder / "missing.lua"), 1);
}

}  // namespace
}  // namespace verdo::testing
