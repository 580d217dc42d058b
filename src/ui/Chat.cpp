// The main window as the logic's view: lines, status, action states, the
// connecting dialog, questions, and the gestures handed back to ChatForm.
#include "ui/Chat.h"

#include "chat/ProgramConstants.h"

#include <QCoreApplication>

#include <QAction>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>

#include "controls/OptionsStyle.h"
#include "controls/RichPane.h"
#include "controls/TabEdit.h"
#include "dialogs/Connect.h"
#include "dialogs/Whisper.h"
#include "text/DisplayText.h"
#include "ui/ChatWindows.h"
#include "ui/RosterView.h"
#include "ui/UrlBar.h"
#include "ui/ChatPopups.h"
#include "ui/RosterView.h"
#include "ui/UrlBar.h"
#include "ui/UserNameItem.h"

namespace verdo {

namespace {

QString qtText(const std::string& bytes) {
    return displayText(bytes);
}

void setColors(QWidget* widget, QPalette::ColorRole backgroundRole, const QColor& background,
               QPalette::ColorRole textRole, const QColor& text) {
    QPalette palette = widget->palette();
    palette.setColor(backgroundRole, background);
    palette.setColor(textRole, text);
    widget->setPalette(palette);
}

}  // namespace

TfrmChat::TfrmChat(std::unique_ptr<Platform> platform, QWidget* parent)
    : QMainWindow(parent), platform_(std::move(platform)) {
    setObjectName("frmChat");
    setWindowTitle(QString::fromLatin1(ProgramTitle.data(), std::ssize(ProgramTitle)));
    form_ = std::make_unique<ChatForm>(*platform_, *this, *this);
    createActions();
    createMenus();
    createToolBar();
    createPanes();
    createStatusBar();
    createConnectDialog();
    createWindows();  // help, user information, launcher, whisper windows
    setTabOrder();
    wireMessageControls();  // keys, name drops, edit actions, sounds
    popups = new ChatPopups(*this, messageWiring_.get());
    applyLayout(ChatLayoutSizes{});
}

// The logic goes first: its connection may still report while it closes. The
// windows that edit its data go before it.
TfrmChat::~TfrmChat() {
    windows_.reset();
    form_.reset();
}

void TfrmChat::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    form_->setProgramFolder(QCoreApplication::applicationDirPath().toStdString());
    form_->FormShow();
    BuildSoundMenus();  // sound menus
    ReadLayout(true);   // Chat.ini
    ApplyAppearance();
    focusEntry();
}

void TfrmChat::applyOptionsStyle() {
    const tOptions& options = form_->document().options();
    const QPalette& base = palette();
    auto color = [&base](std::uint32_t value) { return toQColor(value, base); };
    setColors(reChat, QPalette::Base, color(options.chatBackground()), QPalette::Text,
              color(options.textColor()));
    setColors(reWhisper, QPalette::Base, color(options.whisperBackground()), QPalette::Text,
              color(options.whisperColor()));
    setColors(edEntry, QPalette::Base, color(options.entryBackground()), QPalette::Text,
              color(options.entryColor()));
    setColors(lstUser, QPalette::Base, color(options.userListBackground()), QPalette::Text,
              color(options.userListColor()));
    setColors(lstDef, QPalette::Base, color(options.customUserBackground()), QPalette::Text,
              color(options.customUserColor()));
    const QFont userListFont = toQFont(options.userListFont());
    lstUser->setFont(userListFont);
    lstDef->setFont(userListFont);
}

RichPane* TfrmChat::paneFor(PaneId pane) const {
    if (pane == ChatPane) return reChat;
    if (pane == WhisperPane) return reWhisper;
    return nullptr;  // a whisper window registers its own pane
}

