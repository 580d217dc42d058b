// The launcher's table and its two algorithms: path choice and server order.
#include "engine/GameLauncher.h"

#include <utility>

namespace verdo {
namespace {

constexpr GamePathRule DiabloPath{"Software\\Blizzard Entertainment\\Archives", "DiabloInstall",
                                  "diablo.exe", "c:\\diablo\\diablo.exe"};
// Brood War is an expansion started through the Starcraft program.
constexpr GamePathRule StarcraftPath{"Software\\Blizzard Entertainment\\Starcraft", "Program", "",
                                     "c:\\program files\\Starcraft\\starcraft.exe"};
constexpr GamePathRule WarcraftPath{"Software\\Blizzard Entertainment\\Warcraft II BNE", "Program",
                                    "", "c:\\program files\\warcraft II Bne\\Warcraft II BNE.exe"};

constexpr std::array<LaunchTargetInfo, 6> Targets = {{
    {LaunchTarget::Diablo, "imDiablo", "Diablo", true, DiabloPath, ""},
    {LaunchTarget::Starcraft, "imStarcraft", "Starcraft", true, StarcraftPath, ""},
    {LaunchTarget::Broodwar, "imBroodwar", "Brood War", true, StarcraftPath, ""},
    {LaunchTarget::Warcraft, "imWarcraft", "Warcraft II BNE", true, WarcraftPath, ""},
    {LaunchTarget::Battlenet, "imBattlenet", "Battle.net", false, {}, "https://www.battle.net/"},
    {LaunchTarget::Blizzard, "imBlizzard", "Blizzard", false, {}, "https://www.blizzard.com/"},
}};

}  // namespace

const std::array<LaunchTargetInfo, 6>& launchTargets() {
    return Targets;
}

const LaunchTargetInfo& launchTarget(LaunchTarget target) {
    for (const LaunchTargetInfo& info : Targets)
        if (info.target == target) return info;
    return Targets.front();
}

std::string gamePath(InstalledGamesStore& store, const GamePathRule& rule) {
    const std::optional<std::string> value = store.readString(rule.key, rule.value);
    if (!value || value->empty()) return std::string(rule.fallback);
    return *value + std::string(rule.appended);
}

std::string launchServer(bool loggedOn, std::string_view connectedServer,
                         const std::vector<std::string>& serverList) {
    if (loggedOn) return std::string(connectedServer);
    if (!serverList.empty()) return serverList.front();
    return std::string(FallbackLaunchServer);
}

std::string serverListWithFirst(std::string_view list, std::string_view server) {
    std::string rest(list);
    for (std::size_t start = 0; start <= rest.size();) {
        const std::size_t separator = rest.find(';', start);
        const std::size_t end = separator == std::string::npos ? rest.size() : separator;
        if (std::string_view(rest).substr(start, end - start) == server) {
            rest.erase(start, (separator == std::string::npos ? end : separator + 1) - start);
            break;
        }
        if (separator == std::string::npos) break;
        start = separator + 1;
    }
    return std::string(server) + ";" + rest;
}

StoreWrite moveServerToFront(InstalledGamesStore& store, std::string_view server) {
    const std::optional<std::string> list = store.readString(ServerListKey, ServerListValue);
    if (!list || list->empty()) return StoreWrite::Failed;
    return store.writeString(ServerListKey, ServerListValue, serverListWithFirst(*list, server));
}

GameLauncher::GameLauncher(InstalledGamesStore& store, ProcessStarter& processes, OpenLink openLink)
    : store_(store), processes_(processes), openLink_(std::move(openLink)) {}

void GameLauncher::start(LaunchTarget target, bool useProgramServer, std::string_view server) {
    const LaunchTargetInfo& info = launchTarget(target);
    if (!info.isGame) {
        if (openLink_) openLink_(std::string(info.webAddress));
        return;
    }
    const std::string path = gamePath(store_, info.path);
    if (useProgramServer && moveServerToFront(store_, server) == StoreWrite::Unrepresentable &&
        OnWarning)
        OnWarning(std::string(UnwritableServerList));
    std::vector<std::string> command = store_.startCommand(path);
    if (command.empty()) return;
    const std::string program = command.front();
    command.erase(command.begin());
    processes_.startDetached(program, command);
}

}  // namespace verdo
