// Builds the main window's parts: actions, menus, tool bar, panes, entry row,
// status bar and the connecting dialog. The actions, menus and tool bar come
// from the action table.
#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "controls/RichPane.h"
#include "controls/TabEdit.h"
#include "dialogs/Connect.h"
#include "ui/Chat.h"
#include "ui/RosterView.h"
#include "ui/UrlBar.h"
#include "ui/CustomListDelegate.h"

namespace verdo {

namespace {

// What only the window does, for the rows of the action table without logic.
struct WindowHandler {
    ChatAction id;
    void (TfrmChat::*run)();
};
constexpr WindowHandler WindowHandlers[] = {
    {ChatAction::Exit, nullptr},  // closes the window
    {ChatAction::Undo, &TfrmChat::acUndoExecute},
    {ChatAction::Cut, &TfrmChat::acCutExecute},
    {ChatAction::Copy, &TfrmChat::acCopyExecute},
    {ChatAction::Paste, &TfrmChat::acPasteExecute},
    {ChatAction::SelectAll, &TfrmChat::acSelectAllExecute},
    {ChatAction::Toolbar, &TfrmChat::acToolbarExecute},
    {ChatAction::Reorder, &TfrmChat::ReorderCustomList},
    {ChatAction::RefreshSounds, &TfrmChat::BuildSoundMenus},
    {ChatAction::AltN, &TfrmChat::btnAltNClick},
    {ChatAction::Setup, &TfrmChat::acSetupExecute},
    {ChatAction::Fonts, &TfrmChat::acFontsExecute},
    {ChatAction::Macros, &TfrmChat::acMacrosExecute},
    {ChatAction::UserInfo, &TfrmChat::acUserInfoExecute},
    {ChatAction::Accounts, &TfrmChat::acAccountsExecute},
    {ChatAction::Text, &TfrmChat::acTextExecute},
    {ChatAction::Join, &TfrmChat::acJoinExecute},
    {ChatAction::List, &TfrmChat::acListExecute},
    {ChatAction::Launch, &TfrmChat::acLaunchExecute},
    {ChatAction::HelpScreen, &TfrmChat::acHelpScreenExecute},
    {ChatAction::About, &TfrmChat::acAboutExecute},
};

constexpr const char* MenuCaptions[] = {nullptr,  "&File",   "&Edit",   "&Options",
                                        "&Users", "&Window", "&Sounds", "&Help"};
constexpr const char* MenuNames[] = {nullptr,   "mnFile",   "mnEdit",   "mnOptions",
                                     "mnUsers", "mnWindow", "mnSounds", "mnHelp"};

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

QListWidget* makeList(QWidget* parent, const char* name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

}  // namespace

void TfrmChat::createActions() {
    for (const ChatActionInfo& info : chatActions()) {
        auto* action = new QAction(tr(info.caption), this);
        action->setObjectName(info.objectName);
        if (info.shortcut != nullptr)
            action->setShortcut(QKeySequence(QString::fromLatin1(info.shortcut)));
        if (info.hint != nullptr) {
            action->setToolTip(tr(info.hint));
            action->setStatusTip(tr(info.hint));
        }
        if (info.shortCaption != nullptr) action->setIconText(tr(info.shortCaption));
        action->setCheckable(info.check != Check::None);
        action->setEnabled(info.enabling != Enabling::LoggedOn);
        connect(action, &QAction::triggered, this, [this, id = info.id] { runAction(id); });
        actions_[static_cast<std::size_t>(info.id)] = action;
        if (info.menu == MenuId::None) addAction(action);  // the key alone
    }
    action(ChatAction::Toolbar)->setChecked(true);
}

// The checks of the logic's actions belong to the logic: a click must not flip
// them on its own. The window's own actions run their window handler.
void TfrmChat::runAction(ChatAction id) {
    const ChatActionInfo& info = actionInfo(id);
    if (info.logic != nullptr || info.option) {
        if (info.check != Check::None)
            action(id)->setChecked(checkedByLogic_[static_cast<std::size_t>(id)]);
        form_->runAction(id);
        return;
    }
    if (id == ChatAction::Exit) {
        close();
        return;
    }
    for (const WindowHandler& handler : WindowHandlers) {
        if (handler.id == id) (this->*handler.run)();
    }
}

// Every heading in menu-bar order, even before it has entries (the Window
// menu lists the whisper windows as they open).
void TfrmChat::createMenus() {
    for (std::size_t index = 1; index < menus_.size(); ++index) {
        menus_[index] = menuBar()->addMenu(tr(MenuCaptions[index]));
        menus_[index]->setObjectName(MenuNames[index]);
    }
    for (const ChatActionInfo& info : chatActions()) {
        if (info.menu == MenuId::None) continue;
        QMenu* menu = menus_[static_cast<std::size_t>(info.menu)];
        if (info.separatorBefore && !menu->isEmpty()) menu->addSeparator();
        menu->addAction(action(info.id));
    }
}

void TfrmChat::createToolBar() {
    ToolBar = addToolBar(tr("Toolbar"));
    ToolBar->setObjectName("ToolBar");
    ToolBar->setMovable(false);
    ToolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    int lastGroup = 0;
    for (int group = 1; group <= 3; ++group) {
        for (const ChatActionInfo& info : chatActions()) {
            if (info.toolBarGroup != group) continue;
            if (lastGroup != 0 && lastGroup != group) ToolBar->addSeparator();
            lastGroup = group;
            ToolBar->addAction(action(info.id));
        }
    }
    btnConnect = qobject_cast<QToolButton*>(ToolBar->widgetForAction(action(ChatAction::Connect)));
    btnConnect->setObjectName("btnConnect");
}

void TfrmChat::acToolbarExecute() {
    const bool on = action(ChatAction::Toolbar)->isChecked();
    ToolBar->setVisible(on);
    form_->document().options().setToolBarVisible(on);
    form_->document().setModified(true);
}

void TfrmChat::createPanes() {
    reChat = new RichPane;
    reChat->setObjectName("reChat");
    reWhisper = new RichPane;
    reWhisper->setObjectName("reWhisper");
    chatSplitter = makeSplitter(Qt::Vertical, "chatSplitter", reChat, reWhisper);

    edChannel = new QLineEdit;
    edChannel->setObjectName("edChannel");
    edChannel->setReadOnly(true);
    edChannel->setFocusPolicy(Qt::ClickFocus);
    lstUser = makeList(nullptr, "lstUser");
    lstDef = makeList(nullptr, "lstDef");
    // The user list is drawn from the roster model.
    rosterDelegate = new RosterDelegate(*form_, lstUser);
    lstUser->setItemDelegate(rosterDelegate);
    lstUser->setUniformItemSizes(true);
    customDelegate = new CustomListDelegate(*form_, lstDef);
    lstDef->setItemDelegate(customDelegate);
    userSplitter = makeSplitter(Qt::Vertical, "userSplitter", lstUser, lstDef);
    auto* userPanel = new QWidget;
    auto* userLayout = new QVBoxLayout(userPanel);
    userLayout->setContentsMargins(0, 0, 0, 0);
    userLayout->addWidget(edChannel);
    userLayout->addWidget(userSplitter, 1);

    mainSplitter = makeSplitter(Qt::Horizontal, "mainSplitter", chatSplitter, userPanel);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(mainSplitter, 1);
    pnlUrl = new UrlBar(central);
    connect(pnlUrl, &UrlBar::linkClicked, this, [this] { form_->incoming().lblUrlClick(); });
    layout->addWidget(pnlUrl);
    layout->addWidget(createEntryRow());
    setCentralWidget(central);
}

QWidget* TfrmChat::createEntryRow() {
    auto* row = new QWidget;
    row->setObjectName("pnlEntry");
    edEntry = new TTabEdit(row);
    edEntry->setObjectName("edEntry");
    btnSend = makeButton(row, "btnSend", tr("&Send"));
    btnSend->setDefault(true);
    btnEmote = makeButton(row, "btnEmote", tr("Emo&te"));
    btnWhisper = makeButton(row, "btnWhisper", tr("&Whisper"));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edEntry, 1);
    layout->addWidget(btnSend);
    layout->addWidget(btnEmote);
    layout->addWidget(btnWhisper);

