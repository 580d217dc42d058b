// The channel roster's events: the channel, the users already in it, joins,
// leaves and flag changes, with the greetings, sounds, notes, notifications and
// log lines they bring, and the plain text dump of raw server lines.
#include <string>

#include "chat/ChatForm.h"
#include "platform/AnsiText.h"

namespace verdo {

namespace {

// "None" in any letter case means no sound; any other path goes to the sound
// service as it is.
void playUserSound(Sound& sound, const std::string& file) {
    if (!equalsIgnoreCaseAZ(file, "none")) sound.play(file);
}

}  // namespace

void ChatForm::wireRoster() {
    TBnetChat& b = *bcChat_;
    b.OnChannel = [this](std::string_view channel) { bcChatChannel(channel); };
    b.OnShowUser = [this](std::string_view user, std::string_view flags, std::string_view product) {
        bcChatShowUser(user, flags, product);
    };
    b.OnJoin = [this](std::string_view user, std::string_view flags, std::string_view product) {
        bcChatJoin(user, flags, product);
    };
    b.OnLeave = [this](std::string_view user, std::string_view flags, std::string_view product) {
        bcChatLeave(user, flags, product);
    };
    b.OnUserFlags = [this](std::string_view user, std::string_view flags) {
        bcChatUserFlags(user, flags);
    };
    tcChat_->OnData = [this](std::string_view line) { tcChatData(line); };
}

void ChatForm::refreshChannelBox() {
    view_.setChannelText(roster_.channelBoxText());
}

void ChatForm::bcChatChannel(std::string_view channel) {
    const std::string name(channel);
    roster_.setChannelName(name);
    // The count is still the old channel's until the user lines come.
    refreshChannelBox();
    addStatusLine("Joining channel " + name + ".", options_.infoColor());
    roster_.startChannel();
    view_.rosterChanged();
    WriteChatLog("[Joining] " + name, LogKind::Event);
}

void ChatForm::bcChatShowUser(std::string_view user, std::string_view flags,
                              std::string_view product) {
    const std::string name(user);
    WriteChatLog("[User in channel] " + name, LogKind::Event);
    roster_.add(name, shownProduct(name, product), parseFlags(flags));
    refreshChannelBox();
    view_.rosterChanged();
}

void ChatForm::bcChatJoin(std::string_view user, std::string_view flags, std::string_view product) {
    // Copies: the answers below send lines, and what they raise must not
    // reach the decoder's line.
    const std::string name(user);
    const std::string shown(shownProduct(name, product));
    const std::uint32_t bits = parseFlags(flags);
    WriteChatLog("[User Join] " + name, LogKind::Event);
    roster_.add(name, shown, bits);
    refreshChannelBox();
    view_.rosterChanged();
    welcomeKnownUser(name);
    if (options_.whoisOnJoin()) sendLine("/whois " + name);
    if (options_.enterLeaveNotifications()) announceUser(name, " has joined the channel.");
    // The join automation comes last; each part checks its own switches.
    engine_.RespondToJoin(name);
    engine_.CheckBanList(name);
    engine_.CheckNoBanList(name);
    engine_.RunProductAction(name, shown);
}

void ChatForm::welcomeKnownUser(const std::string& name) {
    const tUser* record = users_.Items(users_.IndexOfName(name));
    if (record == nullptr) return;
    const std::string greeting = record->Greeting();
    if (!greeting.empty()) sendLine(greeting);  // as stored: no placeholders here
    playUserSound(platform_.sound(), record->JoinSound());
    const std::string notes = record->Notes();
    if (!notes.empty()) {
        view_.addChatLine(
            ChatPane, ChatLine{ChatSegment{"User notes for " + name + ": ", options_.infoColor()},
                               ChatSegment{notes, record->TextColor()}, ChatSegment{}});
    }
}

void ChatForm::announceUser(const std::string& name, const std::string& what) {
    view_.addChatLine(ChatPane, ChatLine{ChatSegment{"User ", options_.infoColor()},
                                         ChatSegment{name, options_.nameColor()},
                                         ChatSegment{what, options_.infoColor()}});
}

void ChatForm::bcChatLeave(std::string_view user, std::string_view, std::string_view) {
    const std::string name(user);
    WriteChatLog("[User Leave] " + name, LogKind::Event);
    const std::optional<std::size_t> row = roster_.find(name);
    if (!row) return;
    if (const tUser* record = users_.Items(users_.IndexOfName(name)))
        playUserSound(platform_.sound(), record->LeaveSound());
    roster_.removeAt(*row);
    view_.rosterChanged();
    if (options_.enterLeaveNotifications()) announceUser(name, " has left the channel.");
    refreshChannelBox();
}

void ChatForm::bcChatUserFlags(std::string_view user, std::string_view flags) {
    if (const std::optional<std::size_t> row = roster_.find(user))
        roster_.updateFlags(*row, parseFlags(flags));
    view_.rosterChanged();
}

void ChatForm::tcChatData(std::string_view line) {
    addStatusLine(std::string(line), options_.whisperColor());
}

std::vector<std::string> ChatForm::rosterNames() const {
    return roster_.names();
}

}  // namespace verdo
