// The main window as the logic's view: lines, status, action states, the
// connecting dialog and questions; and the window's own actions.
#include "ui/Chat.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <utility>

#include "chat/ProgramConstants.h"
#include "controls/OptionsStyle.h"
#include "controls/RichPane.h"
#include "dialogs/Connect.h"
#include "dialogs/DialogBoxes.h"
#include "dialogs/Scripts.h"
#include "dialogs/Whisper.h"
#include "scripting/SessionScripts.h"
#include "text/DisplayText.h"
#include "ui/ChatAlerts.h"
#include "ui/ChatFind.h"
#include "ui/ChatPopups.h"
#include "ui/ChatTray.h"
#include "ui/ChatWidgets.h"
#include "ui/ChatWindows.h"
#include "ui/EditActions.h"
#include "ui/MainActions.h"
#include "ui/MessageControls.h"
#include "ui/SoundMenus.h"
#include "ui/SplashPanel.h"

namespace verdo {

namespace {

// Until the program hands a desktop notifier over, alerts only reach the task bar.
class SilentNotifier : public Notifier {
  public:
    void notify(const Notification&, std::function<void()>) override {}
};

}  // namespace

TfrmChat::TfrmChat(std::unique_ptr<Platform> platform, QWidget* parent)
    : QMainWindow(parent), platform_(std::move(platform)) {
    setObjectName("frmChat");
    setWindowTitle(QString::fromLatin1(ProgramTitle.data(), std::ssize(ProgramTitle)));
    form_ = std::make_unique<ChatForm>(*platform_, *this, *this);
    scripts_ = std::make_unique<SessionScripts>(*platform_, *form_, *this);
    actions_ = new MainActions(*this, *form_);
    widgets_ = std::make_unique<ChatWidgets>(*this, *form_);
    windows_ =
        std::make_unique<ChatWindows>(*this, *form_, *platform_, *actions_->menu(MenuId::Window));
    widgets_->setTabOrder();
    edit_ = std::make_unique<EditActions>(*this, widgets_->entry(), *actions_);
    controls_ = std::make_unique<MessageControls>(*this, *widgets_, *actions_, *form_);
    popups_ = std::make_unique<ChatPopups>(*this, *this, *widgets_, *windows_, *actions_, *form_);
    sounds_ = std::make_unique<SoundMenus>(*actions_->menu(MenuId::Sounds), *form_,
                                           [this] { return widgets_->selectedRosterName(); });
    popups_->OnPlaySoundMenu = [this](QMenu& playSound) { sounds_->setPlaySoundMenu(playSound); };
    find_ = new ChatFind(*this, *widgets_);
    tray_ = new ChatTray(*this, *action(ChatAction::Connect), *action(ChatAction::Away),
                         *action(ChatAction::DND), *action(ChatAction::Exit));
    tray_->OnRestore = [this] { restoreFromTray(); };
    silentNotifier_ = std::make_unique<SilentNotifier>();
    createAlerts(*silentNotifier_);
    form_->events().subscribe([this](const SessionEvent& event) {
        alertOn(event);
        return EventResult::Continue;
    });
    setWindowHandlers();
    widgets_->applyLayout(*this, ChatLayoutSizes{});
}

// The logic goes first: its connection may still report while it closes. The
// windows that edit its data go before it.
TfrmChat::~TfrmChat() {
    alerts_.reset();
    windows_.reset();
    scripts_.reset();
    form_.reset();
}

void TfrmChat::setWindowHandlers() {
    // A dialog gives the keyboard back to the entry line when it closes.
    auto dialog = [this](void (ChatWindows::*open)()) {
        return [this, open] {
            (windows_.get()->*open)();
            focusEntry();
        };
    };
    auto window = [this](void (ChatWindows::*open)()) {
        return [this, open] { (windows_.get()->*open)(); };
    };
    const std::pair<ChatAction, std::function<void()>> handlers[] = {
        {ChatAction::Exit,
         [this] {
             exiting_ = true;
             if (!close()) exiting_ = false;
         }},
        {ChatAction::Undo, [this] { edit_->undo(); }},
        {ChatAction::Cut, [this] { edit_->cut(); }},
        {ChatAction::Copy, [this] { edit_->copy(); }},
        {ChatAction::Paste, [this] { edit_->paste(); }},
        {ChatAction::SelectAll, [this] { edit_->selectAll(); }},
        {ChatAction::Find, [this] { find_->find(); }},
        {ChatAction::FindNext, [this] { find_->findNext(); }},
        {ChatAction::FindPrevious, [this] { find_->findPrevious(); }},
        {ChatAction::JumpToMarker, [this] { find_->jumpToMarker(); }},
        {ChatAction::Toolbar, [this] { toggleToolBar(); }},
        {ChatAction::Reorder, dialog(&ChatWindows::reorderCustomList)},
        {ChatAction::RefreshSounds, [this] { sounds_->build(); }},
        {ChatAction::AltN, [this] { controls_->altN(); }},
        {ChatAction::Setup,
         [this] {
             windows_->setup();
             updateTray();
             sounds_->buildWhenOpened();
             focusEntry();
         }},
        {ChatAction::Fonts, dialog(&ChatWindows::fonts)},
        {ChatAction::Macros, dialog(&ChatWindows::macros)},
        {ChatAction::Scripts, [this] { showScripts(); }},
        {ChatAction::ReloadScripts, [this] { scripts_->reload(); }},
        {ChatAction::UserInfo, window(&ChatWindows::userInfo)},
        {ChatAction::Accounts, window(&ChatWindows::accounts)},
        {ChatAction::Text, dialog(&ChatWindows::textFile)},
        {ChatAction::Join, dialog(&ChatWindows::joinChannel)},
        {ChatAction::List, dialog(&ChatWindows::listChannel)},
        {ChatAction::Launch, window(&ChatWindows::launcher)},
        {ChatAction::HelpScreen, window(&ChatWindows::helpScreen)},
        {ChatAction::About, window(&ChatWindows::about)},
    };
    for (const auto& [id, handler] : handlers)
        actions_->setWindowHandler(id, handler);
}

void TfrmChat::showScripts() {
    TfrmScripts dialog(*scripts_, this);
    const auto openFolder = [this](const std::filesystem::path& folder) {
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        if (error) {
            showMessage("Cannot make the folder " + folder.string() + ": " + error.message(),
                        MessageKind::Error);
            return;
        }
        platform_->openLink(
            QUrl::fromLocalFile(QString::fromStdString(folder.string())).toString().toStdString());
    };
    connect(&dialog, &TfrmScripts::openFolderClicked, this, openFolder);
    dialog.exec();
    focusEntry();
}

void TfrmChat::toggleToolBar() {
    const bool on = action(ChatAction::Toolbar)->isChecked();
    actions_->setToolBarVisible(on);
    form_->document().options().setToolBarVisible(on);
    form_->document().setModified(true);
}

QAction* TfrmChat::action(ChatAction id) const {
    return actions_->action(id);
}

void TfrmChat::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    form_->setProgramFolder(QCoreApplication::applicationDirPath().toStdString());
    // A large chat file takes a while: the window comes up with "Loading..."
    // painted over it, and the start runs once it is on the screen. A fast
    // start shows no panel at all, so nothing flashes.
    if (form_->startIsSlow()) {
        splash_ = new SplashPanel(centralWidget());
        splash_->showCentred();
        QTimer::singleShot(0, this, [this] {
            // What the window system sent meanwhile (the window's first
            // exposure) is handled, so the panel is on the screen during the load.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            splash_->repaint();
            startUp();
        });
    } else {
        startUp();
    }
}

