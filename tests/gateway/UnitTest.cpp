// The gateway's pure parts: flood rules, line reading, lines, options, names.
#include <gtest/gtest.h>

#include "FloodGuard.h"
#include "GatewayOptions.h"
#include "LineReader.h"
#include "Lines.h"
#include "LogonFlow.h"

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

TEST(UnitCostGuard, ChargesPerFortyBytesAndExpiresUnits) {
    UnitCostGuard guard(5, 10, seconds(5));
    const Clock::time_point t0{};
    EXPECT_EQ(guard.admit(160, t0), FloodVerdict::Pass);               // now 4 units held
    EXPECT_EQ(guard.admit(1, t0), FloodVerdict::Pass);                 // 4 held before it; now 5
    EXPECT_EQ(guard.admit(1, t0), FloodVerdict::Drop);                 // 5 held; now 6
    EXPECT_EQ(guard.admit(41, t0 + seconds(5)), FloodVerdict::Pass);   // all expired; now 2
    EXPECT_EQ(guard.admit(400, t0 + seconds(6)), FloodVerdict::Pass);  // now 12
    EXPECT_EQ(guard.admit(1, t0 + seconds(6)), FloodVerdict::Disconnect);
}

TEST(LineReader, CutsOnEveryTerminatorAndTakesALoneFinalOne) {
    std::vector<std::string> lines;
    LineReader reader([&](const std::string& line) { lines.push_back(line); });
    reader.feed("one\r\ntwo\r");
    EXPECT_EQ(lines, (std::vector<std::string>{"one", "two"}));
    reader.feed("\nthree\n");
    reader.feed("fo");
    reader.feed("ur\r");
    EXPECT_EQ(lines, (std::vector<std::string>{"one", "two", "three", "four"}));
}

TEST(LineReader, CutsLongLinesToTheBound) {
    std::vector<std::string> lines;
    LineReader reader([&](const std::string& line) { lines.push_back(line); });
    reader.feed(std::string(LineReader::kMaxLine + 10, 'a') + "\n");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].size(), LineReader::kMaxLine);
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
