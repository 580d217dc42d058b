// The main window's logic: builds the parts, wires the decoder's events to
// them in one place, and runs the start, the exit, the one-second timer and the
// idle update.
#include "chat/ChatForm.h"

#include "chat/ChatActions.h"
#include "chat/DecoderRoutes.h"
#include "chat/MessageTexts.h"
#include "engine/ChatFile.h"
#include "protocol/ProtocolLines.h"
#include "records/OptionSwitches.h"

namespace verdo {

namespace {
// Without a chat file nothing can connect yet: the first thing a newcomer reads.
constexpr std::string_view FirstStartHint =
    "No chat file is open: press F6 to set up your account, password and servers, then F4 to "
    "connect; File > Save keeps the settings.";
}  // namespace

ChatForm::ChatForm(Platform& platform, SessionView& view, WindowControls& controls)
    : platform_(platform),
      view_(view),
      controls_(controls),
      log_(platform.clock()),
      document_(view, controls_),
      sounds_(platform.sound()),
      session_(platform, view, controls_, events_, document_, log_, roster_, engine_, stream_,
               pause_),
      pause_(controls_, events_, session_),
      connectLoop_(platform, view, controls_, events_, document_, session_),
      engineHost_(platform, view, session_, session_, connectLoop_, roster_, document_),
      engine_(engineHost_),
      roster_(view, platform.sound(), document_, log_, engine_, session_, stream_),
      away_(view, controls_, events_, document_, session_, stream_),
      incoming_(platform, view, controls_, document_, log_, engine_, sounds_, stream_),
      text_(view, controls_, events_, session_, document_, log_, engine_, incoming_.replies(),
            sounds_),
      timed_(session_, document_, engine_),
      playback_(view, session_, document_),
      textPlayback_(playback_, view, document_),
      userCommands_(view, controls_, events_, session_, document_) {
    events_.OnSettled = [this] {
        connectLoop_.advanceConnectLoop();
        view_.requestIdleUpdate();
    };
    routeDecoderEvents(session_, roster_, incoming_);
    // Highlights look for the name the server gave at log-on.
    stream_.subscribe([this](const SessionEvent& event) {
        if (event.kind == SessionEventKind::LoggedOn)
            incoming_.highlights().setOwnName(std::string(event.user));
        return EventResult::Continue;
    });
    wireDocument();
    timer_ = platform_.createTimer();
    timer_->setInterval(1000);
    timer_->OnTimer = [this] { events_.run([this] { TimerTimer(); }); };
    timer_->setEnabled(true);
    // The send queue paces by the server's quota on the real clock; its wake
    // timer is the last one made.
    session_.bcChat().usePacingClock(platform_.clock(), platform_.createTimer());
}

ChatForm::ChatForm(Platform& platform, SessionView& view) : ChatForm(platform, view, noControls_) {}

ChatForm::~ChatForm() = default;

void ChatForm::wireDocument() {
    document_.OnOptionsReplaced = [this] {
        session_.applyLogonOptions();
        view_.optionsChanged();
    };
    document_.ClearPlaybackLines = [this] { playback_.clearLines(); };
    document_.OnFileLoaded = [this] {
        session_.ChatInterface().Address = document_.options().server();
        reopenLog();
    };
}

void ChatForm::applySetup(const SetupValues& values) {
    values.storeTo(document_.options(), document_.lists());
    session_.applyLogonOptions();
    session_.ChatInterface().Address = document_.options().server();
    if (values.modified) document_.setModified(true);
    view_.optionsChanged();
    reopenLog();
}

// The chat-file loader and the configuration dialog both end here.
void ChatForm::reopenLog() {
    log_.close();
    const tOptions& options = document_.options();
    if (options.keepLog() && !options.logFileName().empty() &&
        !log_.open(options.logFileName(), document_.chosenLogFiles()))
        view_.showMessage(texts::LogFileInvalid, MessageKind::Error);
}

void ChatForm::setStartServer(const std::optional<std::string>& server) {
    connectLoop_.setStartServer(server);
}

bool ChatForm::applyAlerts(const AlertSettings& alerts) {
    incoming_.setAlerts(alerts);
    if (!document_.hasSettingsFile()) return true;
    if (document_.writeAlerts(alerts)) return true;
    view_.showMessage("The alert settings could not be written to Chat.ini.", MessageKind::Error);
    return false;
}

void ChatForm::joinChannel(const std::string& channel) {
    session_.sendLine(joinChannelLine(channel), SendClass::Typed);
}

void ChatForm::listChannel(const std::string& channel) {
    session_.sendLine(listChannelLine(channel), SendClass::Typed);
}

std::optional<std::string> ChatForm::startPath() const {
    if (!startChatFile_.empty()) return startChatFile_;
    return document_.lastFile();
}

bool ChatForm::startIsSlow() const {
    const std::optional<std::string> path = startPath();
    return path && ChatFileSize(*path) > SlowStartBytes;
}

void ChatForm::openStartFiles() {
    document_.fillBuiltInLists();
    const std::optional<std::string> path = startPath();
    if (path) {
        document_.openAtStart(*path);
    } else {
        addStatusLine(view_, std::string(FirstStartHint), document_.options().infoColor());
    }
    if (document_.hasSettingsFile()) {
        document_.setIgnorePrefix(document_.readIgnorePrefix());
        incoming_.setAlerts(document_.readAlerts());
        session_.bcChat().setPacing(document_.readPacing());
    }
    session_.bcChat().setFloodInterval(2500);
    session_.applyLogonOptions();
    controls_.setSendButtonsEnabled(false);
    view_.requestIdleUpdate();
}

void ChatForm::loadStartBatch() {
    if (!document_.hasSettingsFile()) return;
    const auto [file, user] = document_.readBatch();
    playback_.setBatch(file, user);
    playback_.loadBatchAtStart();
}

void ChatForm::FormClose() {
    if (remembersLastFile_) document_.writeLastFile();
    document_.writeBatch(playback_.batchFile(), playback_.batchUser());
}

void ChatForm::TimerTimer() {
    if (!session_.LoggedOn()) return;
    timed_.tick();
    playback_.tick();
}

void ChatForm::runAction(ChatAction action) {
    const ChatActionInfo& info = actionInfo(action);
    if (info.check == Check::Option) {
        toggleSwitch(action);
    } else if (info.logic != nullptr) {
        info.logic(*this);
    }
}

void ChatForm::toggleSwitch(ChatAction action) {
    const OptionField* option = OptionSwitches::byAction(actionInfo(action).objectName);
    if (option == nullptr) return;
    std::uint8_t* options = document_.options().data();
    const bool on = !option->isOn(options);
    option->setOn(options, on);
    document_.setModified(true);
    controls_.setActionChecked(action, on);
}

void ChatForm::ActionListUpdate() {
    // Never while the connect loop runs: its countdown stays in the status bar.
    if (connectLoop_.connectLoopRunning()) return;
    TBnetChat& chat = session_.bcChat();
    chat.setFloodInterval(chat.QueueCount() < 3 ? 2500 : 4000);
    const bool loggedOn = session_.LoggedOn();
    if (!loggedOn) pause_.end();
    const tOptions& options = document_.options();
    for (const ChatActionInfo& info : chatActions()) {
        if (info.enabling == Enabling::LoggedOn) controls_.setActionEnabled(info.id, loggedOn);
        std::optional<bool> checked;
        switch (info.check) {
            case Check::Option:
                if (const OptionField* option = OptionSwitches::byAction(info.objectName))
                    checked = option->isOn(options.data());
                break;
            case Check::LoggedOn:
                checked = loggedOn;
                break;
            case Check::Paused:
                checked = pause_.paused();
                break;
            default:
                break;
        }
        if (!checked) continue;
        controls_.setActionChecked(info.id, *checked);
        if (info.checkedCaption != nullptr)
            controls_.setActionCaption(info.id, *checked ? info.checkedCaption : info.caption);
    }
    std::string detail;
    if (pause_.paused()) {
        detail = texts::ChatPaused;
    } else if (loggedOn) {
        detail = texts::ConnectedTo + session_.CurrentServer();
    }
    view_.setStatusText(StatusPanel::Detail, detail);
}

}  // namespace verdo
