// The main window's widgets (see ChatWidgets.h): how they are built, coloured
// and laid out, and what the user typed and selected in them.
#include "ui/ChatWidgets.h"

#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>

#include "chat/ChatForm.h"
#include "controls/OptionsStyle.h"
#include "controls/PlainLabel.h"
#include "controls/RichPane.h"
#include "controls/TabEdit.h"
#include "ui/CustomListDelegate.h"
#include "ui/RosterDelegate.h"
#include "ui/UrlBar.h"
#include "ui/UserNameItem.h"

namespace verdo {

namespace {

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setEnabled(false);  // until the log-on
    return button;
}

// Two panes, the first taking the room the window gains.
QSplitter* makeSplitter(Qt::Orientation orientation, const char* name, QWidget* first,
                        QWidget* second) {
    auto* splitter = new QSplitter(orientation);
    splitter->setObjectName(name);
    splitter->addWidget(first);
    splitter->addWidget(second);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    return splitter;
}

QListWidget* makeList(const char* name) {
    auto* list = new QListWidget;
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

void setColors(QWidget* widget, QPalette::ColorRole backgroundRole, const QColor& background,
               QPalette::ColorRole textRole, const QColor& text) {
    QPalette palette = widget->palette();
    palette.setColor(backgroundRole, background);
    palette.setColor(textRole, text);
    widget->setPalette(palette);
}

int secondSize(const QSplitter* splitter) {
    const QList<int> sizes = splitter->sizes();
    return sizes.size() > 1 ? sizes[1] : 0;
}

std::optional<std::string> selectedName(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty()) return std::nullopt;
    return userNameBytes(*selected.front());
}

}  // namespace

ChatWidgets::ChatWidgets(QMainWindow& window, ChatForm& form) {
    reChat = new RichPane;
    reChat->setObjectName("reChat");
    reWhisper = new RichPane;
    reWhisper->setObjectName("reWhisper");
    chatSplitter_ = makeSplitter(Qt::Vertical, "chatSplitter", reChat, reWhisper);

    edChannel = new QLineEdit;
    edChannel->setObjectName("edChannel");
    edChannel->setReadOnly(true);
    edChannel->setFocusPolicy(Qt::ClickFocus);
    lstUser = makeList("lstUser");
    lstDef = makeList("lstDef");
    // The user list is drawn from the roster model.
    rosterDelegate_ = new RosterDelegate(form, lstUser);
    lstUser->setItemDelegate(rosterDelegate_);
    lstUser->setUniformItemSizes(true);
    customDelegate_ = new CustomListDelegate(form, lstDef);
    lstDef->setItemDelegate(customDelegate_);
    userSplitter_ = makeSplitter(Qt::Vertical, "userSplitter", lstUser, lstDef);
    auto* userPanel = new QWidget;
    auto* userLayout = new QVBoxLayout(userPanel);
    userLayout->setContentsMargins(0, 0, 0, 0);
    userLayout->addWidget(edChannel);
    userLayout->addWidget(userSplitter_, 1);

    mainSplitter_ = makeSplitter(Qt::Horizontal, "mainSplitter", chatSplitter_, userPanel);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(mainSplitter_, 1);
    pnlUrl = new UrlBar(central);
    QObject::connect(pnlUrl, &UrlBar::linkClicked, &window,
                     [&form] { form.incoming().lblUrlClick(); });
    layout->addWidget(pnlUrl);
    layout->addWidget(createEntryRow(form));
    window.setCentralWidget(central);
    createStatusBar(window);
}

QWidget* ChatWidgets::createEntryRow(ChatForm& form) {
    auto* row = new QWidget;
    row->setObjectName("pnlEntry");
    edEntry = new TTabEdit(row);
    edEntry->setObjectName("edEntry");
    btnSend = makeButton(row, "btnSend", QObject::tr("&Send"));
    btnSend->setDefault(true);
    btnEmote = makeButton(row, "btnEmote", QObject::tr("Emo&te"));
    btnWhisper = makeButton(row, "btnWhisper", QObject::tr("&Whisper"));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edEntry, 1);
    layout->addWidget(btnSend);
    layout->addWidget(btnEmote);
    layout->addWidget(btnWhisper);

    OutgoingText& text = form.text();
    auto send = [this, &text] { text.btnSendClick(entryText(), selection()); };
    QObject::connect(edEntry, &TTabEdit::enterPressed, row, send);
    QObject::connect(btnSend, &QPushButton::clicked, row, send);
    QObject::connect(edEntry, &TTabEdit::tabPressed, row,
                     [this, &text] { text.CycleWhisperReply(entryText()); });
    QObject::connect(btnEmote, &QPushButton::clicked, row,
                     [this, &text] { text.btnEmoteClick(entryText(), selection()); });
    QObject::connect(btnWhisper, &QPushButton::clicked, row,
                     [this, &text] { text.btnWhisperClick(entryText(), selection()); });
    return row;
}

