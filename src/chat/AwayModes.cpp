// The away and do-not-disturb modes (see AwayModes.h).
#include "chat/AwayModes.h"

#include <optional>
#include <string>

#include "chat/MessageTexts.h"
#include "platform/AnsiText.h"
#include "protocol/ProtocolLines.h"

namespace verdo {

namespace {
struct AwayMode {
    const char* title;
    const char* prompt;
};
constexpr AwayMode kAway{texts::AwayTitle, texts::AwayPrompt};
constexpr AwayMode kDND{texts::DNDTitle, texts::DNDPrompt};
}  // namespace

AwayModes::AwayModes(SessionView& view, WindowControls& controls, EventScope& events,
                     ChatDocument& document, LineSender& sender, SessionEvents& stream)
    : view_(view),
      controls_(controls),
      events_(events),
      document_(document),
      sender_(sender),
      stream_(stream),
      subscription_(stream.subscribe([this](const SessionEvent& e) { return serverNotice(e); })) {}

AwayModes::~AwayModes() {
    stream_.unsubscribe(subscription_);
}

// The server confirms the away mode in info lines, whoever switched it.
EventResult AwayModes::serverNotice(const SessionEvent& event) {
    if (event.kind != SessionEventKind::Info) return EventResult::Continue;
    if (upperAZ(event.text).find("YOU ARE NOW MARKED AS BEING AWAY") != std::string::npos) {
        setAwayChecked(true);
    }
    if (lowerAZ(event.text).find("you are no longer marked as away") != std::string::npos) {
        setAwayChecked(false);
    }
    return EventResult::Continue;
}

void AwayModes::setAwayChecked(bool checked) {
    awayChecked_ = checked;
    controls_.setActionChecked(ChatAction::Away, checked);
}

void AwayModes::setDNDChecked(bool checked) {
    dndChecked_ = checked;
    controls_.setActionChecked(ChatAction::DND, checked);
}

void AwayModes::acAwayExecute() {
    events_.run([this] { toggleMode(/*dnd=*/false); });
}

void AwayModes::acDNDExecute() {
    events_.run([this] { toggleMode(/*dnd=*/true); });
}

void AwayModes::toggleMode(bool dnd) {
    const AwayMode& mode = dnd ? kDND : kAway;
    bool& on = dnd ? dndOn_ : awayOn_;
    auto setChecked = [this, dnd](bool checked) {
        dnd ? setDNDChecked(checked) : setAwayChecked(checked);
    };
    if (on) {
        setChecked(false);
        on = false;
        sender_.sendLine(awayLine(dnd, ""), SendClass::Typed);
        return;
    }
    tOptions& options = document_.options();
    const std::string stored = dnd ? options.dndReason() : options.awayReason();
    const std::optional<std::string> reason = view_.inputBox(mode.title, mode.prompt, stored);
    if (!reason) {
        setChecked(false);
    } else if (!reason->empty()) {
        on = true;
        setChecked(true);
        if (*reason != stored) document_.setModified(true);
        dnd ? options.setDndReason(*reason) : options.setAwayReason(*reason);
        sender_.sendLine(awayLine(dnd, dnd ? options.dndReason() : options.awayReason()),
                         SendClass::Typed);
    }
    controls_.focusEntry();
}

}  // namespace verdo
