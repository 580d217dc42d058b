// The launcher on a Wine prefix made by the test: where each game is found,
// how the games' server list is rewritten, and what is started.
#include "engine/GameLauncher.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/WineRegistry.h"
#include "support/RecordingProcessStarter.h"
#include "support/TempFolder.h"

namespace verdo {
namespace {

using testing::RecordingProcessStarter;
using testing::TempFolder;

class GameLauncherTest : public ::testing::Test {
  protected:
    void writeRegistry(const std::string& serverList, const std::string& games = "") {
        std::ofstream(prefix / "system.reg", std::ios::binary)
            << "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n"
               "[Software\\\\Battle.net\\\\Configuration] 1700000000\n"
               "\"Server List\"=\""
            << serverList << "\"\n\n"
            << games;
    }
    std::string registryText() const {
        std::ifstream in(prefix / "system.reg", std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::string storedServerList() {
        return store.readString(ServerListKey, ServerListValue).value_or("<none>");
    }
    std::vector<std::string> wine(const std::string& windowsPath) const {
        return {"wine", windowsPathInPrefix(prefix.path(), windowsPath).string()};
    }

    TempFolder prefix;
    WineRegistry store{prefix.path()};
    RecordingProcessStarter processes;
    std::vector<std::string> links;
    GameLauncher launcher{store, processes,
                          [this](const std::string& url) { links.push_back(url); }};
};

TEST_F(GameLauncherTest, UsesTheFallbackPathsWithoutGameKeys) {
    for (const LaunchTarget target : {LaunchTarget::Diablo, LaunchTarget::Starcraft,
                                      LaunchTarget::Broodwar, LaunchTarget::Warcraft})
        launcher.start(target, false, "");
    EXPECT_EQ(
        processes.started,
        (std::vector<std::vector<std::string>>{
            wine("c:\\diablo\\diablo.exe"), wine("c:\\program files\\Starcraft\\starcraft.exe"),
            wine("c:\\program files\\Starcraft\\starcraft.exe"),
            wine("c:\\program files\\warcraft II Bne\\Warcraft II BNE.exe")}));
    EXPECT_EQ(processes.started[0][1], (prefix / "drive_c/diablo/diablo.exe").string());
}

TEST_F(GameLauncherTest, UsesTheInstalledPathsFromTheRegistry) {
    writeRegistry("a;b;c",
                  "[Software\\\\Blizzard Entertainment\\\\Archives] 1\n"
                  "\"DiabloInstall\"=\"D:\\\\Games\\\\Diablo\"\n"
                  "[Software\\\\Blizzard Entertainment\\\\Starcraft] 1\n"
                  "\"Program\"=\"C:\\\\SC\\\\StarCraft.exe\"\n"
                  "[Software\\\\Blizzard Entertainment\\\\Warcraft II BNE] 1\n"
                  "\"Program\"=\"\"\n");
    EXPECT_EQ(gamePath(store, launchTarget(LaunchTarget::Diablo).path),
              "D:\\Games\\Diablodiablo.exe");  // the folder and the name, joined as stored
    EXPECT_EQ(gamePath(store, launchTarget(LaunchTarget::Broodwar).path), "C:\\SC\\StarCraft.exe");
    EXPECT_EQ(gamePath(store, launchTarget(LaunchTarget::Warcraft).path),
              "c:\\program files\\warcraft II Bne\\Warcraft II BNE.exe");  // empty value
}

TEST_F(GameLauncherTest, RewritesTheServerList) {
    struct Case {
        std::string_view list, server, expected;
    };
    const Case cases[] = {
        {"a;b;c", "b", "b;a;c"},  {"a;b;c", "d", "d;a;b;c"}, {"a;b;c", "a", "a;b;c"},
        {"a;b;c", "c", "c;a;b;"}, {"b", "b", "b;"},          {"ab;b;b", "b", "b;ab;b"},
        {"a;;c", "", ";a;c"},     {"a;b;c", "B", "B;a;b;c"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(serverListWithFirst(c.list, c.server), c.expected) << c.list << " " << c.server;

    for (const auto& [server, expected] : {std::pair{"b", "b;a;c"}, std::pair{"d", "d;a;b;c"}}) {
        writeRegistry("a;b;c");
        launcher.start(LaunchTarget::Starcraft, true, server);
        EXPECT_EQ(storedServerList(), expected);
    }
}

TEST_F(GameLauncherTest, LeavesTheRegistryAloneWhenItShould) {
    // No registry, no key, an empty value, the switch off: nothing is written.
    launcher.start(LaunchTarget::Warcraft, true, "b");
    EXPECT_FALSE(std::filesystem::exists(prefix / "system.reg"));

    std::ofstream(prefix / "system.reg") << "WINE REGISTRY Version 2\n[Software] 1\n";
    launcher.start(LaunchTarget::Warcraft, true, "b");
    EXPECT_EQ(registryText(), "WINE REGISTRY Version 2\n[Software] 1\n");

    writeRegistry("");
    const std::string empty = registryText();
    launcher.start(LaunchTarget::Diablo, true, "b");
    EXPECT_EQ(registryText(), empty);

    writeRegistry("a;b;c");
    const std::string before = registryText();
    launcher.start(LaunchTarget::Broodwar, false, "b");
    EXPECT_EQ(registryText(), before);
    EXPECT_EQ(processes.started.size(), 4u);  // every game started all the same
}

// A list holding a character the program cannot hold is left whole, the user
// is told, and the game starts all the same.
TEST_F(GameLauncherTest, AServerListItCannotWriteBackIsLeftAndReported) {
    std::vector<std::string> warnings;
    launcher.OnWarning = [&warnings](const std::string& message) { warnings.push_back(message); };
    writeRegistry("a\\x263a;b");
    const std::string before = registryText();
    launcher.start(LaunchTarget::Starcraft, true, "b");
    EXPECT_EQ(registryText(), before);
    EXPECT_EQ(warnings, std::vector<std::string>{std::string(UnwritableServerList)});
    EXPECT_EQ(processes.started.size(), 1u);
}

TEST_F(GameLauncherTest, OpensTheWebPagesInTheBrowser) {
    writeRegistry("a;b;c");
    launcher.start(LaunchTarget::Battlenet, true, "b");
    launcher.start(LaunchTarget::Blizzard, true, "b");
    EXPECT_EQ(links,
              (std::vector<std::string>{"https://www.battle.net/", "https://www.blizzard.com/"}));
    EXPECT_TRUE(processes.started.empty());
    EXPECT_EQ(storedServerList(), "a;b;c");
}

TEST(LaunchServer, PrefersTheConnectedServerThenTheListThenTheBuiltInOne) {
    EXPECT_EQ(launchServer(true, "now.example", {"first"}), "now.example");
    EXPECT_EQ(launchServer(false, "now.example", {"first", "second"}), "first");
    EXPECT_EQ(launchServer(false, "now.example", {}), FallbackLaunchServer);
}

}  // namespace
}  // namespace verdo
