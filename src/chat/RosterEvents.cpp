// The channel roster's events (see RosterEvents.h).
#include "chat/RosterEvents.h"

#include "chat/ChatDocument.h"
#include "engine/ChatFunctions.h"
#include "platform/AnsiText.h"
#include "protocol/ProtocolLines.h"

namespace verdo {

namespace {

// "None" in any letter case means no sound; any other path goes to the sound
// service as it is.
void playUserSound(Sound& sound, const std::string& file) {
    if (!equalsIgnoreCaseAZ(file, "none")) sound.play(file);
}

}  // namespace

RosterEvents::RosterEvents(SessionView& view, Sound& sound, ChatDocument& document, ChatLog& log,
                           ChatFunctions& engine, LineSender& sender, SessionEvents& stream)
    : view_(view),
      sound_(sound),
      document_(document),
      log_(log),
      engine_(engine),
      sender_(sender),
      stream_(stream) {}

EventResult RosterEvents::publish(SessionEventKind kind, std::string_view user, std::uint32_t flags,
                                  std::string_view product) {
    SessionEvent event{kind};
    event.user = user;
    event.flags = flags;
    event.product = product;
    return stream_.publish(event);
}

void RosterEvents::emptyRoster() {
    roster_.clear();
    view_.setChannelText("");
    view_.rosterChanged();
}

void RosterEvents::refreshChannelBox() {
    view_.setChannelText(roster_.channelBoxText());
}

void RosterEvents::bcChatChannel(std::string_view channel) {
    const std::string name(channel);
    roster_.setChannelName(name);
    // The count is still the old channel's until the user lines come.
    refreshChannelBox();
    addStatusLine(view_, "Joining channel " + name + ".", document_.options().infoColor());
    roster_.startChannel();
    view_.rosterChanged();
    log_.WriteChatLog("[Joining] " + name, LogKind::Event, document_.options());
    SessionEvent event{SessionEventKind::ChannelJoined};
    event.text = name;
    stream_.publish(event);
}

void RosterEvents::bcChatShowUser(std::string_view user, std::string_view flags,
                                  std::string_view product) {
    const std::string name(user);
    log_.WriteChatLog("[User in channel] " + name, LogKind::Event, document_.options());
    const std::string shown(shownProduct(name, product));
    const std::uint32_t bits = parseFlags(flags);
    roster_.add(name, shown, bits);
    refreshChannelBox();
    view_.rosterChanged();
    publish(SessionEventKind::UserInChannel, name, bits, shown);
}

void RosterEvents::bcChatJoin(std::string_view user, std::string_view flags,
                              std::string_view product) {
    // Copies: the answers below send lines, and what they raise must not
    // reach the decoder's line.
    const std::string name(user);
    const std::string shown(shownProduct(name, product));
    const std::uint32_t bits = parseFlags(flags);
    log_.WriteChatLog("[User Join] " + name, LogKind::Event, document_.options());
    roster_.add(name, shown, bits);
    refreshChannelBox();
    view_.rosterChanged();
    // Subscribers see the join before any answer; one that handles it takes
    // the place of the join response and the product action. The greeting of
    // the user database, the whois and the bans always run.
    const bool handled =
        publish(SessionEventKind::UserJoined, name, bits, shown) == EventResult::Handled;
    welcomeKnownUser(name);
    if (document_.options().whoisOnJoin()) sender_.sendLine(whoisLine(name), SendClass::Automatic);
    if (document_.options().enterLeaveNotifications())
        announceUser(name, " has joined the channel.");
    // The join automation comes last; each part checks its own switches.
    if (!handled) engine_.RespondToJoin(name);
    engine_.CheckBanList(name);
    engine_.CheckNoBanList(name);
    if (!handled) engine_.RunProductAction(name, shown);
}

void RosterEvents::welcomeKnownUser(const std::string& name) {
    const tUser* record = document_.users().Items(document_.users().IndexOfName(name));
    if (record == nullptr) return;
    const std::string greeting = record->Greeting();
    if (!greeting.empty())
        sender_.sendLine(greeting, SendClass::Automatic);  // as stored: no placeholders here
    playUserSound(sound_, record->JoinSound());
    const std::string notes = record->Notes();
    if (!notes.empty()) {
        view_.addChatLine(
            ChatPane,
            ChatLine{ChatSegment{"User notes for " + name + ": ", document_.options().infoColor()},
                     ChatSegment{notes, record->TextColor()}, ChatSegment{}});
    }
}

void RosterEvents::announceUser(const std::string& name, const std::string& what) {
    view_.addChatLine(ChatPane, ChatLine{ChatSegment{"User ", document_.options().infoColor()},
                                         ChatSegment{name, document_.options().nameColor()},
                                         ChatSegment{what, document_.options().infoColor()}});
}

void RosterEvents::bcChatLeave(std::string_view user, std::string_view, std::string_view) {
    const std::string name(user);
    log_.WriteChatLog("[User Leave] " + name, LogKind::Event, document_.options());
    publish(SessionEventKind::UserLeft, name);
    const std::optional<std::size_t> row = roster_.find(name);
    if (!row) return;
    if (const tUser* record = document_.users().Items(document_.users().IndexOfName(name)))
        playUserSound(sound_, record->LeaveSound());
    roster_.removeAt(*row);
    view_.rosterChanged();
    if (document_.options().enterLeaveNotifications()) announceUser(name, " has left the channel.");
    refreshChannelBox();
}

void RosterEvents::bcChatUserFlags(std::string_view user, std::string_view flags) {
    const std::uint32_t bits = parseFlags(flags);
    if (const std::optional<std::size_t> row = roster_.find(user)) roster_.updateFlags(*row, bits);
    view_.rosterChanged();
    publish(SessionEventKind::FlagsChanged, user, bits);
}

}  // namespace verdo