void TfrmChat::startUp() {
    // The batch file comes last, so that a message about it shows over the
    // window in its saved place and size.
    form_->openStartFiles();
    scripts_->loadIfNoChatFile();
    sounds_->buildWhenOpened();
    readLayout();
    form_->loadStartBatch();
    ApplyAppearance();
    updateTray();
    focusEntry();
    // No animation is played ("Splash.avi" is not shipped): the start is over.
    if (splash_ != nullptr) splash_->AnimateStop();
}

void TfrmChat::closeEvent(QCloseEvent* event) {
    if (!exiting_ && tray_->shown()) {
        event->ignore();
        hideToTray();
        return;
    }
    if (!form_->FormCloseQuery()) {
        event->ignore();
        return;
    }
    form_->FormClose();
    writeLayout();
    windows_->closeWhisperWindows();
    event->accept();
}

void TfrmChat::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && alerts_) {
        alerts_->windowActivated();
        tray_->setUnseen(0);
    }
}

void TfrmChat::setNotifier(Notifier& notifier) {
    createAlerts(notifier);
}

void TfrmChat::createAlerts(Notifier& notifier) {
    alerts_ = std::make_unique<ChatAlerts>(notifier, *this, form_->alerts(),
                                           form_->incoming().highlights());
    alerts_->doNotDisturb = [this] { return form_->away().DNDOn(); };
    alerts_->paneFor = [this](const SessionEvent& event) -> RichPane* {
        if (event.kind != SessionEventKind::WhisperReceived) return widgets_->pane(ChatPane);
        const PaneId pane = form_->incoming().whisperTarget(std::string(event.user));
        if (TfrmWhisper* window = windows_ ? windows_->whisperWindow(pane) : nullptr)
            return window->pane();
        return widgets_->pane(WhisperPane);
    };
    alerts_->OnUnseenChanged = [this](int unseen) { tray_->setUnseen(unseen); };
}

