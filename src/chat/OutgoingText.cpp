// Outgoing text (see OutgoingText.h).
#include "chat/OutgoingText.h"

#include "chat/ChatDocument.h"
#include "engine/ChatFunctions.h"
#include "platform/AnsiText.h"
#include "protocol/ProtocolLines.h"

namespace verdo {

namespace {

std::optional<std::string> whisperTarget(const UserSelection& selection) {
    return selection.custom ? selection.custom : selection.roster;
}

std::string withoutAmpersands(std::string caption) {
    std::erase(caption, '&');
    return caption;
}

}  // namespace

OutgoingText::OutgoingText(SessionView& view, WindowControls& controls, EventScope& events,
                           LineSender& sender, ChatDocument& document, ChatLog& log,
                           ChatFunctions& engine, WhisperReplies& replies, SoundBoard& sounds)
    : view_(view),
      controls_(controls),
      events_(events),
      sender_(sender),
      document_(document),
      log_(log),
      engine_(engine),
      replies_(replies),
      sounds_(sounds) {}

void OutgoingText::echo(const std::string& text) {
    engine_.EchoOwnText(text);
}

void OutgoingText::acLockExecute() {
    whisperLock_ = !whisperLock_;
    controls_.setActionChecked(ChatAction::Lock, whisperLock_);
}

void OutgoingText::send(const std::string& text) {
    events_.run([this, &text] {
        if (!sender_.LoggedOn()) return;
        if (!text.empty()) {
            log_.WriteChatLog("[Sent] " + text, LogKind::Event, document_.options());
            sender_.sendLine(text, SendClass::Typed);
            controls_.addEntryHistory(text);
            echo(text);
            controls_.setEntryText("");
        }
        controls_.focusEntry();
    });
}

void OutgoingText::emote(const std::string& text) {
    events_.run([this, &text] {
        controls_.addEntryHistory(text);
        sender_.sendLine(emoteLine(text), SendClass::Typed);
        controls_.setEntryText("");
        controls_.focusEntry();
    });
}

void OutgoingText::whisper(const std::optional<std::string>& target, const std::string& text) {
    events_.run([this, &target, &text] {
        if (!target) {
            addStatusLine(view_, "No User Selected.", document_.options().infoColor(), WhisperPane);
        } else {
            controls_.addEntryHistory(text);
            sender_.sendLine(whisperLine(*target, text), SendClass::Typed);
            controls_.setEntryText("");
        }
        controls_.focusEntry();
    });
}

void OutgoingText::btnSendClick(const std::string& entry, const UserSelection& selection) {
    if (!sender_.LoggedOn()) return;
    if (whisperLock_) {
        whisper(whisperTarget(selection), entry);
    } else {
        send(entry);
    }
}

void OutgoingText::btnEmoteClick(const std::string& entry, const UserSelection& selection) {
    if (whisperLock_) {
        whisper(whisperTarget(selection), entry);
    } else {
        emote(entry);
    }
}

void OutgoingText::btnWhisperClick(const std::string& entry, const UserSelection& selection) {
    whisper(whisperTarget(selection), entry);
}

void OutgoingText::CycleWhisperReply(const std::string& entry) {
    if (const std::optional<std::string> reply = replies_.cycle(entry))
        controls_.setEntryText(*reply);
}

void OutgoingText::runMacros(char key, const std::string& entry, const UserSelection& selection) {
    events_.run([this, key, &entry, &selection] {
        if (!sender_.LoggedOn()) return;
        const std::string upperKey = upperAZ(std::string(1, key));
        const std::string name = selection.roster.value_or(selection.custom.value_or(""));
        const ChatLists& lists = document_.lists();
        // The entry is emptied by the first macro; later ones see it empty.
        std::string parameter = entry;
        for (std::size_t i = 0; i < lists.MacroList.size(); ++i) {
            const std::string keyText =
                i < lists.MacroKeys.size() ? lists.MacroKeys[i] : std::string();
            const std::string& macro = lists.MacroList[i];
            if (keyText.empty() || macro.empty() || upperAZ(keyText.substr(0, 1)) != upperKey)
                continue;
            const std::string expanded = engine_.ExpandResponse(macro, name, parameter);
            parameter.clear();
            controls_.setEntryText("");
            echo(expanded);
            sender_.sendLine(expanded, SendClass::Typed);
        }
    });
}

void OutgoingText::SendSoundToChannel(const SoundEntry& entry) {
    events_.run([this, &entry] {
        if (!sender_.LoggedOn()) return;
        const std::string name = withoutAmpersands(entry.caption);
        sounds_.playSent(entry, document_.options().playSoundsLocally());
        sender_.sendLine("~playsound " + name, SendClass::Typed);
        addStatusLine(view_, "Playing sound: " + name, document_.options().yourTextColor());
    });
}

void OutgoingText::SendSoundToUser(const SoundEntry& entry,
                                   const std::optional<std::string>& user) {
    events_.run([this, &entry, &user] {
        if (!sender_.LoggedOn() || !user) return;
        const std::string name = withoutAmpersands(entry.caption);
        sounds_.playSent(entry, document_.options().playSoundsLocally());
        sender_.sendLine(whisperLine(*user, "~playsound " + name), SendClass::Typed);
        addStatusLine(view_, "Sending sound to " + *user + ": " + name,
                      document_.options().yourTextColor());
    });
}

}  // namespace verdo
