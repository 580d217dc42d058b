// The channel roster's events: the channel, the users already in it, joins,
// leaves and flag changes, with the greetings, sounds, notes, notifications and
// log lines they bring, and the events of the session's stream. Owns the roster
// the user list shows.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chat/ChatLog.h"
#include "chat/LineSender.h"
#include "chat/Roster.h"
#include "chat/SessionEvents.h"
#include "chat/SessionView.h"
#include "platform/Sound.h"

namespace verdo {

class ChatDocument;
class ChatFunctions;

class RosterEvents {
  public:
    RosterEvents(SessionView& view, Sound& sound, ChatDocument& document, ChatLog& log,
                 ChatFunctions& engine, LineSender& sender, SessionEvents& stream);

    const Roster& roster() const { return roster_; }
    const std::string& channelName() const { return roster_.ChannelName(); }
    // The names of the channel's users, in roster order.
    std::vector<std::string> rosterNames() const { return roster_.names(); }
    // Leaving the server: the box and the rows go, the channel's name stays
    // for "<channel>".
    void emptyRoster();

    void bcChatChannel(std::string_view channel);
    void bcChatShowUser(std::string_view user, std::string_view flags, std::string_view product);
    void bcChatJoin(std::string_view user, std::string_view flags, std::string_view product);
    void bcChatLeave(std::string_view user, std::string_view flags, std::string_view product);
    void bcChatUserFlags(std::string_view user, std::string_view flags);

  private:
    void refreshChannelBox();
    void welcomeKnownUser(const std::string& name);
    void announceUser(const std::string& name, const std::string& what);
    EventResult publish(SessionEventKind kind, std::string_view user, std::uint32_t flags = 0,
                        std::string_view product = {});

    SessionView& view_;
    Sound& sound_;
    ChatDocument& document_;
    ChatLog& log_;
    ChatFunctions& engine_;
    LineSender& sender_;
    SessionEvents& stream_;
    Roster roster_;
};

}  // namespace verdo
