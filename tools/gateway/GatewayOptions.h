// The gateway's settings and its command line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ChatWorld.h"
#include "FloodGuard.h"
#include "Style.h"

namespace verdo::gateway {

struct GatewayOptions {
    std::uint16_t port = 6112;
    std::string accountsFile;
    int floodLines = 10;
    double floodSeconds = 5;
    bool demo = false;
    int crowd = 0;
    StyleKind style = StyleKind::Default;
    WorldConfig world;
    // Bounds that protect the gateway from its clients.
    std::size_t maxOutputBytes = 256 * 1024;  // unsent bytes before a client is dropped
    int logonSeconds = 60;                    // time allowed to complete the log-on
    int demoPaceMs = 4000;                    // mean time between demo users' actions
    // The clock of the flood rules; empty: the steady clock. Tests that drive
    // a client's timers by hand give the gateway the same clock.
    std::function<Clock::time_point()> quotaClock;
};

inline constexpr int kMaxCrowd = 5000;

// Parses the arguments after the program name; on failure returns nothing and
// says why in `error`. `--help` gives nothing with `error` holding the usage.
std::optional<GatewayOptions> parseOptions(const std::vector<std::string>& args,
                                           std::string& error);
std::string usageText();

}  // namespace verdo::gateway
