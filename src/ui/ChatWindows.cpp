// The main window's other windows and dialogs (see ChatWindows.h).
#include "ui/ChatWindows.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QMenu>
#include <QMessageBox>

#include "chat/ChatForm.h"
#include "dialogs/About.h"
#include "dialogs/Account.h"
#include "dialogs/Channel.h"
#include "dialogs/Color.h"
#include "dialogs/EditList.h"
#include "dialogs/Macros.h"
#include "dialogs/Setup.h"
#include "dialogs/TextFiles.h"
#include "dialogs/Url.h"
#include "dialogs/Whisper.h"
#include "engine/HelpText.h"
#include "platform/DataFolders.h"
#include "text/DisplayText.h"
#include "ui/Chat.h"

namespace verdo {

namespace {

std::string programFolder() {
    return QCoreApplication::applicationDirPath().toStdString();
}

constexpr const char* MainScreenTopic = "The Main Chat Screen";

}  // namespace

ChatWindows::ChatWindows(TfrmChat& window, ChatForm& form, Platform& platform, QMenu& windowMenu)
    : window_(window),
      form_(form),
      platform_(platform),
      windowMenu_(windowMenu),
      whisper_(form.document().options()),
      store_(defaultWinePrefix()),
      launcher_(store_, platform.processes(),
                [&platform](const std::string& url) { platform.openLink(url); }) {
    ChatDocument& document = form_.document();
    help_ = std::make_unique<TfrmHelp>(
        &window_, findHelpFile(dataFolders(programFolder())),
        [this](const QString& text) {
            QMessageBox::critical(&window_, window_.windowTitle(), text);
        },
        [this](const std::string& url) { platform_.openLink(url); });

    TfrmUsers::Hooks userHooks{
        [this] { markModified(); }, [this](const std::string& topic) { showHelpTopic(topic); },
        [this] { return QString::fromStdString(form_.sounds().soundFolder()); }};
    users_ = std::make_unique<TfrmUsers>(document.users(), userHooks, &window_);
    // After New the user information window is emptied and closed.
    document.OnCleared = [this] { users_->EmptyAndClose(); };

    launch_ = std::make_unique<TfrmLaunch>(&window_);
    launch_->OnLaunch = [this](LaunchTarget target) {
        const Session& session = form_.session();
        const ChatDocument& chat = form_.document();
        launcher_.start(
            target, chat.options().useVerdoServer(),
            launchServer(session.LoggedOn(), session.CurrentServer(), chat.lists().ServerList));
    };

    whisper_.OnSendLine = [this](const std::string& line) {
        form_.session().bcChat().SendLine(line);
    };
    whisper_.OnRegisterPane = [this](const std::string& user, PaneId pane) {
        form_.incoming().registerWhisperPane(user, pane);
    };
    whisper_.OnUnregisterPane = [this](PaneId pane) {
        form_.incoming().unregisterWhisperPane(pane);
    };
    whisper_.OnListChanged = [this] { rebuildWindowMenu(); };
    rebuildWindowMenu();
}

ChatWindows::~ChatWindows() {
    form_.document().OnCleared = nullptr;
}

void ChatWindows::markModified() {
    form_.document().setModified(true);
}

void ChatWindows::showHelpTopic(const std::string& topic) {
    help_->ShowHelpTopic(topic);
}

// The Window menu lists the open whisper windows by their titles. The menu
// itself is disabled when empty, so that enabling the menu bar again after
// the connecting dialog leaves it so.
void ChatWindows::rebuildWindowMenu() {
    windowMenu_.clear();
    for (TfrmWhisper* whisper : whisper_.windows()) {
        QAction* entry = windowMenu_.addAction(whisper->windowTitle());
        QObject::connect(entry, &QAction::triggered, &windowMenu_,
                         [this, user = whisper->user()] { openWhisperWindow(user); });
    }
    windowMenu_.setEnabled(!windowMenu_.isEmpty());
}

void ChatWindows::optionsChanged() {
    if (users_->isVisible()) users_->Refill(typedBytes(users_->cmUser->currentText()));
}

void ChatWindows::setup() {
    ChatDocument& document = form_.document();
    TfrmSetup setup(&window_, document.options(), document.lists(), document.modified(),
                    programFolder());
    setup.OnHelp = [this](const std::string& topic) { showHelpTopic(topic); };
    setup.OnLogFileChosen = [&document](const std::string& path) {
        document.options().setLogFileName(path);
    };
    setup.addAlertsTab(form_.alerts());
    if (setup.exec() != QDialog::Accepted) return;
    form_.applySetup(setup.values());
    if (const auto alerts = setup.alertSettings()) form_.applyAlerts(*alerts);
}

void ChatWindows::fonts() {
    TfrmColor dialog(form_.document().options(), &window_);
    dialog.OnApplyAppearance = [this] { window_.ApplyAppearance(); };
    dialog.OnModified = [this] { markModified(); };
    dialog.exec();
}

void ChatWindows::macros() {
    ChatLists& lists = form_.document().lists();
    TfrmMacros::EditMacros(
        lists.MacroKeys, lists.MacroList, [this] { markModified(); }, &window_);
}

void ChatWindows::userInfo() {
    if (users_->isVisible()) {
        users_->raise();
        users_->activateWindow();
    } else {
        showUserInfo({});
    }
}

void ChatWindows::showUserInfo(const std::string& name) {
    users_->ShowUserInfo(name);
}

void ChatWindows::accounts() {
    showAccountInfo({});
}

void ChatWindows::showAccountInfo(const std::string& name) {
    const ChatLists& lists = form_.document().lists();
    TfrmAccount::ShowAccountInfo(
        name, lists.AccountList, lists.NumberList,
        [this](const std::string& topic) { showHelpTopic(topic); }, &window_);
}

void ChatWindows::textFile() {
    TfrmText dialog(
        form_.textPlayback(), [this](const std::string& topic) { showHelpTopic(topic); }, &window_);
    dialog.exec();
}

void ChatWindows::selectChannelAndSend(const std::string& command) {
    const auto channel = TfrmChannel::SelectChannel(
        form_.roster().channelName(), form_.document().lists().ChannelList,
        {[this] { markModified(); }, [this](const std::string& topic) { showHelpTopic(topic); }},
        &window_);
    if (channel) form_.session().bcChat().SendLine(command + *channel + "\r");
}

void ChatWindows::joinChannel() {
    selectChannelAndSend("/Join ");
}

void ChatWindows::listChannel() {
    selectChannelAndSend("/who ");
}

void ChatWindows::launcher() {
    launch_->show();
    launch_->raise();
    launch_->activateWindow();
}

void ChatWindows::helpScreen() {
    showHelpTopic(MainScreenTopic);
}

void ChatWindows::about() {
    TfrmAbout about(&window_, [this](const std::string& url) { platform_.openLink(url); });
    about.exec();
}

void ChatWindows::reorderCustomList() {
    ChatDocument& document = form_.document();
    const std::optional<std::vector<std::string>> names = TfrmEditList::ReorderCustomList(
        document.lists().UserDef, [this] { markModified(); }, &window_);
    if (names) form_.userCommands().replaceCustomList(*names);
}

void ChatWindows::sendUrlTo(const std::string& name) {
    SendUrlTo(
        name, &window_,
        [this](const std::string& line) { form_.session().bcChat().SendLine(line); },
        [this](const std::string& text) {
            addStatusLine(window_, text, form_.document().options().infoColor());
        });
}

void ChatWindows::openWhisperWindow(const std::string& name) {
    if (!name.empty()) whisper_.OpenWhisperWindow(name);
}

}  // namespace verdo
