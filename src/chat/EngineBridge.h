// The main window's side of the automation engine: what the engine may see and
// do of the session, the roster and the chat file.
#pragma once

#include "engine/EngineHost.h"

namespace verdo {

class ChatForm;

class ChatEngineHost : public EngineHost {
  public:
    explicit ChatEngineHost(ChatForm& form) : form_(form) {}

    void SendLine(const std::string& text) override;
    void addChatLine(const std::vector<EngineSegment>& segments) override;
    std::string UniqueName() const override;
    std::string CurrentServer() const override;
    std::string channelName() const override;
    bool connected() const override;
    void disconnectByCommand() override;
    std::size_t rosterCount() const override;
    std::string rosterName(std::size_t index) const override;
    tOptions& options() override;
    ChatLists& lists() override;
    void setSettingsModified() override;
    std::string ignorePrefix() const override;
    Random& random() override;
    Clock& clock() override;

  private:
    ChatForm& form_;
};

}  // namespace verdo