void TfrmChat::addChatLine(PaneId pane, const ChatLine& line) {
    TfrmWhisper* window = windows_ ? windows_->whisper.window(pane) : nullptr;
    RichPane* target = paneFor(pane);
    if (target == nullptr && window == nullptr) return;
    const bool asUtf8 = showsAsUtf8(line[0].text + line[1].text + line[2].text);
    std::array<PaneSegment, 3> segments;
    for (std::size_t i = 0; i < line.size(); ++i) {
        segments[i] = {displayText(line[i].text, asUtf8), toQColor(line[i].color, palette())};
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
    statusPanels[static_cast<std::size_t>(panel)]->setText(qtText(text));
}

void TfrmChat::setActionEnabled(ChatAction id, bool enabled) {
    action(id)->setEnabled(enabled);
}

void TfrmChat::setActionChecked(ChatAction id, bool checked) {
    checkedByLogic_[static_cast<std::size_t>(id)] = checked;
    action(id)->setChecked(checked);
}

void TfrmChat::setActionCaption(ChatAction id, const std::string& caption) {
    action(id)->setText(qtText(caption));
}

void TfrmChat::setSendButtonsEnabled(bool enabled) {
    for (QPushButton* button : {btnSend, btnEmote, btnWhisper})
        button->setEnabled(enabled);
}

void TfrmChat::showConnectDialog() {
    frmConnect->showCentred();
}

void TfrmChat::hideConnectDialog() {
    const bool hadKeyboard = frmConnect->isActiveWindow();
    frmConnect->hide();
    // The keyboard comes back here, so F4 and the entry line work at once.
    if (hadKeyboard) activateWindow();
}

void TfrmChat::setConnectServerText(const std::string& text) {
    frmConnect->setServerText(qtText(text));
}

void TfrmChat::setConnectTimeoutText(const std::string& text) {
    frmConnect->setTimeoutText(qtText(text));
}

void TfrmChat::setMainInputEnabled(bool enabled) {
    centralWidget()->setEnabled(enabled);
    menuBar()->setEnabled(enabled);
    ToolBar->setEnabled(enabled);
}

void TfrmChat::setChannelText(const std::string& channel) {
    edChannel->setText(qtText(channel));
}

// The list follows the roster model; the delegate paints from the model.
void TfrmChat::rosterChanged() {
    syncRosterItems(*lstUser, form_->roster().roster());
}

void TfrmChat::showMessage(const std::string& text, MessageKind kind) {
    QMessageBox box(this);
    box.setWindowTitle(windowTitle());
    box.setText(qtText(text));
    box.setIcon(kind == MessageKind::Error     ? QMessageBox::Critical
                : kind == MessageKind::Warning ? QMessageBox::Warning
                                               : QMessageBox::Information);
    box.exec();
}

std::optional<std::string> TfrmChat::inputBox(const std::string& title, const std::string& prompt,
                                              const std::string& initial) {
    bool ok = false;
    const QString answer = QInputDialog::getText(this, qtText(title), qtText(prompt),
                                                 QLineEdit::Normal, qtText(initial), &ok);
    if (!ok) return std::nullopt;
    return typedBytes(answer);
}

void TfrmChat::focusEntry() {
    edEntry->setFocus(Qt::OtherFocusReason);
    edEntry->lineEdit()->end(false);
}

void TfrmChat::requestIdleUpdate() {
    if (idleUpdatePending_) return;
    idleUpdatePending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            idleUpdatePending_ = false;
            form_->ActionListUpdate();
            updateMessageActions();  // edit actions and sound menus
        },
        Qt::QueuedConnection);
}

std::string TfrmChat::entryText() const {
    return edEntry->entryBytes();
}

// The logic's text keeps its bytes in the entry (a reply to a whisperer).
void TfrmChat::setEntryText(const std::string& text) {
    edEntry->setEntryBytes(text);
    edEntry->lineEdit()->end(false);
}

void TfrmChat::addEntryHistory(const std::string& text) {
    edEntry->addHistoryBytes(text);
}

namespace {
std::optional<std::string> selectedName(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty()) return std::nullopt;
    return userNameBytes(*selected.front());
}
}  // namespace

std::optional<std::string> TfrmChat::selectedRosterName() const {
    return selectedName(lstUser);
}

std::optional<std::string> TfrmChat::selectedCustomName() const {
    return selectedName(lstDef);
}

UserSelection TfrmChat::selection() const {
    return {selectedRosterName(), selectedCustomName()};
}

void TfrmChat::showUrlBar(const std::string& label, const std::string& link) {
    pnlUrl->showLink(qtText(label), qtText(link));
}

}  // namespace verdo
