// What happens to a joining user besides the greeting: bans by list and the
// action for the user's product.
#include "engine/ChatFunctions.h"
#include "platform/AnsiText.h"

namespace verdo {
namespace {

// An empty part never matches (it would otherwise match every name).
bool containsPart(const std::string& loweredName, const std::string& part) {
    return !part.empty() && loweredName.find(lowerAZ(part)) != std::string::npos;
}

}  // namespace

void ChatFunctions::sendBan(const std::string& user) {
    host_.SendLine("/ban " + user + " AutoBan\r");
}

void ChatFunctions::CheckBanList(const std::string& user) {
    const tOptions& options = host_.options();
    if (!options.masterSwitch() || !options.autoBan()) return;
    const std::string lowered = lowerAZ(user);
    for (const std::string& part : host_.lists().BanList) {
        if (containsPart(lowered, part)) sendBan(user);
    }
}

void ChatFunctions::CheckNoBanList(const std::string& user) {
    const tOptions& options = host_.options();
    if (!options.masterSwitch() || !options.banEveryoneExcept()) return;
    const std::string lowered = lowerAZ(user);
    for (const std::string& part : host_.lists().NoBanList) {
        if (containsPart(lowered, part)) return;
    }
    sendBan(user);
}

void ChatFunctions::RunProductAction(const std::string& user, std::string_view product) {
    if (!host_.options().masterSwitch()) return;
    const tProductActions& actions = host_.lists().ProductActions;
    for (std::size_t i = 0; i < ProductActionCodes.size(); ++i) {
        if (product != ProductActionCodes[i] || actions[i] == NoProductAction) continue;
        // Sent even when empty: an action left blank sends an empty line.
        sendAndEcho(ExpandResponse(actions[i], user, ""));
    }
}

}  // namespace verdo
