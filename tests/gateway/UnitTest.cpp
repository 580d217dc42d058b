// The gateway's pure parts: flood rules, lines, options, names.
#include <gtest/gtest.h>

#include "GatewayOptions.h"
#include "LineCountGuard.h"
#include "Lines.h"
#include "LogonFlow.h"
#include "UnitCostGuard.h"

namespace verdo::gateway {
namespace {

using std::chrono::seconds;

TEST(LineCountGuard, AllowsTheLimitWithinTheWindowAndForgetsOldLines) {
    LineCountGuard guard(3, seconds(5));
    const Clock::time_point t0{};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(guard.admit(10, t0 + seconds(i)), FloodVerdict::Pass);
    EXPECT_EQ(guard.admit(10, t0 + seconds(5)), FloodVerdict::Pass);  // the first expired
    EXPECT_EQ(guard.admit(10, t0 + seconds(5)), FloodVerdict::Disconnect);
}

TEST(UnitCostGuard, UnitsPerFortyBytes) {
    const std::pair<std::size_t, int> cases[] = {{0, 1},  {1, 1},  {40, 1},  {41, 2},
                                                 {80, 2}, {81, 3}, {160, 4}, {161, 5}};
    for (const auto& [bytes, units] : cases)
        EXPECT_EQ(UnitCostGuard::unitsOf(bytes), units) << bytes;
}

TEST(UnitCostGuard, TheNewLinesUnitsCountBeforeTheVerdict) {
    const Clock::time_point t0{};
    UnitCostGuard alone160(5, 10, 5);
    EXPECT_EQ(alone160.admit(160, t0), FloodVerdict::Pass);  // 4 units
    UnitCostGuard alone161(5, 10, 5);
    EXPECT_EQ(alone161.admit(161, t0), FloodVerdict::Drop);  // 5 units
    UnitCostGuard fourShort(5, 10, 5);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(fourShort.admit(40, t0), FloodVerdict::Pass);
    EXPECT_EQ(fourShort.admit(1, t0), FloodVerdict::Drop);
}

TEST(UnitCostGuard, RefusedLinesStillCountUpToTheClose) {
    UnitCostGuard guard(5, 10, 5);
    const Clock::time_point t0{};
    EXPECT_EQ(guard.admit(161, t0), FloodVerdict::Drop);                   // 5
    EXPECT_EQ(guard.admit(120, t0 + seconds(1)), FloodVerdict::Drop);      // 8
    EXPECT_EQ(guard.admit(40, t0 + seconds(2)), FloodVerdict::Drop);       // 9
    EXPECT_EQ(guard.admit(1, t0 + seconds(3)), FloodVerdict::Disconnect);  // 10
}

TEST(UnitCostGuard, UnitsCountOnAWholeSecondClock) {
    using std::chrono::milliseconds;
    UnitCostGuard guard(5, 10, 5);
    const Clock::time_point t0{};
    EXPECT_EQ(guard.admit(160, t0 + milliseconds(900)), FloodVerdict::Pass);    // second 0
    EXPECT_EQ(guard.admit(1, t0 + milliseconds(4999)), FloodVerdict::Drop);     // second 4
    EXPECT_EQ(guard.admit(120, t0 + milliseconds(5000)), FloodVerdict::Pass);   // second 5: 3 + 1
    EXPECT_EQ(guard.admit(1, t0 + milliseconds(9999)), FloodVerdict::Pass);     // second 4 gone
    EXPECT_EQ(guard.admit(160, t0 + milliseconds(10000)), FloodVerdict::Drop);  // 1 + 4
}

TEST(UnitCostGuard, OverlongLinesAreRefusedAndNotCounted) {
    UnitCostGuard guard(5, 10, 5);
    const Clock::time_point t0{};
    EXPECT_EQ(guard.admit(201, t0), FloodVerdict::TooLong);
    EXPECT_EQ(guard.admit(201, t0), FloodVerdict::TooLong);
    EXPECT_EQ(guard.admit(160, t0), FloodVerdict::Pass);  // nothing was held
}

TEST(Lines, ShapesOfTheEventLines) {
    EXPECT_EQ(userLine(1001, "USER", "bob", hexFlags(0x12, false), "CHAT"),
              "1001 USER bob 0012 [CHAT]\r\n");
    EXPECT_EQ(messageLine(1005, "TALK", "bob", hexFlags(0x1A, true), "hi \"x\""),
              "1005 TALK bob 001a \"hi \"x\"\"\r\n");
    EXPECT_EQ(hexFlags(0x2A, false), "002A");
    EXPECT_EQ(flagsLine(1009, "USER", "bob", "0012"), "1009 USER bob 0012\r\n");
    EXPECT_EQ(infoLine("x"), "1018 INFO \"x\"\r\n");
}

TEST(GatewayOptions, ParsesEveryOptionAndRejectsBadValues) {
    std::string error;
    const auto options =
        parseOptions({"--port", "0", "--demo", "--crowd", "20", "--flood-lines", "3",
                      "--flood-seconds", "0.5", "--style", "pvpgn", "--full", "Big", "--restricted",
                      "Op", "--nonexistent", "Gone", "--accounts", "a.txt"},
                     error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->port, 0);
    EXPECT_TRUE(options->demo);
    EXPECT_EQ(options->crowd, 20);
    EXPECT_EQ(options->floodLines, 3);
    EXPECT_DOUBLE_EQ(options->floodSeconds, 0.5);
    EXPECT_EQ(options->style, StyleKind::Pvpgn);
    EXPECT_TRUE(options->world.full.count("big"));
    EXPECT_TRUE(options->world.restricted.count("op"));
    EXPECT_TRUE(options->world.nonexistent.count("gone"));
    EXPECT_EQ(options->accountsFile, "a.txt");
    for (const std::vector<std::string>& bad :
         std::vector<std::vector<std::string>>{{"--port", "70000"},
                                               {"--port"},
                                               {"--bogus"},
                                               {"--flood-seconds", "-1"},
                                               {"--style", "x"},
                                               {"--crowd", "9999999"}}) {
        EXPECT_FALSE(parseOptions(bad, error)) << bad[0];
    }
}

TEST(UserNames, AcceptsGatewayNamesAndRefusesOthers) {
    EXPECT_TRUE(validUserName("Some_Body[x]"));
    EXPECT_FALSE(validUserName(""));
    EXPECT_FALSE(validUserName("has space"));
    EXPECT_FALSE(validUserName("a#2"));
    EXPECT_FALSE(validUserName(std::string(16, 'a')));
}

}  // namespace
}  // namespace verdo::gateway
