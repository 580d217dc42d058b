// The headless program (see HeadlessRunner.h).
#include "app/headless/HeadlessRunner.h"

#include <unistd.h>

#include <fcntl.h>
#include <QCoreApplication>
#include <QTime>
#include <csignal>
#include <iostream>

#include "app/headless/AutoSave.h"
#include "chat/MessageTexts.h"
#include "platform/IniFile.h"
#include "platform/qt/FdLineReader.h"
#include "platform/qt/SignalPipe.h"
#include "scripting/SessionScripts.h"
#include "text/DisplayText.h"

namespace verdo {

namespace {

bool isOpen(int fd) {
    return ::fcntl(fd, F_GETFD) != -1;
}

}  // namespace

HeadlessRunner::HeadlessRunner(HeadlessOptions options, ConsoleOutput output)
    : options_(std::move(options)), view_(std::move(output)) {
    form_ = std::make_unique<ChatForm>(platform_, view_, view_);
    // The scripts follow the chat file: reading it (the start, SIGHUP) reloads them.
    scripts_ = std::make_unique<SessionScripts>(platform_, *form_, view_);
    scripts_->setSettingsFile(options_.settingsFile);
    scripts_->setExtraFiles(options_.scripts);
    autoSave_ = std::make_unique<AutoSave>(form_->document(), platform_.createTimer(),
                                           [this] { return saveChangedSettings(); });
    view_.OnIdleUpdate = [this] {
        form_->ActionListUpdate();
        if (!stopping_) autoSave_->check();
    };
    platform_.OnLinkNotOpened = [this](const std::string& url) {
        view_.note("Not opened (no browser here): " + url);
    };
}

// The logic goes first: its connection may still report while it closes.
HeadlessRunner::~HeadlessRunner() {
    autoSave_.reset();
    scripts_.reset();
    form_.reset();
}

bool HeadlessRunner::start() {
    ChatDocument& document = form_->document();
    document.setSettingsFile(options_.settingsFile);
    // A bot run on a chat file of its own leaves the desktop's "Last File" alone.
    const std::optional<std::string> path =
        options_.chatFile ? options_.chatFile : document.lastFile();
    form_->setRemembersLastFile(!options_.chatFile);
    if (!path) {
        view_.note("No chat file: name one on the command line (none was opened last).");
        return false;
    }
    form_->setStartChatFile(*path);
    form_->setStartServer(options_.server);
    form_->setProgramFolder(options_.programFolder.string());
    form_->FormShow();
    if (!document.currentFile()) {
        view_.note("Cannot load the chat file " + *path + ".");
        return false;
    }
    form_->connect();
    return true;
}

void HeadlessRunner::listen() {
    signals_ = std::make_unique<SignalPipe>(std::initializer_list<int>{SIGINT, SIGTERM, SIGHUP});
    signals_->OnSignal = [this](int number) { handleSignal(number); };
    if (!isOpen(STDIN_FILENO)) return;
    input_ = std::make_unique<FdLineReader>(STDIN_FILENO);
    input_->OnLine = [this](const std::string& line) {
        send(typedBytes(QString::fromLocal8Bit(line.data(), std::ssize(line))));
    };
}

void HeadlessRunner::handleSignal(int number) {
    if (number == SIGHUP) {
        reloadChatFile();
    } else {
        stop();
    }
}

void HeadlessRunner::send(const std::string& bytes) {
    if (bytes.empty() || stopping_) return;
    if (!form_->LoggedOn()) {
        view_.note("Not logged on: \"" + bytes + "\" was not sent.");
        return;
    }
    form_->sendLine(bytes);
}

// What the file says now wins; the bot's own edits not yet saved are made
// again on it by value. A reload that fails changes nothing: the bot goes on
// with the settings it has, and saves nothing over the files until a reload
// succeeds.
void HeadlessRunner::reloadChatFile() {
    ChatDocument& document = form_->document();
    const std::string path = document.currentFile().value_or("");
    const tOptions& options = document.options();
    if (const auto count = document.reloadKeepingEdits()) {
        if (count->replayed + count->dropped > 0) noteReplayed(*count);
        reloadFailed_ = false;
        savesHeldNoted_ = false;
        addStatusLine(view_, "Chat file " + path + " re-read.", options.infoColor());
    } else {
        reloadFailed_ = true;
        addStatusLine(view_, texts::LoadFailed, options.errorColor());
        view_.note("The chat file " + path +
                   " could not be re-read: the bot goes on with its previous settings.");
    }
}

void HeadlessRunner::noteReplayed(const ChatFileEdits::Count& count) {
    view_.note("Replayed " + std::to_string(count.replayed) +
               " of the bot's own edits on the chat file as it is on disk now, dropped " +
               std::to_string(count.dropped) + ".");
}

bool HeadlessRunner::saveChangedSettings() {
    ChatDocument& document = form_->document();
    if (!document.modified()) return true;
    if (reloadFailed_ && document.changedOnDisk()) {
        // The files changed since the failed reload: try them again.
        if (document.reloadKeepingEdits()) {
            reloadFailed_ = false;
            savesHeldNoted_ = false;
            view_.note("The chat file could be read again.");
        }
    }
    if (reloadFailed_) {
        // Saving now would write the old settings over the files that could
        // not be read: the changes wait for a reload that succeeds.
        if (!savesHeldNoted_)
            view_.note(
                "Not saving the changed settings: the chat file could not be re-read "
                "(send SIGHUP to try again).");
        savesHeldNoted_ = true;
        return false;
    }
    if (document.changedOnDisk()) {
        // Another program (`verdochat chatfile`, an editor) changed the file:
        // its version wins, and the bot's own edits are made again on it.
        const auto count = document.reloadKeepingEdits();
        if (!count) {
            reloadFailed_ = true;
            view_.note("The chat file was changed on disk and cannot be read: not saving.");
            return false;
        }
        noteReplayed(*count);
        if (!document.modified()) return true;
    }
    addStatusLine(
        view_,
        "Saving the settings changed while running to " + document.currentFile().value_or("") + ".",
        document.options().infoColor());
    document.acSaveExecute();
    if (!document.modified()) return true;
    view_.note("The changed settings could not be saved.");
    return false;
}

void HeadlessRunner::stop() {
    if (stopping_) return;
    stopping_ = true;
    autoSave_->stop();
    const int status = saveChangedSettings() ? HeadlessStopped : HeadlessSaveFailed;
    if (form_->connectLoop().connectLoopRunning()) {
        form_->cancelConnect();
    } else {
        form_->disconnect();
    }
    form_->FormClose();
    scripts_->host().saveData();
    QCoreApplication::exit(status);
}

namespace {

std::string localTime() {
    return QTime::currentTime().toString("[HH:mm:ss]").toStdString();
}

// Colours only for a terminal, and not when the user asked for none.
bool colorOutput() {
    return ::isatty(STDOUT_FILENO) == 1 && qEnvironmentVariableIsEmpty("NO_COLOR");
}

}  // namespace

int runHeadless(int argc, char** argv, const std::optional<std::string>& chatFile,
                const std::optional<std::string>& server,
                const std::vector<std::filesystem::path>& scripts) {
    // A reader of standard output that went away (a closed pipe, a stopped
    // journal) must not end the bot before it saves: writes fail instead, and
    // the bot goes on without output.
    ::signal(SIGPIPE, SIG_IGN);
    QCoreApplication app(argc, argv);
    HeadlessOptions options;
    options.chatFile = chatFile;
    options.server = server;
    options.scripts = scripts;
    options.programFolder = QCoreApplication::applicationDirPath().toStdString();
    options.settingsFile = settingsFolder(options.programFolder, userConfigHome()) / "Chat.ini";
    HeadlessRunner runner(std::move(options),
                          ConsoleOutput{std::cout, std::cerr, colorOutput(), localTime});
    runner.listen();
    if (!runner.start()) return HeadlessNoChatFile;
    return QCoreApplication::exec();
}

}  // namespace verdo