    OutgoingText& text = form_->text();
    auto send = [this, &text] { text.btnSendClick(entryText(), selection()); };
    connect(edEntry, &TTabEdit::enterPressed, this, send);
    connect(btnSend, &QPushButton::clicked, this, send);
    connect(edEntry, &TTabEdit::tabPressed, this,
            [this, &text] { text.CycleWhisperReply(entryText()); });
    connect(btnEmote, &QPushButton::clicked, this,
            [this, &text] { text.btnEmoteClick(entryText(), selection()); });
    connect(btnWhisper, &QPushButton::clicked, this,
            [this, &text] { text.btnWhisperClick(entryText(), selection()); });
    return row;
}

void TfrmChat::createStatusBar() {
    StatusBar = statusBar();
    StatusBar->setObjectName("StatusBar");
    StatusBar->setSizeGripEnabled(true);
    for (std::size_t i = 0; i < statusPanels.size(); ++i) {
        statusPanels[i] = new QLabel(StatusBar);
        statusPanels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    }
    statusPanels[0]->setFixedWidth(400);
    statusPanels[1]->setMinimumWidth(50);
    StatusBar->addWidget(statusPanels[0]);
    StatusBar->addWidget(statusPanels[1], 1);
}

void TfrmChat::createConnectDialog() {
    frmConnect = new TfrmConnect(this);
    frmConnect->OnCancel = [this] { form_->session().btnCancelClick(); };
    frmConnect->OnNext = [this] { form_->session().btnNextClick(); };
}

void TfrmChat::setTabOrder() {
    QWidget::setTabOrder(edEntry, btnSend);
    QWidget::setTabOrder(btnSend, btnEmote);
    QWidget::setTabOrder(btnEmote, btnWhisper);
    QWidget::setTabOrder(btnWhisper, reChat);
    QWidget::setTabOrder(reChat, reWhisper);
    QWidget::setTabOrder(reWhisper, lstUser);
    QWidget::setTabOrder(lstUser, lstDef);
}

void TfrmChat::applyLayout(const ChatLayoutSizes& sizes) {
    setGeometry(sizes.left, sizes.top, sizes.width, sizes.height);
    mainSplitter->setSizes({std::max(1, sizes.width - sizes.userWidth), sizes.userWidth});
    chatSplitter->setSizes({std::max(1, sizes.height - sizes.whisperHeight), sizes.whisperHeight});
    userSplitter->setSizes({std::max(1, sizes.height - sizes.customHeight), sizes.customHeight});
}

}  // namespace verdo
