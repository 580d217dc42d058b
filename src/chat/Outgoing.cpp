// Outgoing text: Send, Emote and Whisper from the entry line, the whisper lock,
// the history, Tab through recent whisperers, and the key macros.
#include "chat/ChatForm.h"
#include "platform/AnsiText.h"

namespace verdo {

void ChatForm::acLockExecute() {
    whisperLock_ = !whisperLock_;
    view_.setActionChecked(ChatAction::Lock, whisperLock_);
}

void ChatForm::btnSendClick() {
    inEvent([this] {
        if (!loggedOn_) return;
        if (whisperLock_) {
            btnWhisperClick();
            return;
        }
        const std::string text = view_.entryText();
        if (!text.empty()) {
            WriteChatLog("[Sent] " + text, LogKind::Event);
            sendLine(text);
            view_.addEntryHistory(text);
            EchoOwnText(text);
            view_.setEntryText("");
        }
        view_.focusEntry();
    });
}

void ChatForm::btnEmoteClick() {
    inEvent([this] {
        if (whisperLock_) {
            btnWhisperClick();
            return;
        }
        const std::string text = view_.entryText();
        view_.addEntryHistory(text);
        sendLine("/me " + text);
        view_.setEntryText("");
        view_.focusEntry();
    });
}

std::optional<std::string> ChatForm::selectedUser() const {
    if (auto custom = view_.selectedCustomName()) return custom;
    return view_.selectedRosterName();
}

void ChatForm::btnWhisperClick() {
    inEvent([this] {
        const std::optional<std::string> target = selectedUser();
        if (!target) {
            addStatusLine("No User Selected.", options_.infoColor(), WhisperPane);
        } else {
            const std::string text = view_.entryText();
            view_.addEntryHistory(text);
            sendLine("/w " + *target + " " + text);
            view_.setEntryText("");
        }
        view_.focusEntry();
    });
}

void ChatForm::CycleWhisperReply() {
    if (whisperers_.empty()) return;
    const int last = static_cast<int>(whisperers_.size()) - 1;
    if (replyIndex_ == -1) replyIndex_ = last;
    const std::string entry = view_.entryText();
    if (entry.empty()) {
        replyIndex_ = last;
    } else if (equalsIgnoreCaseAZ(entry, lastReplyText_)) {
        replyIndex_ = replyIndex_ - 1 < 0 ? last : replyIndex_ - 1;
    } else {
        return;
    }
    lastReplyText_ = "/msg " + whisperers_[static_cast<std::size_t>(replyIndex_)] + " ";
    view_.setEntryText(lastReplyText_);
}

void ChatForm::runMacros(char key) {
    inEvent([this, key] {
        if (!loggedOn_) return;
        const std::string upperKey = upperAZ(std::string(1, key));
        // The roster's selection first, then the custom list's.
        std::optional<std::string> name = view_.selectedRosterName();
        if (!name) name = view_.selectedCustomName();
        for (std::size_t i = 0; i < lists_.MacroList.size(); ++i) {
            const std::string keyText =
                i < lists_.MacroKeys.size() ? lists_.MacroKeys[i] : std::string();
            const std::string& macro = lists_.MacroList[i];
            if (keyText.empty() || macro.empty() || upperAZ(keyText.substr(0, 1)) != upperKey)
                continue;
            const std::string expanded =
                engine_.ExpandResponse(macro, name.value_or(""), view_.entryText());
            view_.setEntryText("");
            EchoOwnText(expanded);
            sendLine(expanded);
        }
    });
}

}  // namespace verdo