void TfrmChat::alertOn(const SessionEvent& event) {
    alerts_->onEvent(event);
}

void TfrmChat::updateTray() {
    tray_->setShown(form_->alerts().trayIcon && QSystemTrayIcon::isSystemTrayAvailable());
    if (!tray_->shown() && !isVisible() && shown_) restoreFromTray();
}

// The whisper windows go with the main window and come back with it.
void TfrmChat::hideToTray() {
    hiddenToTray_.clear();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<TfrmWhisper*>(widget) != nullptr && widget->isVisible()) {
            hiddenToTray_.emplace_back(widget);
            widget->hide();
        }
    }
    hide();
}

void TfrmChat::restoreFromTray() {
    for (const QPointer<QWidget>& widget : hiddenToTray_) {
        if (widget) widget->show();
    }
    hiddenToTray_.clear();
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

void TfrmChat::readLayout() {
    const WindowLayout layout = form_->document().readLayout();
    widgets_->applyLayout(*this, {layout.left, layout.top, layout.width, layout.height,
                                  layout.userWidth, layout.customHeight, layout.whisperHeight});
    if (layout.maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

void TfrmChat::writeLayout() {
    const QRect normal = isMaximized() ? normalGeometry() : geometry();
    form_->document().writeLayout({normal.y(), normal.x(), isMaximized(), normal.width(),
                                   normal.height(), widgets_->userWidth(), widgets_->customHeight(),
                                   widgets_->whisperHeight()});
}

void TfrmChat::ApplyAppearance() {
    widgets_->applyAppearance(form_->document().options(), palette());
    if (windows_) windows_->applyAppearance();
}

void TfrmChat::optionsChanged() {
    ApplyAppearance();
    const bool toolBar = form_->document().options().toolBarVisible();
    actions_->setToolBarVisible(toolBar);
    action(ChatAction::Toolbar)->setChecked(toolBar);
    widgets_->showCustomList(form_->document().lists().UserDef, std::nullopt);
    if (windows_) windows_->optionsChanged();
}

void TfrmChat::addChatLine(PaneId pane, const ChatLine& line) {
    TfrmWhisper* window = windows_ ? windows_->whisperWindow(pane) : nullptr;
    RichPane* target = widgets_->pane(pane);
    if (target == nullptr && window == nullptr) return;
    const bool asUtf8 = showsAsUtf8(line[0].text + line[1].text + line[2].text);
    std::array<PaneSegment, 3> segments;
    for (std::size_t i = 0; i < line.size(); ++i) {
        segments[i] = {displayText(line[i].text, asUtf8), toQColor(line[i].color, palette()),
                       line[i].background ? toQColor(*line[i].background, palette()) : QColor()};
    }
    if (window != nullptr) {
        window->addLine(segments);
        return;
    }
    const tOptions& options = form_->document().options();
    const QFont font = toQFont(pane == ChatPane ? options.chatFont() : options.whisperFont());
    target->appendLine(segments, font);
}

void TfrmChat::setStatusText(StatusPanel panel, const std::string& text) {
    widgets_->showStatus(panel, displayText(text));
}

Answer TfrmChat::askYesNoCancel(const std::string& question) {
    return verdo::askYesNoCancel(this, question);
}

bool TfrmChat::askYesNo(const std::string& question) {
    return verdo::askYesNo(this, question);
}

std::optional<std::string> TfrmChat::chooseFile(const FileDialogRequest& request) {
    return verdo::chooseFile(this, request);
}

void TfrmChat::showMessage(const std::string& text, MessageKind kind) {
    verdo::showMessage(this, text, kind);
}

std::optional<std::string> TfrmChat::inputBox(const std::string& title, const std::string& prompt,
                                              const std::string& initial) {
    return inputLine(this, title, prompt, initial);
}

void TfrmChat::setChannelText(const std::string& channel) {
    widgets_->showChannel(displayText(channel));
}

// The list follows the roster model; the delegate paints from the model.
void TfrmChat::rosterChanged() {
    widgets_->showRoster(form_->roster().roster());
}

void TfrmChat::requestIdleUpdate() {
    if (idleUpdatePending_) return;
    idleUpdatePending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            idleUpdatePending_ = false;
            form_->ActionListUpdate();
            edit_->update();
            sounds_->update();
        },
        Qt::QueuedConnection);
}

void TfrmChat::setActionEnabled(ChatAction id, bool enabled) {
    action(id)->setEnabled(enabled);
}

void TfrmChat::setActionChecked(ChatAction id, bool checked) {
    actions_->setCheckedByLogic(id, checked);
}

void TfrmChat::setActionCaption(ChatAction id, const std::string& caption) {
    action(id)->setText(displayText(caption));
}

void TfrmChat::setSendButtonsEnabled(bool enabled) {
    widgets_->setSendButtonsEnabled(enabled);
}

TfrmConnect& TfrmChat::connectDialog() {
    if (frmConnect_ == nullptr) {
        frmConnect_ = new TfrmConnect(this);
        connect(frmConnect_, &TfrmConnect::cancelClicked, this, [this] { form_->cancelConnect(); });
        connect(frmConnect_, &TfrmConnect::nextClicked, this, [this] { form_->nextServer(); });
    }
    return *frmConnect_;
}

void TfrmChat::showConnectDialog() {
    connectDialog().showCentred();
}

void TfrmChat::hideConnectDialog() {
    if (frmConnect_ == nullptr) return;  // never shown
    const bool hadKeyboard = frmConnect_->isActiveWindow();
    frmConnect_->hide();
    // The keyboard comes back here, so F4 and the entry line work at once.
    if (hadKeyboard) activateWindow();
}

void TfrmChat::setConnectServerText(const std::string& text) {
    connectDialog().setServerText(displayText(text));
}

void TfrmChat::setConnectTimeoutText(const std::string& text) {
    connectDialog().setTimeoutText(displayText(text));
}

void TfrmChat::setMainInputEnabled(bool enabled) {
    centralWidget()->setEnabled(enabled);
    menuBar()->setEnabled(enabled);
    actions_->setToolBarEnabled(enabled);
}

void TfrmChat::focusEntry() {
    widgets_->focusEntry();
}

// The logic's text keeps its bytes in the entry (a reply to a whisperer).
void TfrmChat::setEntryText(const std::string& text) {
    widgets_->setEntryText(text);
}

void TfrmChat::addEntryHistory(const std::string& text) {
    widgets_->addEntryHistory(text);
}

void TfrmChat::showUrlBar(const std::string& label, const std::string& link) {
    widgets_->showUrlBar(displayText(label), displayText(link));
}

void TfrmChat::customListChanged(std::optional<std::size_t> selectRow) {
    widgets_->showCustomList(form_->document().lists().UserDef, selectRow);
}

void TfrmChat::showUserInfo(const std::string& name) {
    if (windows_) windows_->showUserInfo(name);
}

void TfrmChat::userRecordsCleared() {
    if (windows_) windows_->userRecordsCleared();
}

}  // namespace verdo