void ChatWidgets::createStatusBar(QMainWindow& window) {
    StatusBar = window.statusBar();
    StatusBar->setObjectName("StatusBar");
    StatusBar->setSizeGripEnabled(true);
    for (std::size_t i = 0; i < statusPanels.size(); ++i) {
        statusPanels[i] = new TPlainLabel(StatusBar);
        statusPanels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    }
    statusPanels[0]->setFixedWidth(400);
    statusPanels[1]->setMinimumWidth(50);
    StatusBar->addWidget(statusPanels[0]);
    StatusBar->addWidget(statusPanels[1], 1);
}

void ChatWidgets::setTabOrder() {
    QWidget::setTabOrder(edEntry, btnSend);
    QWidget::setTabOrder(btnSend, btnEmote);
    QWidget::setTabOrder(btnEmote, btnWhisper);
    QWidget::setTabOrder(btnWhisper, reChat);
    QWidget::setTabOrder(reChat, reWhisper);
    QWidget::setTabOrder(reWhisper, lstUser);
    QWidget::setTabOrder(lstUser, lstDef);
}

void ChatWidgets::applyAppearance(const tOptions& options, const QPalette& base) {
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
    setColors(edChannel, QPalette::Base, color(options.userListBackground()), QPalette::Text,
              color(options.userListColor()));
    const QFont userListFont = toQFont(options.userListFont());
    lstUser->setFont(userListFont);
    lstDef->setFont(userListFont);
    reChat->setFont(toQFont(options.chatFont()));
    reWhisper->setFont(toQFont(options.whisperFont()));
    const int height = rosterRowHeight(QFontInfo(userListFont).pixelSize());
    rosterDelegate_->setRowHeight(height);
    customDelegate_->setRowHeight(height);
    // Rows are laid out again at their new height and repainted.
    for (QListWidget* list : {lstUser, lstDef}) {
        list->doItemsLayout();
        list->viewport()->update();
    }
}

void ChatWidgets::applyLayout(QWidget& window, const ChatLayoutSizes& sizes) {
    window.setGeometry(sizes.left, sizes.top, sizes.width, sizes.height);
    mainSplitter_->setSizes({std::max(1, sizes.width - sizes.userWidth), sizes.userWidth});
    chatSplitter_->setSizes({std::max(1, sizes.height - sizes.whisperHeight), sizes.whisperHeight});
    userSplitter_->setSizes({std::max(1, sizes.height - sizes.customHeight), sizes.customHeight});
}

int ChatWidgets::userWidth() const {
    return secondSize(mainSplitter_);
}

int ChatWidgets::customHeight() const {
    return secondSize(userSplitter_);
}

int ChatWidgets::whisperHeight() const {
    return secondSize(chatSplitter_);
}

void ChatWidgets::showCustomList(const std::vector<std::string>& names,
                                 std::optional<std::size_t> selectRow) {
    lstDef->clear();
    for (const std::string& name : names)
        lstDef->addItem(userNameItem(name));
    if (selectRow && *selectRow < static_cast<std::size_t>(lstDef->count()))
        lstDef->setCurrentRow(static_cast<int>(*selectRow), QItemSelectionModel::ClearAndSelect);
}

void ChatWidgets::showRoster(const Roster& roster) {
    syncRosterItems(*lstUser, roster);
}

void ChatWidgets::showChannel(const QString& channel) {
    edChannel->setText(channel);
}

void ChatWidgets::showStatus(StatusPanel panel, const QString& text) {
    statusPanels[static_cast<std::size_t>(panel)]->setText(text);
}

void ChatWidgets::showUrlBar(const QString& label, const QString& link) {
    pnlUrl->showLink(label, link);
}

void ChatWidgets::setEntryText(const std::string& text) {
    edEntry->setEntryBytes(text);
    edEntry->lineEdit()->end(false);
}

void ChatWidgets::addEntryHistory(const std::string& text) {
    edEntry->addHistoryBytes(text);
}

RichPane* ChatWidgets::pane(PaneId id) const {
    return id == ChatPane ? reChat : id == WhisperPane ? reWhisper : nullptr;
}

std::string ChatWidgets::entryText() const {
    return edEntry->entryBytes();
}

std::optional<std::string> ChatWidgets::selectedRosterName() const {
    return selectedName(lstUser);
}

std::optional<std::string> ChatWidgets::selectedCustomName() const {
    return selectedName(lstDef);
}

UserSelection ChatWidgets::selection() const {
    return {selectedRosterName(), selectedCustomName()};
}

void ChatWidgets::focusEntry() {
    edEntry->setFocus(Qt::OtherFocusReason);
    edEntry->lineEdit()->end(false);
}

void ChatWidgets::setSendButtonsEnabled(bool enabled) {
    for (QPushButton* button : {btnSend, btnEmote, btnWhisper})
        button->setEnabled(enabled);
}

}  // namespace verdo
