// The main window's logic: builds the parts, wires the decoder's events to
// them in one place, and runs the start, the exit, the one-second timer and the
// idle update.
#include "chat/ChatForm.h"

#include "chat/MessageTexts.h"

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
      document_(view),
      sounds_(platform.sound()),
      engineHost_(platform, view, session_, roster_, document_),
      engine_(engineHost_),
      roster_(view, platform.sound(), document_, log_, engine_, session_),
      session_(platform, view, controls_, events_, document_, log_, roster_, engine_),
      incoming_(platform, view, controls_, document_, log_, engine_, sounds_),
      text_(view, controls_, events_, session_, document_, log_, engine_, incoming_.replies(),
            sounds_),
      timed_(session_, document_, engine_),
      playback_(view, session_, document_),
      textPlayback_(playback_, view, document_),
      pause_(controls_, events_, session_),
      userCommands_(view, controls_, events_, session_, document_) {
    events_.OnSettled = [this] {
        session_.advanceConnectLoop();
        view_.requestIdleUpdate();
    };
    session_.HoldLine = [this](std::string_view line) { return pause_.hold(line); };
    // At once, not at the next idle update: an automatic reconnect starts
    // inside the closing event, and the pause must not hold its log-on.
    session_.OnSessionEnded = [this] { pause_.endWhenLoggedOff(); };
    wireDecoder();
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

// Every event of the decoders, assigned here and nowhere else.
void ChatForm::wireDecoder() {
    TBnetChat& b = session_.bcChat();
    b.OnInfo = [this](std::string_view m) { session_.bcChatInfo(m); };
    b.OnError = [this](std::string_view m) { session_.bcChatError(m); };
    b.OnUniqueName = [this](std::string_view name) {
        session_.bcChatUniqueName(name);
        incoming_.highlights().setOwnName(session_.UniqueName());
    };
    b.OnUnHandled = [this](std::string_view line) { session_.bcChatUnHandled(line); };
    b.OnNotDelivered = [this](std::string_view line) { session_.bcChatNotDelivered(line); };
    b.OnChannel = [this](std::string_view channel) { roster_.bcChatChannel(channel); };
    b.OnShowUser = [this](std::string_view user, std::string_view flags, std::string_view product) {
        roster_.bcChatShowUser(user, flags, product);
    };
    b.OnJoin = [this](std::string_view user, std::string_view flags, std::string_view product) {
        roster_.bcChatJoin(user, flags, product);
    };
    b.OnLeave = [this](std::string_view user, std::string_view flags, std::string_view product) {
        roster_.bcChatLeave(user, flags, product);
    };
    b.OnUserFlags = [this](std::string_view user, std::string_view flags) {
        roster_.bcChatUserFlags(user, flags);
    };
    b.OnTalk = [this](std::string_view u, std::string_view m) {
        incoming_.bcChatTalk(std::string(u), std::string(m));
    };
    b.OnEmote = [this](std::string_view u, std::string_view m) {
        incoming_.bcChatEmote(std::string(u), std::string(m));
    };
    b.OnWhisper = [this](std::string_view u, std::string_view m) {
        incoming_.bcChatWhisper(std::string(u), std::string(m));
    };
    b.OnWhisperSent = [this](std::string_view u, std::string_view m) {
        incoming_.bcChatWhisperSent(std::string(u), std::string(m));
    };
    b.OnBroadcast = [this](std::string_view m) { incoming_.bcChatBroadcast(std::string(m)); };
    b.OnChannelFull = [this](std::string_view m) {
        incoming_.channelRefused(texts::ChannelFull, m);
    };
    b.OnChanNotExist = [this](std::string_view m) {
        incoming_.channelRefused(texts::ChannelDoesNotExist, m);
    };
    b.OnRestricted = [this](std::string_view m) {
        incoming_.channelRefused(texts::ChannelRestricted, m);
    };
    session_.tcChat().OnData = [this](std::string_view line) { incoming_.tcChatData(line); };
}

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
    if (options.keepLog() && !options.logFileName().empty() && !log_.open(options.logFileName()))
        view_.showMessage(texts::LogFileInvalid, MessageKind::Error);
}

void ChatForm::setStartServer(const std::optional<std::string>& server) {
    session_.setStartServer(server);
}

bool ChatForm::applyAlerts(const AlertSettings& alerts) {
    incoming_.setAlerts(alerts);
    if (!document_.hasSettingsFile()) return true;
    if (document_.writeAlerts(alerts)) return true;
    view_.showMessage("The alert settings could not be written to Chat.ini.", MessageKind::Error);
    return false;
}

void ChatForm::FormShow() {
    document_.fillBuiltInLists();
    std::optional<std::string> path;
    if (!startChatFile_.empty()) {
        path = startChatFile_;
    } else {
        path = document_.lastFile();
    }
    if (path) {
        document_.openAtStart(*path);
    } else {
        addStatusLine(view_, std::string(FirstStartHint), document_.options().infoColor());
    }
    if (document_.hasSettingsFile()) {
        const auto [file, user] = document_.readBatch();
        playback_.setBatch(file, user);
        document_.setIgnorePrefix(document_.readIgnorePrefix());
        incoming_.setAlerts(document_.readAlerts());
        session_.bcChat().setPacing(document_.readPacing());
        playback_.loadBatchAtStart();
    }
    session_.bcChat().setFloodInterval(2500);
    session_.applyLogonOptions();
    controls_.setSendButtonsEnabled(false);
    view_.requestIdleUpdate();
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
    if (info.option) {
        toggleSwitch(*info.option);
    } else if (info.logic != nullptr) {
        info.logic(*this);
    }
}

void ChatForm::toggleSwitch(SwitchId id) {
    const OptionSwitch& option = optionSwitch(id);
    tOptions& options = document_.options();
    const bool on = !(options.*option.get)();
    (options.*option.set)(on);
    document_.setModified(true);
    for (const ChatActionInfo& info : chatActions()) {
        if (info.option == id) controls_.setActionChecked(info.id, on);
    }
}

void ChatForm::ActionListUpdate() {
    // Never while the connect loop runs: its countdown stays in the status bar.
    if (session_.connectLoopRunning()) return;
    TBnetChat& chat = session_.bcChat();
    chat.setFloodInterval(chat.QueueCount() < 3 ? 2500 : 4000);
    pause_.endWhenLoggedOff();
    const bool loggedOn = session_.LoggedOn();
    const tOptions& options = document_.options();
    for (const ChatActionInfo& info : chatActions()) {
        if (info.enabling == Enabling::LoggedOn) controls_.setActionEnabled(info.id, loggedOn);
        std::optional<bool> checked;
        switch (info.check) {
            case Check::Option:
                checked = (options.*optionSwitch(*info.option).get)();
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
