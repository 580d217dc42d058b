// The main window's other windows: the ones created at start (help, user
// information, launcher, whisper windows) and the dialogs its menus and
// popups open. Each dialog gets its data from the logic and hands its result
// back to it; every dialog's help opens the help window.
#include <QAction>
#include <QCoreApplication>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>

#include "dialogs/About.h"
#include "dialogs/Account.h"
#include "dialogs/Channel.h"
#include "dialogs/Color.h"
#include "dialogs/Macros.h"
#include "dialogs/Setup.h"
#include "dialogs/TextFiles.h"
#include "dialogs/Url.h"
#include "dialogs/Whisper.h"
#include "engine/HelpText.h"
#include "platform/DataFolders.h"
#include "ui/Chat.h"
#include "ui/ChatWindows.h"

namespace verdo {

namespace {

std::string programFolder() {
    return QCoreApplication::applicationDirPath().toStdString();
}

constexpr const char* MainScreenTopic = "The Main Chat Screen";

}  // namespace

void TfrmChat::createWindows() {
    ChatDocument& document = form_->document();
    auto openLink = [this](const std::string& url) { platform_->openLink(url); };
    windows_ = std::make_unique<ChatWindows>(document.options(), platform_->processes(), openLink);

    windows_->help = std::make_unique<TfrmHelp>(
        this, findHelpFile(dataFolders(programFolder())),
        [this](const QString& text) { QMessageBox::critical(this, windowTitle(), text); },
        openLink);

    TfrmUsers::Hooks userHooks{
        [this] { markModified(); }, [this](const std::string& topic) { showHelpTopic(topic); },
        [this] { return QString::fromStdString(form_->sounds().soundFolder()); }};
    windows_->users = std::make_unique<TfrmUsers>(document.users(), userHooks, this);
    document.OnCleared = [this] { chatFileCleared(); };

    windows_->launch = std::make_unique<TfrmLaunch>(this);
    windows_->launch->OnLaunch = [this](LaunchTarget target) {
        const Session& session = form_->session();
        const ChatDocument& chat = form_->document();
        windows_->launcher.start(
            target, chat.options().useVerdoServer(),
            launchServer(session.LoggedOn(), session.CurrentServer(), chat.lists().ServerList));
    };

    tWhisperWindows& whisper = windows_->whisper;
    whisper.OnSendLine = [this](const std::string& line) {
        form_->session().bcChat().SendLine(line);
    };
    whisper.OnRegisterPane = [this](const std::string& user, PaneId pane) {
        form_->incoming().registerWhisperPane(user, pane);
    };
    whisper.OnUnregisterPane = [this](PaneId pane) {
        form_->incoming().unregisterWhisperPane(pane);
    };
    whisper.OnListChanged = [this] { rebuildWindowMenu(); };
    rebuildWindowMenu();
}

TfrmHelp* TfrmChat::helpWindow() const {
    return windows_->help.get();
}

TfrmUsers* TfrmChat::usersWindow() const {
    return windows_->users.get();
}

TfrmLaunch* TfrmChat::launchWindow() const {
    return windows_->launch.get();
}

tWhisperWindows& TfrmChat::whisperWindows() const {
    return windows_->whisper;
}

void TfrmChat::markModified() {
    form_->document().setModified(true);
}

void TfrmChat::showHelpTopic(const std::string& topic) {
    windows_->help->ShowHelpTopic(topic);
}

// The Window menu lists the open whisper windows by their titles.
void TfrmChat::rebuildWindowMenu() {
    QMenu* menu = menus_[static_cast<std::size_t>(MenuId::Window)];
    menu->clear();
    for (TfrmWhisper* window : windows_->whisper.windows()) {
        QAction* entry = menu->addAction(window->windowTitle());
        connect(entry, &QAction::triggered, this,
                [this, user = window->user()] { openWhisperWindow(user); });
    }
    menu->menuAction()->setEnabled(!menu->isEmpty());
}

void TfrmChat::chatFileCleared() {
    windows_->users->EmptyAndClose();
}

void TfrmChat::acSetupExecute() {
    ChatDocument& document = form_->document();
    TfrmSetup setup(this, document.options(), document.lists(), document.modified(),
                    programFolder());
    setup.OnHelp = [this](const std::string& topic) { showHelpTopic(topic); };
    setup.OnLogFileChosen = [&document](const std::string& path) {
        document.options().setLogFileName(path);
    };
    if (setup.exec() == QDialog::Accepted) form_->applySetup(setup.values());
    BuildSoundMenus();
    focusEntry();
}

void TfrmChat::acFontsExecute() {
    TfrmColor dialog(form_->document().options(), this);
    dialog.OnApplyAppearance = [this] { ApplyAppearance(); };
    dialog.OnModified = [this] { markModified(); };
    dialog.exec();
    lstUser->viewport()->update();
    lstDef->viewport()->update();
    focusEntry();
}

void TfrmChat::acMacrosExecute() {
    ChatLists& lists = form_->document().lists();
    TfrmMacros::EditMacros(
        lists.MacroKeys, lists.MacroList, [this] { markModified(); }, this);
    focusEntry();
}

void TfrmChat::acUserInfoExecute() {
    TfrmUsers* users = windows_->users.get();
    if (users->isVisible()) {
        users->raise();
        users->activateWindow();
    } else {
        showUserInfo({});
    }
}

void TfrmChat::showUserInfo(const std::string& name) {
    windows_->users->ShowUserInfo(name);
}

void TfrmChat::acAccountsExecute() {
    showAccountInfo({});
}

void TfrmChat::showAccountInfo(const std::string& name) {
    const ChatLists& lists = form_->document().lists();
    TfrmAccount::ShowAccountInfo(
        name, lists.AccountList, lists.NumberList,
        [this](const std::string& topic) { showHelpTopic(topic); }, this);
}

void TfrmChat::acTextExecute() {
    TfrmText dialog(
        form_->textPlayback(), [this](const std::string& topic) { showHelpTopic(topic); }, this);
    dialog.exec();
    focusEntry();
}

void TfrmChat::selectChannelAndSend(const std::string& command) {
    const auto channel = TfrmChannel::SelectChannel(
        form_->roster().channelName(), form_->document().lists().ChannelList,
        {[this] { markModified(); }, [this](const std::string& topic) { showHelpTopic(topic); }},
        this);
    if (channel) form_->session().bcChat().SendLine(command + *channel + "\r");
    focusEntry();
}

void TfrmChat::acJoinExecute() {
    selectChannelAndSend("/Join ");
}

void TfrmChat::acListExecute() {
    selectChannelAndSend("/who ");
}

void TfrmChat::acLaunchExecute() {
    TfrmLaunch* launch = windows_->launch.get();
    launch->show();
    launch->raise();
    launch->activateWindow();
}

void TfrmChat::acHelpScreenExecute() {
    showHelpTopic(MainScreenTopic);
}

void TfrmChat::acAboutExecute() {
    TfrmAbout about(this, [this](const std::string& url) { platform_->openLink(url); });
    about.exec();
}

void TfrmChat::sendUrlTo(const std::string& name) {
    SendUrlTo(
        name, this, [this](const std::string& line) { form_->session().bcChat().SendLine(line); },
        [this](const std::string& text) {
            addStatusLine(*this, text, form_->document().options().infoColor());
        });
}

void TfrmChat::openWhisperWindow(const std::string& name) {
    if (!name.empty()) windows_->whisper.OpenWhisperWindow(name);
}

}  // namespace verdo
