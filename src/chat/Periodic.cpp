// Work without a message from the server: the one-second timer (timed messages
// and text-file playback), the seven switches, the chat pause, and the idle
// update that keeps every action in step with the session and the options.
#include <charconv>
#include <climits>
#include <fstream>

#include "chat/ChatForm.h"
#include "platform/AnsiText.h"

namespace verdo {

namespace {

// The decimal number at the start of `text`, as the timer reads its counters
// and intervals; `fallback` when there is none.
int decimalOr(std::string_view text, int fallback) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : fallback;
}

struct SwitchOption {
    ChatAction action;
    bool (tOptions::*get)() const;
    void (tOptions::*set)(bool);
};

constexpr SwitchOption kSwitches[] = {
    {ChatAction::Master, &tOptions::masterSwitch, &tOptions::setMasterSwitch},
    {ChatAction::Phrase, &tOptions::respondToPhrases, &tOptions::setRespondToPhrases},
    {ChatAction::WhisperReply, &tOptions::respondToWhispers, &tOptions::setRespondToWhispers},
    {ChatAction::Ban, &tOptions::autoBan, &tOptions::setAutoBan},
    {ChatAction::NoBan, &tOptions::banEveryoneExcept, &tOptions::setBanEveryoneExcept},
    {ChatAction::TimerSwitch, &tOptions::respondToTimers, &tOptions::setRespondToTimers},
    {ChatAction::JoinSwitch, &tOptions::respondToJoins, &tOptions::setRespondToJoins},
};

}  // namespace

void ChatForm::startTimer() {
    timer_ = platform_.createTimer();
    timer_->setInterval(1000);
    timer_->OnTimer = [this] { inEvent([this] { TimerTimer(); }); };
    timer_->setEnabled(true);
}

void ChatForm::TimerTimer() {
    if (!loggedOn_) return;
    if (options_.respondToTimers() && options_.masterSwitch()) sendTimedMessages();
    if (PlaybackRunning) playNextLine();
}

void ChatForm::sendTimedMessages() {
    if (TimerCounters.size() != lists_.TimerList.size()) {
        TimerCounters.assign(lists_.TimerList.size(), "0");
    }
    for (std::size_t i = 0; i < lists_.TimerList.size(); ++i) {
        const int counter = decimalOr(TimerCounters[i], 0);
        const int interval =
            decimalOr(i < lists_.IntervalList.size() ? lists_.IntervalList[i] : "", INT_MAX);
        if (counter < interval) {
            TimerCounters[i] = std::to_string(counter + 1);
            continue;
        }
        const std::string text = engine_.ExpandResponse(lists_.TimerList[i], uniqueName_, "");
        sendLine(text);
        EchoOwnText(text);
        TimerCounters[i] = "0";
    }
}

void ChatForm::playNextLine() {
    if (++PlaybackTicks < options_.reciteDelay()) return;
    PlaybackTicks = 0;
    if (PlaybackLine >= playbackLines_.size()) {
        PlaybackRunning = false;
        PlaybackLine = 0;
        addStatusLine("Text file: " + batchFile_ + " done.", options_.infoColor());
        return;
    }
    std::string line = playbackLines_[PlaybackLine];
    if (startsWithIgnoreCaseAZ(line, "/repeat")) {
        PlaybackLine = 0;
        return;
    }
    if (!batchUser_.empty()) line = "/w " + batchUser_ + " " + line;
    if (startsWithIgnoreCaseAZ(line, "/char ")) {
        // One bare character, without a carriage return.
        const int code = decimalOr(std::string_view(line).substr(6), 0);
        bcChat_->SendLine(std::string(1, static_cast<char>(code)));
    } else {
        sendLine(line);
    }
    if (line.empty()) line = " ";
    if (line.front() != '/') {
        addLine(ChatPane, "<" + uniqueName_ + "> ", options_.yourNameColor(), line,
                options_.yourTextColor());
    }
    ++PlaybackLine;
}

bool ChatForm::loadPlaybackFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
    }
    playbackLines_ = std::move(lines);
    return true;
}

void ChatForm::loadBatchAtStart() {
    if (batchFile_.empty()) return;
    if (!loadPlaybackFile(batchFile_)) {
        view_.showMessage("Could not open text file", MessageKind::Error);
        batchFile_.clear();
        batchUser_.clear();
    }
}

void ChatForm::startPlayback(const std::string& path, const std::string& whisperTarget) {
    if (!loadPlaybackFile(path)) {
        view_.showMessage("Could not open text file", MessageKind::Error);
        return;
    }
    batchFile_ = path;
    batchUser_ = whisperTarget;
    PlaybackLine = 0;
    PlaybackTicks = 0;
    PlaybackRunning = true;
}

void ChatForm::stopPlayback() {
    PlaybackRunning = false;
}

void ChatForm::toggleSwitch(ChatAction action) {
    for (const SwitchOption& option : kSwitches) {
        if (option.action != action) continue;
        const bool on = !(options_.*option.get)();
        (options_.*option.set)(on);
        view_.setActionChecked(action, on);
        settingsModified_ = true;
    }
}

void ChatForm::acMasterExecute() {
    toggleSwitch(ChatAction::Master);
}
void ChatForm::acPhraseExecute() {
    toggleSwitch(ChatAction::Phrase);
}
void ChatForm::acWhisperExecute() {
    toggleSwitch(ChatAction::WhisperReply);
}
void ChatForm::acBanExecute() {
    toggleSwitch(ChatAction::Ban);
}
void ChatForm::acNoBanExecute() {
    toggleSwitch(ChatAction::NoBan);
}
void ChatForm::acTimerExecute() {
    toggleSwitch(ChatAction::TimerSwitch);
}
void ChatForm::acJoinSwitchExecute() {
    toggleSwitch(ChatAction::JoinSwitch);
}

void ChatForm::acPauseExecute() {
    inEvent([this] {
        paused_ = !paused_;
        view_.setActionChecked(ChatAction::Pause, paused_);
        if (!paused_) drainHeldLines();
    });
}

void ChatForm::drainHeldLines() {
    // Each line in arrival order, with all its automatic answers; a handler may
    // pause again, and then the rest stays held.
    while (!holdList_.empty() && !paused_) {
        const std::string line = std::move(holdList_.front());
        holdList_.pop_front();
        interpretLine(line);
    }
}

void ChatForm::ActionListUpdate() {
    // Never while the connect loop runs: its countdown stays in the status bar.
    if (loopRunning_) return;
    bcChat_->setFloodInterval(bcChat_->QueueCount() < 3 ? 2500 : 4000);
    view_.setActionChecked(ChatAction::Connect, loggedOn_);
    view_.setActionCaption(ChatAction::Connect, loggedOn_ ? "&Disconnect" : "&Connect");
    for (ChatAction action : {ChatAction::Away, ChatAction::DND, ChatAction::Pause}) {
        view_.setActionEnabled(action, loggedOn_);
    }
    for (const SwitchOption& option : kSwitches) {
        view_.setActionChecked(option.action, (options_.*option.get)());
    }
    if (!loggedOn_ && (paused_ || !holdList_.empty())) {
        holdList_.clear();
        paused_ = false;
        view_.setActionChecked(ChatAction::Pause, false);
    }
    std::string detail;
    if (paused_) {
        detail = "CHAT PAUSED";
    } else if (loggedOn_) {
        detail = "Connected to: " + currentServer_;
    }
    view_.setStatusText(StatusPanel::Detail, detail);
}

}  // namespace verdo
