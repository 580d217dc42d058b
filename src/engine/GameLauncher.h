// The program launcher's logic: the six things it starts (four games and two
// web pages), where a game's program is found, and moving the program's own
// server to the front of the games' server list so that a game started from
// here connects where the program does.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/InstalledGamesStore.h"
#include "platform/ProcessStarter.h"

namespace verdo {

enum class LaunchTarget { Diablo, Starcraft, Broodwar, Warcraft, Battlenet, Blizzard };

// Where a game's program is recorded, and where it is when it is not.
struct GamePathRule {
    std::string_view key;
    std::string_view value;
    // Appended directly to the value (which then names the folder).
    std::string_view appended;
    std::string_view fallback;
};

struct LaunchTargetInfo {
    LaunchTarget target;
    std::string_view picture;  // object name of the picture
    std::string_view title;    // shown on the picture and as its tool tip
    bool isGame;
    GamePathRule path;            // games only
    std::string_view webAddress;  // web pages only
};

const std::array<LaunchTargetInfo, 6>& launchTargets();
const LaunchTargetInfo& launchTarget(LaunchTarget target);

inline constexpr std::string_view ServerListKey = "Software\\Battle.net\\Configuration";
inline constexpr std::string_view ServerListValue = "Server List";
// The server moved to the front when the program knows none: one of the
// chat service's built-in gateways.
inline constexpr std::string_view FallbackLaunchServer = "63.240.202.120";

// The game's program path: the store's value (with the rule's file name
// appended) when it is a non-empty string, otherwise the fallback.
std::string gamePath(InstalledGamesStore& store, const GamePathRule& rule);

// The server to move to the front: the one connected to while logged on,
// otherwise the first of the program's server list, otherwise the fallback.
std::string launchServer(bool loggedOn, std::string_view connectedServer,
                         const std::vector<std::string>& serverList);

// The ";"-separated list with `server` first: its first equal entry is
// removed together with the ";" after it, then `server` and ";" go in front.
std::string serverListWithFirst(std::string_view list, std::string_view server);

// Rewrites the games' "Server List" with `server` first; nothing is written
// when the value is missing or empty (Failed).
StoreWrite moveServerToFront(InstalledGamesStore& store, std::string_view server);

// Shown when the games' server list holds characters the program cannot
// write back; the game starts with its list as it was.
inline constexpr std::string_view UnwritableServerList =
    "The games' server list holds characters that VerdoChat cannot write back, so it was left "
    "as it is; the game may connect to another server.";

class GameLauncher {
  public:
    using OpenLink = std::function<void(const std::string& url)>;

    GameLauncher(InstalledGamesStore& store, ProcessStarter& processes, OpenLink openLink);

    // Starts a game (moving `server` to the front first when
    // `useProgramServer`) or opens a web page. A failed start or write is not
    // reported; a server list that would be damaged by the rewrite is.
    void start(LaunchTarget target, bool useProgramServer, std::string_view server);

    // A message for the user (UnwritableServerList).
    std::function<void(const std::string& message)> OnWarning;

  private:
    InstalledGamesStore& store_;
    ProcessStarter& processes_;
    OpenLink openLink_;
};

}  // namespace verdo
