// The one stream of what happens in the session, as data: names, texts and
// flags as numbers, never formatted lines (SessionView carries those). The
// window's view, the headless console, bot scripts, desktop alerts and tests
// subscribe here instead of wiring themselves into the decoder.
//
// Events are published in the order the server's lines arrive. For talk,
// emotes, received whispers and joins, subscribers run before the automatic
// answers; one that returns Handled makes the session skip those answers for
// that event (every subscriber still runs). Arguments are views valid for the
// call only: a subscriber copies what it keeps.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace verdo {

enum class SessionEventKind {
    LoggedOn,         // text: the server; user: the name the server gave
    ChannelJoined,    // text: the channel
    UserInChannel,    // user, product, flags: listed when the program enters
    UserJoined,       // user, product, flags
    UserLeft,         // user
    FlagsChanged,     // user, flags
    Talk,             // user, text
    Emote,            // user, text
    WhisperReceived,  // user, text
    WhisperSent,      // user, text
    Info,             // text
    Error,            // text
    Kicked,           // user: who kicked the program's user (when named); text: the notice
    Banned,           // user: who banned the program's user (when named); text: the notice
    Disconnected,     // userAsked: the user chose Disconnect
};

struct SessionEvent {
    explicit SessionEvent(SessionEventKind eventKind) : kind(eventKind) {}

    SessionEventKind kind;
    std::string_view user;
    std::string_view text;
    std::string_view product;  // the four-letter code as the roster shows it
    // As the server sends them, read as hexadecimal (text that is not gives
    // 0); the bits are named in Roster.h.
    std::uint32_t flags = 0;
    bool userAsked = false;
};

enum class EventResult { Continue, Handled };

// The observer list on the session root. Subscribers are called in the order
// they subscribed; one may unsubscribe itself (or another) while an event is
// being delivered.
class SessionEvents {
  public:
    using Handler = std::function<EventResult(const SessionEvent&)>;
    using Subscription = int;

    Subscription subscribe(Handler handler);
    void unsubscribe(Subscription subscription);

    // Runs every subscriber; Handled when any of them returned Handled.
    EventResult publish(const SessionEvent& event);

  private:
    struct Entry {
        Subscription id;
        Handler handler;
    };
    std::vector<Entry> subscribers_;
    Subscription nextId_ = 1;
    int delivering_ = 0;  // nesting depth of publish
};

}  // namespace verdo
