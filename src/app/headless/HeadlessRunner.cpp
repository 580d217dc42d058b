// The headless program (see HeadlessRunner.h).
#include "app/headless/HeadlessRunner.h"

#include <unistd.h>

#include <fcntl.h>
#include <QCoreApplication>
#include <QTime>
#include <csignal>
#include <iostream>

#include "app/headless/LineReader.h"
#include "app/headless/SignalPipe.h"
#include "platform/IniFile.h"
#include "ui/DisplayText.h"

namespace verdo {

namespace {

constexpr std::string_view NoFile = "None";

// The chat file to run with: the one given, or the last one of Chat.ini.
std::string chatFileToLoad(const HeadlessOptions& options) {
    if (options.chatFile) return *options.chatFile;
    const std::string last =
        IniFile(options.settingsFile).readString("Last File", "Last File", NoFile);
    return last == NoFile ? std::string() : last;
}

bool isOpen(int fd) {
    return ::fcntl(fd, F_GETFD) != -1;
}

}  // namespace

HeadlessRunner::HeadlessRunner(HeadlessOptions options, ConsoleOutput output)
    : options_(std::move(options)), view_(std::move(output)) {
    form_ = std::make_unique<ChatForm>(platform_, view_);
    view_.OnIdleUpdate = [this] { form_->ActionListUpdate(); };
    platform_.OnLinkNotOpened = [this](const std::string& url) {
        view_.note("Not opened (no browser here): " + url);
    };
}

// The logic goes first: its connection may still report while it closes.
HeadlessRunner::~HeadlessRunner() {
    form_.reset();
}

bool HeadlessRunner::start() {
    const std::string path = chatFileToLoad(options_);
    if (path.empty()) {
        view_.note("No chat file: name one on the command line (none was opened last).");
        return false;
    }
    form_->setSettingsFile(options_.settingsFile);
    form_->setStartChatFile(path);
    form_->setProgramFolder(options_.programFolder.string());
    form_->FormShow();
    if (form_->currentFileName() == NoFile) {
        view_.note("Cannot load the chat file " + path + ".");
        return false;
    }
    addStartServer();
    form_->acConnectExecute();
    return true;
}

void HeadlessRunner::addStartServer() {
    if (!options_.server) return;
    tStringList& servers = form_->lists().ServerList;
    if (servers.empty() || servers.front() != *options_.server)
        servers.insert(servers.begin(), *options_.server);
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
    view_.setEntryText(bytes);
    form_->btnSendClick();
    view_.setEntryText("");
}

// What the file says now wins over changes made while running.
void HeadlessRunner::reloadChatFile() {
    const std::string path = form_->currentFileName();
    if (form_->settingsModified())
        view_.note("Re-reading " + path + " drops the changes made while running.");
    form_->setSettingsModified(false);
    const tOptions& options = form_->options();
    if (form_->LoadChatFile(path)) {
        form_->addStatusLine("Chat file " + path + " re-read.", options.infoColor());
    } else {
        form_->addStatusLine("An Error occured loading chat settings.", options.errorColor());
    }
    addStartServer();
}

bool HeadlessRunner::saveChangedSettings() {
    if (!form_->settingsModified()) return true;
    form_->addStatusLine(
        "Saving the settings changed while running to " + form_->currentFileName() + ".",
        form_->options().infoColor());
    form_->acSaveExecute();
    if (!form_->settingsModified()) return true;
    view_.note("The changed settings could not be saved.");
    return false;
}

void HeadlessRunner::stop() {
    if (stopping_) return;
    stopping_ = true;
    const int status = saveChangedSettings() ? HeadlessStopped : HeadlessSaveFailed;
    if (form_->connectLoopRunning()) {
        form_->btnCancelClick();
    } else if (form_->ChatInterface().Connected()) {
        form_->acConnectExecute();
    }
    form_->FormClose();
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
                const std::optional<std::string>& server) {
    QCoreApplication app(argc, argv);
    HeadlessOptions options;
    options.chatFile = chatFile;
    options.server = server;
    options.programFolder = QCoreApplication::applicationDirPath().toStdString();
    options.settingsFile = settingsFolder(options.programFolder, userConfigHome()) / "Chat.ini";
    HeadlessRunner runner(std::move(options),
                          ConsoleOutput{std::cout, std::cerr, colorOutput(), localTime});
    runner.listen();
    if (!runner.start()) return HeadlessNoChatFile;
    return QCoreApplication::exec();
}

}  // namespace verdo
