// The gateway's console (see GatewayConsole.h).
#include "GatewayConsole.h"

#include "ChatWorld.h"
#include "Commands.h"
#include "LogonFlow.h"
#include "platform/AnsiText.h"

namespace verdo::gateway {

GatewayConsole::GatewayConsole(ChatWorld& world, std::ostream& errors)
    : world_(world), errors_(errors) {}

GatewayConsole::~GatewayConsole() {
    for (auto& user : users_)
        world_.leave(*user);
}

void GatewayConsole::handleLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.find_first_not_of(' ') == std::string_view::npos) return;
    const std::size_t colon = line.find(':');
    const std::string_view name = colon == std::string_view::npos ? line : line.substr(0, colon);
    if (colon == std::string_view::npos || !validUserName(name)) {
        errors_ << "verdochat-gateway: type NAME: TEXT (a name of 1 to 15 letters, digits or "
                   "-_.[]()`{}^)\n";
        return;
    }
    std::string_view text = line.substr(colon + 1);
    if (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    SimulatedUser* user = speaker(name);
    if (user == nullptr) return;
    const std::string& home = world_.config().firstChannel;
    if (user->channel == nullptr || !equalsIgnoreCaseAZ(user->channel->name, home))
        world_.moveTo(*user, home);
    talk(world_, *user, text);
}

// The simulated user of that name (the demo's or the crowd's too), made when
// nobody has the name; a connected client is nobody the console speaks for.
SimulatedUser* GatewayConsole::speaker(std::string_view name) {
    if (Member* member = world_.findUser(name)) {
        auto* simulated = dynamic_cast<SimulatedUser*>(member);
        if (simulated == nullptr)
            errors_ << "verdochat-gateway: " << name
                    << " is a connected client; the console speaks for simulated users only\n";
        return simulated;
    }
    auto user = std::make_unique<SimulatedUser>();
    user->name = std::string(name);
    user->account = world_.accounts().ensure(user->name);
    world_.enter(*user);
    users_.push_back(std::move(user));
    return users_.back().get();
}

}  // namespace verdo::gateway
