// Builds the main window's parts: actions, menus, tool bar, panes, entry row,
// status bar and the connecting dialog. Only commands that work are offered.
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

#include "dialogs/Connect.h"
#include "ui/Chat.h"
#include "ui/RichPane.h"
#include "ui/RosterView.h"
#include "ui/TabEdit.h"
#include "ui/UrlBar.h"

namespace verdo {

namespace {

QAction* makeAction(QObject* owner, const char* name, const QString& text, const QKeySequence& key,
                    const QString& hint) {
    auto* action = new QAction(text, owner);
    action->setObjectName(name);
    action->setShortcut(key);
    action->setToolTip(hint);
    action->setStatusTip(hint);
    return action;
}

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
    acConnect =
        makeAction(this, "acConnect", tr("&Connect"), Qt::Key_F4, tr("Connect to the server"));
    acAway = makeAction(this, "acAway", tr("&Away"), QKeySequence(Qt::CTRL | Qt::Key_A),
                        tr("Set AWAY mode"));
    acDND = makeAction(this, "acDND", tr("&DND"), QKeySequence(Qt::CTRL | Qt::Key_D),
                       tr("Activate DND mode"));
    for (QAction* action : {acConnect, acAway, acDND})
        action->setCheckable(true);
    acAway->setEnabled(false);
    acDND->setEnabled(false);
    acLock = makeAction(this, "acLock", tr("&Whisper Lock"), QKeySequence(Qt::CTRL | Qt::Key_W),
                        tr("Lock all public messages to current user"));
    acLock->setCheckable(true);
    connect(acLock, &QAction::triggered, this,
            [this] { runAction(ChatAction::Lock, &ChatForm::acLockExecute); });
    acExit = new QAction(tr("E&xit"), this);
    acExit->setObjectName("acExit");

    connect(acConnect, &QAction::triggered, this,
            [this] { runAction(ChatAction::Connect, &ChatForm::acConnectExecute); });
    connect(acAway, &QAction::triggered, this,
            [this] { runAction(ChatAction::Away, &ChatForm::acAwayExecute); });
    connect(acDND, &QAction::triggered, this,
            [this] { runAction(ChatAction::DND, &ChatForm::acDNDExecute); });
    connect(acExit, &QAction::triggered, this, &QWidget::close);
}

void TfrmChat::createMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName("mnFile");
    createFileActions(file);     // chat files
    file->addAction(acConnect);  // mnConnect
    file->addSeparator();
    file->addAction(acAway);
    file->addAction(acDND);
    file->addAction(acLock);  // mnLock
    file->addSeparator();
    file->addAction(acExit);
    createEditMenu();  // edit actions
    QMenu* options = menuBar()->addMenu(tr("&Options"));
    options->setObjectName("mnOptions");
    createSwitchActions(options);
}

