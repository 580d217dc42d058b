// GatewayConsole: the gateway's console. Each line "NAME: TEXT" typed on its
// standard input is said in the first channel by the simulated user NAME, who
// is made (and enters the first channel) when absent, so a person can talk to
// a bot on the local gateway without a second chat client.
#pragma once

#include <memory>
#include <ostream>
#include <string_view>
#include <vector>

#include "SimulatedUser.h"

namespace verdo::gateway {

class ChatWorld;

class GatewayConsole {
  public:
    // Refusals (a line without a name, a name of a connected client) go to `errors`.
    GatewayConsole(ChatWorld& world, std::ostream& errors);
    ~GatewayConsole();
    GatewayConsole(const GatewayConsole&) = delete;
    GatewayConsole& operator=(const GatewayConsole&) = delete;

    void handleLine(std::string_view line);

  private:
    SimulatedUser* speaker(std::string_view name);

    ChatWorld& world_;
    std::ostream& errors_;
    std::vector<std::unique_ptr<SimulatedUser>> users_;  // the users this console made
};

}  // namespace verdo::gateway
