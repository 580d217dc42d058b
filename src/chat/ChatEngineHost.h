// The session's side of the automation engine: what the engine may see and do
// of the session, the roster and the chat file.
#pragma once

#include "chat/LineSender.h"
#include "chat/SessionView.h"
#include "engine/EngineHost.h"
#include "platform/Platform.h"

namespace verdo {

class ChatDocument;
class ConnectLoop;
class RosterEvents;
class Session;

class ChatEngineHost : public EngineHost {
  public:
    ChatEngineHost(Platform& platform, SessionView& view, LineSender& sender,
                   const Session& session, ConnectLoop& loop, RosterEvents& roster,
                   ChatDocument& document)
        : platform_(platform),
          view_(view),
          sender_(sender),
          session_(session),
          loop_(loop),
          roster_(roster),
          document_(document) {}

    void SendLine(const std::string& text, SendClass cls) override;
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
    Random& random() override { return platform_.random(); }
    Clock& clock() override { return platform_.clock(); }

  private:
    Platform& platform_;
    SessionView& view_;
    LineSender& sender_;
    const Session& session_;
    ConnectLoop& loop_;
    RosterEvents& roster_;
    ChatDocument& document_;
};

}  // namespace verdo
