// The main window's other windows and dialogs (see ChatWindows.h).
#include "ui/ChatWindows.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QMenu>
#include <fstream>

#include "chat/ChatForm.h"
#include "dialogs/About.h"
#include "dialogs/Account.h"
#include "dialogs/Channel.h"
#include "dialogs/Color.h"
#include "dialogs/DialogBoxes.h"
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
    // The help text is read when help is first asked for, so the main window
    // comes up sooner; a help file that cannot be read is reported at start.
    helpFile_ = findHelpFile(dataFolders(programFolder()));
    if (!std::ifstream(helpFile_).is_open()) help();

    launcher_.OnWarning = [this](const std::string& message) {
        showMessage(launch_.get(), message, MessageKind::Warning);
    };

    whisper_.OnSendLine = [this](const std::string& line) { form_.sendBuiltLine(line); };
    whisper_.OnRegisterPane = [this](const std::string& user, PaneId pane) {
        form_.incoming().registerWhisperPane(user, pane);
    };
    whisper_.OnUnregisterPane = [this](PaneId pane) {
        form_.incoming().unregisterWhisperPane(pane);
    };
    whisper_.OnListChanged = [this] { rebuildWindowMenu(); };
    rebuildWindowMenu();
}

ChatWindows::~ChatWindows() = default;

void ChatWindows::userRecordsCleared() {
    // Emptied and closed only once it was made.
    if (users_) users_->EmptyAndClose();
}

void ChatWindows::markModified() {
    form_.document().setModified(true);
}

// Made when first shown, so the main window comes up sooner; it is filled
// from the user list each time it is shown.
TfrmUsers& ChatWindows::users() {
    if (!users_) {
        TfrmUsers::Hooks hooks{
            [this] { markModified(); }, [this](const std::string& topic) { showHelpTopic(topic); },
            // The program's sounds folder (beside it, else the installed one);
            // the program's own folder when it has none.
            [this] {
                const std::string& sounds = form_.sounds().soundFolder();
                return QString::fromStdString(sounds.empty() ? programFolder() : sounds);
            }};
        users_ = std::make_unique<TfrmUsers>(form_.document().users(), hooks, &window_);
    }
    return *users_;
}

TfrmHelp& ChatWindows::help() {
    if (!help_) {
        help_ = std::make_unique<TfrmHelp>(
            &window_, helpFile_,
            [this](const QString& text) {
                showMessage(&window_, typedBytes(text), MessageKind::Error);
            },
            [this](const std::string& url) { platform_.openLink(url); });
    }
    return *help_;
}

void ChatWindows::showHelpTopic(const std::string& topic) {
    help().ShowHelpTopic(topic);
}

// The Window menu lists the open whisper windows by their users' names, each
// "&" doubled to show as itself rather than make a mnemonic. The menu
// itself is disabled when empty, so that enabling the menu bar again after
// the connecting dialog leaves it so.
void ChatWindows::rebuildWindowMenu() {
    windowMenu_.clear();
    for (TfrmWhisper* whisper : whisper_.windows()) {
        QAction* entry = windowMenu_.addAction(
            displayText(whisper->user()).replace(QChar('&'), QStringLiteral("&&")));
        QObject::connect(entry, &QAction::triggered, &windowMenu_,
                         [this, user = whisper->user()] { openWhisperWindow(user); });
    }
    windowMenu_.setEnabled(!windowMenu_.isEmpty());
}

void ChatWindows::optionsChanged() {
    if (users_ && users_->isVisible()) users_->Refill(typedBytes(users_->cmUser->currentText()));
}

void ChatWindows::setup() {
    ChatDocument& document = form_.document();
    TfrmSetup setup(&window_, document.options(), document.lists(), document.modified(),
                    programFolder());
    setup.OnHelp = [this](const std::string& topic) { showHelpTopic(topic); };
    setup.OnLogFileChosen = [&document](const std::string& path) { document.chooseLogFile(path); };
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
    if (users_ && users_->isVisible()) {
        users_->raise();
        users_->activateWindow();
    } else {
        showUserInfo({});
    }
}

void ChatWindows::showUserInfo(const std::string& name) {
    users().ShowUserInfo(name);
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

std::optional<std::string> ChatWindows::selectChannel() {
    return TfrmChannel::SelectChannel(
        form_.roster().channelName(), form_.document().lists().ChannelList,
        {[this] { markModified(); }, [this](const std::string& topic) { showHelpTopic(topic); }},
        &window_);
}

void ChatWindows::joinChannel() {
    if (const auto channel = selectChannel()) form_.joinChannel(*channel);
}

void ChatWindows::listChannel() {
    if (const auto channel = selectChannel()) form_.listChannel(*channel);
}

// Made when first shown, so the main window comes up sooner; it then lives
// as long as the main window, hidden between uses.
void ChatWindows::launcher() {
    if (!launch_) {
        launch_ = std::make_unique<TfrmLaunch>(&window_);
        launch_->OnLaunch = [this](LaunchTarget target) {
            const Session& session = form_.session();
            const ChatDocument& chat = form_.document();
            launcher_.start(
                target, chat.options().useVerdoServer(),
                launchServer(session.LoggedOn(), session.CurrentServer(), chat.lists().ServerList));
        };
    }
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
    if (names) form_.replaceCustomList(*names);
}

void ChatWindows::sendUrlTo(const std::string& name) {
    SendUrlTo(
        name, &window_, [this](const std::string& line) { form_.sendBuiltLine(line); },
        [this](const std::string& text) {
            addStatusLine(window_, text, form_.document().options().infoColor());
        });
}

void ChatWindows::openWhisperWindow(const std::string& name) {
    if (!name.empty()) whisper_.OpenWhisperWindow(name);
}

}  // namespace verdo
