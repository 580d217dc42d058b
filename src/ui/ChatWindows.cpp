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
      windowMenu_(windowMenu),
      host_(window, *this, form, platform),
      whisper_(form.document().options(), host_),
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

    QObject::connect(&whisper_, &tWhisperWindows::lineToSend,
                     [this](const std::string& line) { form_.sendBuiltLine(line); });
    QObject::connect(&whisper_, &tWhisperWindows::paneRegistered,
                     [this](const std::string& user, PaneId pane) {
                         form_.incoming().registerWhisperPane(user, pane);
                     });
    QObject::connect(&whisper_, &tWhisperWindows::paneUnregistered,
                     [this](PaneId pane) { form_.incoming().unregisterWhisperPane(pane); });
    QObject::connect(&whisper_, &tWhisperWindows::listChanged, [this] { rebuildWindowMenu(); });
    rebuildWindowMenu();
}

ChatWindows::~ChatWindows() = default;

void ChatWindows::userRecordsCleared() {
    // Emptied and closed only once it was made.
    if (users_) users_->EmptyAndClose();
}

// Made when first shown, so the main window comes up sooner; it is filled
// from the user list each time it is shown.
TfrmUsers& ChatWindows::users() {
    if (!users_) users_ = std::make_unique<TfrmUsers>(form_.document().users(), host_, &window_);
    return *users_;
}

TfrmHelp& ChatWindows::help() {
    if (!help_) help_ = std::make_unique<TfrmHelp>(&window_, helpFile_, host_);
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
    if (users_ && users_->isVisible()) users_->Refill(users_->shownName());
}

void ChatWindows::setup() {
    ChatDocument& document = form_.document();
    TfrmSetup setup(&window_, document.options(), document.lists(), document.modified(),
                    programFolder(), host_);
    QObject::connect(&setup, &TfrmSetup::logFileChosen,
                     [&document](const std::string& path) { document.chooseLogFile(path); });
    setup.addAlertsTab(form_.alerts());
    if (setup.exec() != QDialog::Accepted) return;
    form_.applySetup(setup.values());
    if (const auto alerts = setup.alertSettings()) form_.applyAlerts(*alerts);
}

void ChatWindows::fonts() {
    TfrmColor dialog(form_.document().options(), host_, &window_);
    QObject::connect(&dialog, &TfrmColor::appearanceChanged, [this] { window_.ApplyAppearance(); });
    dialog.exec();
}

void ChatWindows::macros() {
    ChatLists& lists = form_.document().lists();
    TfrmMacros::EditMacros(lists.MacroKeys, lists.MacroList, host_, &window_);
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
    TfrmAccount::ShowAccountInfo(name, lists.AccountList, lists.NumberList, host_, &window_);
}

void ChatWindows::textFile() {
    TfrmText dialog(form_.textPlayback(), host_, &window_);
    dialog.exec();
}

std::optional<std::string> ChatWindows::selectChannel() {
    return TfrmChannel::SelectChannel(form_.roster().channelName(),
                                      form_.document().lists().ChannelList, host_, &window_);
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
        QObject::connect(launch_.get(), &TfrmLaunch::launchClicked, [this](LaunchTarget target) {
            const Session& session = form_.session();
            const ChatDocument& chat = form_.document();
            launcher_.start(
                target, chat.options().useVerdoServer(),
                launchServer(session.LoggedOn(), session.CurrentServer(), chat.lists().ServerList));
        });
    }
    launch_->show();
    launch_->raise();
    launch_->activateWindow();
}

void ChatWindows::helpScreen() {
    showHelpTopic(MainScreenTopic);
}

void ChatWindows::about() {
    TfrmAbout about(&window_, host_);
    about.exec();
}

void ChatWindows::reorderCustomList() {
    ChatDocument& document = form_.document();
    const std::optional<std::vector<std::string>> names =
        TfrmEditList::ReorderCustomList(document.lists().UserDef, host_, &window_);
    if (names) form_.replaceCustomList(*names);
}

// Offers the clipboard's web address; nothing happens for an empty name.
void ChatWindows::sendUrlTo(const std::string& name) {
    if (name.empty()) return;
    TfrmUrl dialog(name, TfrmUrl::clipboardAddress(), &window_);
    QObject::connect(&dialog, &TfrmUrl::lineToSend,
                     [this](const std::string& line) { form_.sendBuiltLine(line); });
    QObject::connect(&dialog, &TfrmUrl::infoLine, [this](const std::string& text) {
        addStatusLine(window_, text, form_.document().options().infoColor());
    });
    dialog.exec();
}

void ChatWindows::openWhisperWindow(const std::string& name) {
    if (!name.empty()) whisper_.OpenWhisperWindow(name);
}

}  // namespace verdo
