// Away and do-not-disturb: switched on with a reason asked in an input box,
// switched off with the bare command.
#include "chat/ChatForm.h"

namespace verdo {

namespace {
struct AwayMode {
    ChatAction action;
    const char* title;
    const char* prompt;
    const char* command;
};
constexpr AwayMode kAway{ChatAction::Away, "Away", "Enter reason why you will be away:", "/away"};
constexpr AwayMode kDND{ChatAction::DND, "DND",
                        "Enter reason why you will be in DND mode:", "/DND"};
}  // namespace

void ChatForm::setAwayChecked(bool checked) {
    awayChecked_ = checked;
    view_.setActionChecked(ChatAction::Away, checked);
}

void ChatForm::setDNDChecked(bool checked) {
    dndChecked_ = checked;
    view_.setActionChecked(ChatAction::DND, checked);
}

void ChatForm::acAwayExecute() {
    inEvent([this] { toggleMode(/*dnd=*/false); });
}

void ChatForm::acDNDExecute() {
    inEvent([this] { toggleMode(/*dnd=*/true); });
}

void ChatForm::toggleMode(bool dnd) {
    const AwayMode& mode = dnd ? kDND : kAway;
    bool& on = dnd ? dndOn_ : awayOn_;
    auto setChecked = [this, dnd](bool checked) {
        dnd ? setDNDChecked(checked) : setAwayChecked(checked);
    };
    if (on) {
        setChecked(false);
        on = false;
        sendLine(mode.command);
        return;
    }
    const std::string stored = dnd ? options_.dndReason() : options_.awayReason();
    const std::optional<std::string> reason = view_.inputBox(mode.title, mode.prompt, stored);
    if (!reason) {
        setChecked(false);
    } else if (!reason->empty()) {
        on = true;
        setChecked(true);
        if (*reason != stored) settingsModified_ = true;
        dnd ? options_.setDndReason(*reason) : options_.setAwayReason(*reason);
        sendLine(std::string(mode.command) + " " +
                 (dnd ? options_.dndReason() : options_.awayReason()));
    }
    view_.focusEntry();
}

}  // namespace verdo
