// The engine's requests forwarded to the session's parts (see ChatEngineHost.h).
#include "chat/ChatEngineHost.h"

#include "chat/ChatDocument.h"
#include "chat/ConnectLoop.h"
#include "chat/RosterEvents.h"
#include "chat/Session.h"

namespace verdo {

void ChatEngineHost::SendLine(const std::string& text, SendClass cls) {
    sender_.sendRaw(text, cls);
}

void ChatEngineHost::addChatLine(const std::vector<EngineSegment>& segments) {
    ChatLine line;
    for (std::size_t i = 0; i < segments.size() && i < line.size(); ++i) {
        line[i] = ChatSegment{segments[i].text, segments[i].color};
    }
    view_.addChatLine(ChatPane, line);
}

std::string ChatEngineHost::UniqueName() const {
    return session_.UniqueName();
}
std::string ChatEngineHost::CurrentServer() const {
    return session_.CurrentServer();
}
std::string ChatEngineHost::channelName() const {
    return roster_.channelName();
}
bool ChatEngineHost::connected() const {
    return session_.connected();
}
void ChatEngineHost::disconnectByCommand() {
    loop_.disconnectByCommand();
}
std::size_t ChatEngineHost::rosterCount() const {
    return roster_.roster().size();
}
std::string ChatEngineHost::rosterName(std::size_t index) const {
    return roster_.roster().row(index).name;
}
tOptions& ChatEngineHost::options() {
    return document_.options();
}
ChatLists& ChatEngineHost::lists() {
    return document_.lists();
}
void ChatEngineHost::setSettingsModified() {
    document_.setModified(true);
}
std::string ChatEngineHost::ignorePrefix() const {
    return document_.ignorePrefix();
}

}  // namespace verdo