// --- Switches, pause and tool bar ---
void TfrmChat::createSwitchActions(QMenu* menu) {
    struct Switch {
        QAction** action;
        const char* name;
        const char* caption;
        const char* shortCaption;  // on the tool bar, where space is short
        const char* hint;
        Qt::Key key;
        ChatAction chatAction;
        void (ChatForm::*handler)();
    };
    const Switch switches[] = {
        {&acMaster, "acMaster", "Master Event Switch", "Master", "Toggle Master Event Switch",
         Qt::Key_F1, ChatAction::Master, &ChatForm::acMasterExecute},
        {&acPhrase, "acPhrase", "Phrase Response Switch", "Phrases", "Toggle Phrase Responses",
         Qt::Key_F2, ChatAction::Phrase, &ChatForm::acPhraseExecute},
        {&acWhisper, "acWhisper", "Whisper Response Switch", "Whispers", "Toggle Whisper Responses",
         Qt::Key_F3, ChatAction::WhisperReply, &ChatForm::acWhisperExecute},
        {&acBan, "acBan", "AutoBan Switch", "AutoBan", "Toggle Auto-Ban", Qt::Key_F4,
         ChatAction::Ban, &ChatForm::acBanExecute},
        {&acNoBan, "acNoBan", "NoBan Switch", "NoBan", "Toggle Exclusion Ban", Qt::Key_F5,
         ChatAction::NoBan, &ChatForm::acNoBanExecute},
        {&acTimer, "acTimer", "Timer Switch", "Timer", "Toggle Timer Events", Qt::Key_F6,
         ChatAction::TimerSwitch, &ChatForm::acTimerExecute},
        {&acJoinSwitch, "acJoinSwitch", "Join Switch", "Joins", "Toggle User Join Response",
         Qt::Key_F7, ChatAction::JoinSwitch, &ChatForm::acJoinSwitchExecute},
    };
    for (const Switch& entry : switches) {
        QAction* action = makeAction(this, entry.name, tr(entry.caption),
                                     QKeySequence(Qt::CTRL | entry.key), tr(entry.hint));
        action->setCheckable(true);
        action->setIconText(tr(entry.shortCaption));
        connect(action, &QAction::triggered, this,
                [this, entry] { runAction(entry.chatAction, entry.handler); });
        menu->addAction(action);
        *entry.action = action;
    }
    menu->addSeparator();
    acPause = makeAction(this, "acPause", tr("Chat P&ause"), Qt::Key_F12,
                         tr("Pause incoming messages to allow cutting/pasting"));
    acPause->setCheckable(true);
    acPause->setIconText(tr("Pause"));
    acPause->setEnabled(false);
    connect(acPause, &QAction::triggered, this,
            [this] { runAction(ChatAction::Pause, &ChatForm::acPauseExecute); });
    menu->addAction(acPause);
    acToolbar = new QAction(tr("Tool&bar"), this);
    acToolbar->setObjectName("acToolbar");
    acToolbar->setCheckable(true);
    acToolbar->setChecked(true);
    connect(acToolbar, &QAction::toggled, this, [this](bool on) {
        if (ToolBar->isVisible() == on) return;
        ToolBar->setVisible(on);
        form_->options().setToolBarVisible(on);
        form_->setSettingsModified(true);
    });
    menu->addAction(acToolbar);
}

void TfrmChat::createToolBar() {
    ToolBar = addToolBar(tr("Toolbar"));
    ToolBar->setObjectName("ToolBar");
    ToolBar->setMovable(false);
    ToolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    ToolBar->addAction(acConnect);
    btnConnect = qobject_cast<QToolButton*>(ToolBar->widgetForAction(acConnect));
    btnConnect->setObjectName("btnConnect");
    ToolBar->addAction(acLock);
    ToolBar->addSeparator();
    for (QAction* action :
         {acMaster, acPhrase, acWhisper, acBan, acNoBan, acTimer, acJoinSwitch, acPause})
        ToolBar->addAction(action);
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
    // --- Roster painting: the user list is drawn from the roster model ---
    rosterDelegate = new RosterDelegate(*form_, lstUser);
    lstUser->setItemDelegate(rosterDelegate);
    lstUser->setUniformItemSizes(true);
    customDelegate = new FixedRowDelegate(lstDef);
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
    connect(pnlUrl, &UrlBar::linkClicked, this, [this] { form_->lblUrlClick(); });
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

    connect(edEntry, &TTabEdit::enterPressed, this, [this] { form_->btnSendClick(); });
    connect(edEntry, &TTabEdit::tabPressed, this, [this] { form_->CycleWhisperReply(); });
    connect(btnSend, &QPushButton::clicked, this, [this] { form_->btnSendClick(); });
    connect(btnEmote, &QPushButton::clicked, this, [this] { form_->btnEmoteClick(); });
    connect(btnWhisper, &QPushButton::clicked, this, [this] { form_->btnWhisperClick(); });
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
    frmConnect->OnCancel = [this] { form_->btnCancelClick(); };
    frmConnect->OnNext = [this] { form_->btnNextClick(); };
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
