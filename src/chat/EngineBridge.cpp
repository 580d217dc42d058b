// ChatEngineHost: forwards the engine's requests to the main window's logic.
#include "chat/EngineBridge.h"

#include "chat/ChatForm.h"

namespace verdo {

void ChatEngineHost::SendLine(const std::string& text) {
    form_.bcChat().SendLine(text);
}

void ChatEngineHost::addChatLine(const std::vector<EngineSegment>& segments) {
    ChatLine line;
    for (std::size_t i = 0; i < segments.size() && i < line.size(); ++i) {
        line[i] = ChatSegment{segments[i].text, segments[i].color};
    }
    form_.view_.addChatLine(ChatPane, line);
}

std::string ChatEngineHost::UniqueName() const {
    return form_.UniqueName();
}
std::string ChatEngineHost::CurrentServer() const {
    return form_.CurrentServer();
}
std::string ChatEngineHost::channelName() const {
    return form_.channelName();
}
bool ChatEngineHost::connected() const {
    return form_.ChatInterface().Connected();
}
void ChatEngineHost::disconnectByCommand() {
    form_.acConnectExecute();
}

std::size_t ChatEngineHost::rosterCount() const {
    return form_.roster().size();
}
std::string ChatEngineHost::rosterName(std::size_t index) const {
    return form_.roster().row(index).name;
}

tOptions& ChatEngineHost::options() {
    return form_.options();
}
ChatLists& ChatEngineHost::lists() {
    return form_.lists();
}
void ChatEngineHost::setSettingsModified() {
    form_.setSettingsModified(true);
}
std::string ChatEngineHost::ignorePrefix() const {
    return form_.ignorePrefix();
}
Random& ChatEngineHost::random() {
    return form_.platform_.random();
}
Clock& ChatEngineHost::clock() {
    return form_.platform_.clock();
}

}  // namespace verdo
