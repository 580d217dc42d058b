// Incoming messages (see IncomingMessages.h).
#include "chat/IncomingMessages.h"

#include "chat/ChatDocument.h"
#include "chat/WebLink.h"
#include "engine/ChatFunctions.h"
#include "platform/AnsiText.h"

namespace verdo {

namespace {
bool isSoundRequest(const std::string& text) {
    return startsWithIgnoreCaseAZ(text, "~playsound ");
}
}  // namespace

IncomingMessages::IncomingMessages(Platform& platform, SessionView& view, WindowControls& controls,
                                   ChatDocument& document, ChatLog& log, ChatFunctions& engine,
                                   SoundBoard& sounds, SessionEvents& stream)
    : platform_(platform),
      view_(view),
      controls_(controls),
      document_(document),
      log_(log),
      engine_(engine),
      sounds_(sounds),
      stream_(stream) {}

// Subscribers run before the automatic answers: Handled from any of them
// leaves the phrase or whisper response out.
EventResult IncomingMessages::publish(SessionEventKind kind, const std::string& user,
                                      const std::string& text) {
    SessionEvent event{kind};
    event.user = user;
    event.text = text;
    return stream_.publish(event);
}

IncomingMessages::SpeakerColors IncomingMessages::speakerColors(const std::string& user,
                                                                bool whisper) const {
    SpeakerColors colors{document_.options().nameColor(), whisper
                                                              ? document_.options().whisperColor()
                                                              : document_.options().textColor()};
    if (const tUser* record = document_.users().Items(document_.users().IndexOfName(user))) {
        colors.name = record->NameColor();
        colors.text = whisper ? record->WhisperColor() : record->TextColor();
    }
    return colors;
}

void IncomingMessages::addLine(PaneId pane, const std::string& first, std::uint32_t firstColor,
                               const std::string& second, std::uint32_t secondColor) {
    view_.addChatLine(pane, ChatLine{ChatSegment{first, firstColor},
                                     ChatSegment{second, secondColor}, ChatSegment{}});
}

void IncomingMessages::setAlerts(const AlertSettings& alerts) {
    alerts_ = alerts;
    highlights_.setWords(alerts.wordList());
}

void IncomingMessages::addMessageLine(PaneId pane, SessionEventKind kind, const std::string& user,
                                      const std::string& text, const ChatLine& line) {
    if (!highlights_.highlights(kind, user, text)) {
        view_.addChatLine(pane, line);
        return;
    }
    ChatLine marked = line;
    for (ChatSegment& segment : marked) {
        if (segment.text.empty()) continue;
        segment.color = alerts_.mentionColor;
        segment.background = alerts_.mentionBackground;
    }
    view_.addChatLine(pane, marked);
    if (!alerts_.sound.empty()) sounds_.playNamed(alerts_.sound);
}

void IncomingMessages::bcChatTalk(const std::string& user, const std::string& text) {
    log_.WriteChatLog("<" + user + "> " + text, LogKind::Message, document_.options());
    const SpeakerColors colors = speakerColors(user, /*whisper=*/false);
    if (document_.options().acceptIncomingSounds() && isSoundRequest(text)) {
        addStatusLine(view_, user + " played: " + sounds_.ReceiveSound(text), colors.name);
    } else {
        addMessageLine(ChatPane, SessionEventKind::Talk, user, text,
                       {{{"<" + user + "> ", colors.name}, {text, colors.text}, {}}});
    }
    if (publish(SessionEventKind::Talk, user, text) == EventResult::Continue)
        engine_.RespondToPhrase(user, text);
}

void IncomingMessages::bcChatEmote(const std::string& user, const std::string& text) {
    addMessageLine(ChatPane, SessionEventKind::Emote, user, text,
                   {{{"<" + user + " " + text + ">", document_.options().emoteColor()}, {}, {}}});
    log_.WriteChatLog("<" + user + " EMOTE> " + text, LogKind::Message, document_.options());
    if (publish(SessionEventKind::Emote, user, text) == EventResult::Continue)
        engine_.RespondToPhrase(user, text);
}

void IncomingMessages::bcChatWhisper(const std::string& user, const std::string& text) {
    log_.WriteChatLog("<" + user + " WHISPER > " + text, LogKind::Message, document_.options());
    replies_.remember(user);
    const PaneId target = whisperTarget(user);
    const SpeakerColors colors = speakerColors(user, /*whisper=*/true);
    bool wasSound = false;
    if (document_.options().acceptIncomingSounds() && isSoundRequest(text)) {
        addStatusLine(view_, user + " played: " + sounds_.ReceiveSound(text), colors.name, target);
        wasSound = true;
    }
    engine_.ProcessCommand(user, text);
    if (OnUnmatchedCommand && !engine_.commandTableMatches(text)) OnUnmatchedCommand(user, text);
    if ((!text.empty() && text.front() == '/') || wasSound) {
        ShowUrlBar(user, text);
    } else {
        addMessageLine(target, SessionEventKind::WhisperReceived, user, text,
                       {{{"<FROM: " + user + "> ", colors.name}, {text, colors.text}, {}}});
    }
    if (publish(SessionEventKind::WhisperReceived, user, text) == EventResult::Continue)
        engine_.RespondToWhisper(user, text);
}

void IncomingMessages::bcChatWhisperSent(const std::string& user, const std::string& text) {
    log_.WriteChatLog("<WHISPER TO " + user + "> " + text, LogKind::Event, document_.options());
    publish(SessionEventKind::WhisperSent, user, text);
    const PaneId target = whisperTarget(user);
    const std::string shown = text.empty() ? std::string(" ") : text;
    if (isSoundRequest(shown) || startsWithIgnoreCaseAZ(shown, "/url")) return;
    addLine(target, "<TO: " + user + "> ", document_.options().yourNameColor(), shown,
            document_.options().yourTextColor());
}

void IncomingMessages::bcChatBroadcast(const std::string& text) {
    addStatusLine(view_, text, document_.options().infoColor());
    log_.WriteChatLog(text, LogKind::Event, document_.options());
}

void IncomingMessages::tcChatData(std::string_view line) {
    addStatusLine(view_, std::string(line), document_.options().whisperColor());
}

void IncomingMessages::channelRefused(const std::string& shown, std::string_view serverText) {
    addStatusLine(view_, shown, document_.options().errorColor());
    log_.WriteChatLog(std::string(serverText), LogKind::Event, document_.options());
}

void IncomingMessages::ShowUrlBar(const std::string& user, const std::string& text) {
    if (!startsWithIgnoreCaseAZ(text, "/url ")) return;
    receivedUrl_ = text.substr(5);
    controls_.showUrlBar(user + " has sent the following URL: ", receivedUrl_);
}

void IncomingMessages::lblUrlClick() {
    if (const auto address = webAddressFor(receivedUrl_)) {
        platform_.openLink(*address);
    } else {
        addStatusLine(view_, "Only web links can be opened.", document_.options().errorColor());
    }
}

void IncomingMessages::registerWhisperPane(const std::string& user, PaneId pane) {
    whisperPanes_.emplace_back(user, pane);
}

void IncomingMessages::unregisterWhisperPane(PaneId pane) {
    std::erase_if(whisperPanes_, [pane](const auto& entry) { return entry.second == pane; });
}

PaneId IncomingMessages::whisperTarget(const std::string& user) const {
    for (auto it = whisperPanes_.rbegin(); it != whisperPanes_.rend(); ++it) {
        if (equalsIgnoreCaseAZ(it->first, user)) return it->second;
    }
    return WhisperPane;
}

}  // namespace verdo
