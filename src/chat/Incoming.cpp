// Incoming messages: talk, emotes, whispers and their confirmations,
// broadcasts and channel errors shown in their views and colours, logged, and
// offered to the automation engine in a fixed order; the URL bar.
#include <algorithm>

#include "chat/ChatForm.h"
#include "chat/WebLink.h"
#include "platform/AnsiText.h"

namespace verdo {

namespace {
bool isSoundRequest(const std::string& text) {
    return startsWithIgnoreCaseAZ(text, "~playsound ");
}
}  // namespace

void ChatForm::wireMessages() {
    TBnetChat& b = *bcChat_;
    b.OnTalk = [this](std::string_view u, std::string_view m) {
        bcChatTalk(std::string(u), std::string(m));
    };
    b.OnEmote = [this](std::string_view u, std::string_view m) {
        bcChatEmote(std::string(u), std::string(m));
    };
    b.OnWhisper = [this](std::string_view u, std::string_view m) {
        bcChatWhisper(std::string(u), std::string(m));
    };
    b.OnWhisperSent = [this](std::string_view u, std::string_view m) {
        bcChatWhisperSent(std::string(u), std::string(m));
    };
    b.OnBroadcast = [this](std::string_view m) { bcChatBroadcast(std::string(m)); };
    b.OnChannelFull = [this](std::string_view m) { channelRefused("Channel is full.", m); };
    b.OnChanNotExist = [this](std::string_view m) { channelRefused("Channel does not exist.", m); };
    b.OnRestricted = [this](std::string_view m) { channelRefused("Channel is restricted.", m); };
}

ChatForm::SpeakerColors ChatForm::speakerColors(const std::string& user, bool whisper) const {
    SpeakerColors colors{options_.nameColor(),
                         whisper ? options_.whisperColor() : options_.textColor()};
    if (const tUser* record = users_.Items(users_.IndexOfName(user))) {
        colors.name = record->NameColor();
        colors.text = whisper ? record->WhisperColor() : record->TextColor();
    }
    return colors;
}

void ChatForm::addLine(PaneId pane, const std::string& first, std::uint32_t firstColor,
                       const std::string& second, std::uint32_t secondColor) {
    view_.addChatLine(pane, ChatLine{ChatSegment{first, firstColor},
                                     ChatSegment{second, secondColor}, ChatSegment{}});
}

void ChatForm::bcChatTalk(const std::string& user, const std::string& text) {
    WriteChatLog("<" + user + "> " + text, LogKind::Message);
    const SpeakerColors colors = speakerColors(user, /*whisper=*/false);
    if (options_.acceptIncomingSounds() && isSoundRequest(text)) {
        addStatusLine(user + " played: " + ReceiveSound(text), colors.name);
    } else {
        addLine(ChatPane, "<" + user + "> ", colors.name, text, colors.text);
    }
    engine_.RespondToPhrase(user, text);
}

void ChatForm::bcChatEmote(const std::string& user, const std::string& text) {
    addStatusLine("<" + user + " " + text + ">", options_.emoteColor());
    WriteChatLog("<" + user + " EMOTE> " + text, LogKind::Message);
    engine_.RespondToPhrase(user, text);
}

void ChatForm::rememberWhisperer(const std::string& user) {
    const auto found =
        std::find_if(whisperers_.begin(), whisperers_.end(),
                     [&](const std::string& name) { return equalsIgnoreCaseAZ(name, user); });
    if (found == whisperers_.end()) {
        whisperers_.push_back(user);
        return;
    }
    const int position = static_cast<int>(found - whisperers_.begin());
    whisperers_.erase(found);
    whisperers_.push_back(user);
    if (position == replyIndex_) {
        replyIndex_ = static_cast<int>(whisperers_.size()) - 1;
    } else if (position < replyIndex_) {
        replyIndex_ = std::max(replyIndex_ - 1, 0);
    }
}

void ChatForm::bcChatWhisper(const std::string& user, const std::string& text) {
    WriteChatLog("<" + user + " WHISPER > " + text, LogKind::Message);
    rememberWhisperer(user);
    const PaneId target = whisperTarget(user);
    const SpeakerColors colors = speakerColors(user, /*whisper=*/true);
    bool wasSound = false;
    if (options_.acceptIncomingSounds() && isSoundRequest(text)) {
        addStatusLine(user + " played: " + ReceiveSound(text), colors.name, target);
        wasSound = true;
    }
    engine_.ProcessCommand(user, text);
    if ((!text.empty() && text.front() == '/') || wasSound) {
        ShowUrlBar(user, text);
    } else {
        addLine(target, "<FROM: " + user + "> ", colors.name, text, colors.text);
    }
    engine_.RespondToWhisper(user, text);
}

void ChatForm::bcChatWhisperSent(const std::string& user, const std::string& text) {
    WriteChatLog("<WHISPER TO " + user + "> " + text, LogKind::Event);
    const PaneId target = whisperTarget(user);
    const std::string shown = text.empty() ? std::string(" ") : text;
    if (isSoundRequest(shown) || startsWithIgnoreCaseAZ(shown, "/url")) return;
    addLine(target, "<TO: " + user + "> ", options_.yourNameColor(), shown,
            options_.yourTextColor());
}

void ChatForm::bcChatBroadcast(const std::string& text) {
    addStatusLine(text, options_.infoColor());
    WriteChatLog(text, LogKind::Event);
}

void ChatForm::channelRefused(const std::string& shown, std::string_view serverText) {
    addStatusLine(shown, options_.errorColor());
    WriteChatLog(std::string(serverText), LogKind::Event);
}

void ChatForm::ShowUrlBar(const std::string& user, const std::string& text) {
    if (!startsWithIgnoreCaseAZ(text, "/url ")) return;
    receivedUrl_ = text.substr(5);
    view_.showUrlBar(user + " has sent the following URL: ", receivedUrl_);
}

void ChatForm::lblUrlClick() {
    if (const auto address = webAddressFor(receivedUrl_)) {
        platform_.openLink(*address);
    } else {
        addStatusLine("Only web links can be opened.", options_.errorColor());
    }
}

void ChatForm::registerWhisperPane(const std::string& user, PaneId pane) {
    whisperPanes_.emplace_back(user, pane);
}

void ChatForm::unregisterWhisperPane(PaneId pane) {
    std::erase_if(whisperPanes_, [pane](const auto& entry) { return entry.second == pane; });
}

PaneId ChatForm::whisperTarget(const std::string& user) const {
    for (auto it = whisperPanes_.rbegin(); it != whisperPanes_.rend(); ++it) {
        if (equalsIgnoreCaseAZ(it->first, user)) return it->second;
    }
    return WhisperPane;
}

}  // namespace verdo
