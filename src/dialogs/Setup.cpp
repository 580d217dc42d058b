// The configuration dialog: its eight tabs, their controls and the filling of
// the controls from the working copies when it opens.
#include "dialogs/Setup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "controls/DSStringListEdit.h"
#include "controls/TimerListDelegate.h"
#include "dialogs/DialogBoxes.h"
#include "engine/AlignedLists.h"
#include "engine/CommandTable.h"
#include "text/DisplayText.h"

namespace verdo {
namespace {

constexpr int NameLength = 240;
constexpr int ActionLength = 254;
constexpr int DropDownRows = 20;
constexpr int CommandResponseRows = 30;

constexpr std::array<const char*, TfrmSetup::TabCount> TabCaptions = {
    "General Options", "Log File/Owners", "Responses", "User Join",
    "Banning",         "Product Actions", "Commands",  "Timers"};
constexpr std::array<const char*, TfrmSetup::TabCount> TabNames = {
    "tsGeneral", "tsLog",      "tsResponses", "tsUserJoin",
    "tsBanning", "tsProducts", "tsCommands",  "tsTimers"};
constexpr std::array<std::string_view, TfrmSetup::TabCount> HelpTopics = {
    "General Options Tab ", "Log File/Owners Tab", "Responses Tab",         "User Join Tab",
    "Banning Tab",          "Product Action Tab",  "User Defined Commands", "Timers Tab"};
constexpr std::string_view DefaultHelpTopic = "Chat Configuration";

// One drop-down of the Product Actions tab: where its text lives among the
// product actions, and the preset it offers beside the common ones.
struct ProductActionBox {
    const char* name;
    const char* caption;
    std::size_t action;  // index into ProductActionCodes
    const char* extraPreset;
};
constexpr std::array<ProductActionBox, TfrmSetup::ProductActionCount> ProductActionBoxes = {{
    {"cmSCRetail", "Starcraft Retail:", 1, "/stats <user> STAR"},
    {"cmSCShare", "Starcraft Shareware:", 2, nullptr},
    {"cmDiabloRetail", "Diablo Retail:", 3, nullptr},
    {"cmDiabloShare", "Diablo Shareware:", 4, nullptr},
    {"cmChat", "Chat Client/Bot:", 0, nullptr},
    {"cmBroodWar", "Brood War:", 7, "/stats <user> SEXP"},
    {"cmWar2", "Warcraft BNE:", 5, nullptr},
    {"cmDiablo2", "Diablo 2:", 6, nullptr},
}};
constexpr std::array<const char*, 4> CommonProductPresets = {"None", "/kick <user>", "/ban <user>",
                                                             "/squelch <user>"};

// The list editors: name, captions, new-entry texts, multi-list and presets.
struct ListEditSettings {
    const char* name;
    const char* mainCaption;
    const char* editCaption;
    const char* newEntry;
    const char* newResponse;
    bool multiList;
    int presets;  // 0 none, 1 list A, 2 list B
};
constexpr std::array<ListEditSettings, 7> ListEdits = {{
    {"slOwners", "Owners:", "Edit Owner Name:", "New User", "New", false, 0},
    {"slMembers", "Members:", "Edit Member Name:", "New User", "New", false, 0},
    {"slPhrase", "Phrase to Respond to:", "Edit Phrase:", "New Phrase", "New Response", true, 1},
    {"slWhisper", "Whisper to Respond to:", "Edit Whisper:", "New Whisper", "New Response", true,
     1},
    {"slUserJoin", "User Name:", "Edit User Name:", "New User", "New Response", true, 2},
    {"slBan", "Ban These Users:", "Edit User Name:", "New", "New", false, 0},
    {"slNoBan", "Do NOT Ban These Users:", "Edit User Name:", "New", "New", false, 0},
}};
const QStringList PresetsA = {"/msg <user> ",     "/squelch <user>", "/unsquelch <user>",
                              "/kick <user> ",    "/ban <user> ",    "/unban <user>",
                              "/designate <user>"};
const QStringList PresetsB = {"/msg <user> ", "/squelch <user>", "/kick <user>", "/ban <user>",
                              "/designate <user>"};

constexpr std::array<const char*, 3> LevelNames = {"Any User", "Owners Only", "Members"};

const char* const MasterSwitchNote =
    "This is the master switch for ALL events and responses.  NO events or responses will "
    "execute if this is not checked.";
const char* const BanningNote =
    "Banning and exception banning may include full names or partial names/clan tags.  If ANY "
    "part of the name specified appears in a user's name, that user will be banned or skipped.";
const char* const MultiPasswordNote =
    "Note: Allowing multiple passwords will allow others to see your password above";
const char* const CommandNote =
    "Placeholders in a command response:\n"
    "<user> - the user who issued the command\n"
    "<random> - a random user from the channel\n"
    "<server> - the server the program is using\n"
    "<channel> - the current channel\n"
    "<time> - local time on this computer\n"
    "<parameter> - all text after the command\n\n"
    "Example: the command \"/squelch\" with the response \"/squelch <parameter>\": a user who "
    "enters \"/squelch Verdo\" makes the program send \"/squelch Verdo\".";

QLabel* reminder(const QString& what, QWidget* parent) {
    auto* label = new QLabel(
        QObject::tr("The \"Master Event Switch\" on the General Options tab must be checked for "
                    "%1 to run.")
            .arg(what),
        parent);
    label->setWordWrap(true);
    label->setObjectName("lblReminder");
    return label;
}

QLabel* note(const char* text, QWidget* parent, const char* name) {
    auto* label = new QLabel(QObject::tr(text), parent);
    label->setWordWrap(true);
    label->setObjectName(name);
    return label;
}

QLabel* caption(const char* text, QWidget* buddy) {
    auto* label = new QLabel(QObject::tr(text), buddy->parentWidget());
    label->setBuddy(buddy);
    return label;
}

// Spin edits whose value changes by the arrows (and arrow keys) only.
QSpinBox* arrowsOnlySpin(const char* name, int minimum, int maximum, QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(minimum, maximum);
    if (auto* edit = spin->findChild<QLineEdit*>()) edit->setReadOnly(true);
    return spin;
}

void fillBox(QComboBox* box, const tStringList& items, const std::string& text) {
    box->clear();
    for (const std::string& item : items)
        box->addItem(displayText(item));
    box->setCurrentIndex(-1);
    box->setEditText(displayText(text));
}

}  // namespace

TfrmSetup::TfrmSetup(QWidget* parent, const tOptions& options, const ChatLists& lists,
                     bool modified, std::string programDirectory)
    : QDialog(parent),
      values_(options, lists, modified),
      openingModified_(modified),
      programDirectory_(std::move(programDirectory)) {
    setObjectName("frmSetup");
    setWindowTitle(tr("VerdoChat Configuration"));
    setModal(true);

    pcSetup = new QTabWidget(this);
    pcSetup->setObjectName("pcSetup");
    using Builder = QWidget* (TfrmSetup::*)();
    constexpr std::array<Builder, TabCount> builders = {
        &TfrmSetup::buildGeneralTab,  &TfrmSetup::buildLogTab,     &TfrmSetup::buildResponsesTab,
        &TfrmSetup::buildUserJoinTab, &TfrmSetup::buildBanningTab, &TfrmSetup::buildProductTab,
        &TfrmSetup::buildCommandsTab, &TfrmSetup::buildTimersTab};
    for (std::size_t i = 0; i < builders.size(); ++i) {
        tabs[i] = (this->*builders[i])();
        tabs[i]->setObjectName(TabNames[i]);
        pcSetup->addTab(tabs[i], tr(TabCaptions[i]));
    }

    btnOk = new QPushButton(tr("&Ok"), this);
    btnOk->setObjectName("btnOk");
    btnOk->setDefault(true);
    btnCancel = dialogButton("&Cancel", "btnCancel", this);
    btnHelp = dialogButton("&Help", "btnHelp", this);
    connect(btnOk, &QPushButton::clicked, this, &TfrmSetup::accept);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmSetup::reject);
    connect(btnHelp, &QPushButton::clicked, this, &TfrmSetup::helpClick);
    // Key preview: Escape and F1 act wherever the focus is.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &TfrmSetup::reject);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &TfrmSetup::helpClick);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnHelp);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pcSetup, 1);
    layout->addLayout(buttons);

    fillControls();
    filling_ = false;
}

TfrmSetup::~TfrmSetup() = default;

std::string TfrmSetup::helpTopic(int position) {
    if (position < 0 || position >= TabCount) return std::string(DefaultHelpTopic);
    return std::string(HelpTopics[static_cast<std::size_t>(position)]);
}

QCheckBox* TfrmSetup::checkBox(std::string_view name) const {
    const auto found = switches.find(name);
    return found != switches.end() ? found->second : nullptr;
}

QCheckBox* TfrmSetup::makeSwitch(std::string_view name, QWidget* parent) {
    const auto entry = std::find_if(SetupSwitches.begin(), SetupSwitches.end(),
                                    [&](const SetupSwitch& s) { return s.control == name; });
    auto* box = new QCheckBox(displayText(entry->caption), parent);
    box->setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    if (!entry->hint.empty()) box->setToolTip(displayText(entry->hint));
    connect(box, &QCheckBox::toggled, this, &TfrmSetup::markModified);
    switches.emplace(std::string(name), box);
    return box;
}

TDSStringListEdit* TfrmSetup::makeListEdit(const char* name, QWidget* parent) {
    const auto settings =
        std::find_if(ListEdits.begin(), ListEdits.end(),
                     [&](const ListEditSettings& s) { return std::string_view(s.name) == name; });
    auto* edit = new TDSStringListEdit(parent);
    edit->setObjectName(name);
    edit->setMainCaption(tr(settings->mainCaption));
    edit->setEditCaption(tr(settings->editCaption));
    for (int i = 0; i < TDSStringListEdit::ResponseCount; ++i)
        edit->setResponseCaption(i, tr("Response #%1:").arg(i + 1));
    edit->setNewEntryText(settings->newEntry);
    edit->setNewResponseText(settings->newResponse);
    edit->setMultiList(settings->multiList);
    if (settings->presets != 0) {
        for (int i = 0; i < TDSStringListEdit::ResponseCount; ++i)
            edit->setPresets(i, settings->presets == 1 ? PresetsA : PresetsB);
    }
    connect(edit, &TDSStringListEdit::changed, this, &TfrmSetup::markModified);
    return edit;
}

QComboBox* TfrmSetup::makeNameBox(const char* name, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(DropDownRows);
    box->lineEdit()->setMaxLength(NameLength);
    box->setMinimumContentsLength(24);
    box->installEventFilter(this);
    connect(box->lineEdit(), &QLineEdit::textEdited, this, &TfrmSetup::markModified);
    connect(box, &QComboBox::activated, this, &TfrmSetup::markModified);
    return box;
}

QWidget* TfrmSetup::buildGeneralTab() {
    auto* page = new QWidget;
    auto* logOn = new QGridLayout;
    cmUserName = makeNameBox("cmUserName", page);
    btnDeleteName = dialogButton("Delete", "btnDeleteName", page);
    logOn->addWidget(caption("User Name:", cmUserName), 0, 0);
    logOn->addWidget(cmUserName, 0, 1);
    logOn->addWidget(btnDeleteName, 0, 2);

    cmPassword = makeNameBox("cmPassword", page);
    edUniquePass = new QLineEdit(page);
    edUniquePass->setObjectName("edUniquePass");
    edUniquePass->setEchoMode(QLineEdit::Password);
    edUniquePass->setStyleSheet("lineedit-password-character: 42");
    edUniquePass->setMaxLength(NameLength);
    connect(edUniquePass, &QLineEdit::textEdited, this, &TfrmSetup::markModified);
    btnDeletePassword = dialogButton("Delete", "btnDeletePassword", page);
    auto* passwordLabel = caption("Password:", cmPassword);
    logOn->addWidget(passwordLabel, 1, 0);
    // The masked edit lies over the drop-down; one of them is shown.
    logOn->addWidget(cmPassword, 1, 1);
    logOn->addWidget(edUniquePass, 1, 1);
    logOn->addWidget(btnDeletePassword, 1, 2);
    logOn->addWidget(makeSwitch("cbAllowMulti", page), 2, 1);
    QLabel* multiNote = note(MultiPasswordNote, page, "lblMultiNote");
    multiNote->setStyleSheet("color: blue");
    logOn->addWidget(multiNote, 3, 1, 1, 2);

    cmChannel = makeNameBox("cmChannel", page);
    btnDeleteChannel = dialogButton("Delete", "btnDeleteChannel", page);
    logOn->addWidget(caption("Home Channel:", cmChannel), 4, 0);
    logOn->addWidget(cmChannel, 4, 1);
    logOn->addWidget(btnDeleteChannel, 4, 2);
    logOn->setColumnStretch(1, 1);

    connect(btnDeleteName, &QPushButton::clicked, this,
            [this] { deleteNameItem(cmUserName, values_.lists.NameList); });
    connect(btnDeletePassword, &QPushButton::clicked, this,
            [this] { deleteNameItem(cmPassword, values_.lists.PasswordList); });
    connect(btnDeleteChannel, &QPushButton::clicked, this,
            [this] { deleteNameItem(cmChannel, values_.lists.HomeList); });
    connect(checkBox("cbAllowMulti"), &QCheckBox::toggled, this, &TfrmSetup::allowMultiToggled);

    lstServer = new QListWidget(page);
    lstServer->setObjectName("lstServer");
    btnAddServer = dialogButton("&Add", "btnAddServer", page);
    btnDeleteServer = dialogButton("&Delete", "btnDeleteServer", page);
    btnMoveUp = dialogButton("Move Up", "btnMoveUp", page);
    btnMoveDown = dialogButton("Move Down", "btnMoveDown", page);
    connect(btnAddServer, &QPushButton::clicked, this, &TfrmSetup::addServerClick);
    connect(btnDeleteServer, &QPushButton::clicked, this, &TfrmSetup::deleteServerClick);
    connect(btnMoveUp, &QPushButton::clicked, this, [this] { moveServer(true); });
    connect(btnMoveDown, &QPushButton::clicked, this, [this] { moveServer(false); });
    auto* serverButtons = new QVBoxLayout;
    for (QPushButton* b : {btnAddServer, btnDeleteServer, btnMoveUp, btnMoveDown})
        serverButtons->addWidget(b);
    serverButtons->addStretch();
    auto* servers = new QGridLayout;
    servers->addWidget(caption("Server List:", lstServer), 0, 0);
    servers->addWidget(lstServer, 1, 0);
    servers->addLayout(serverButtons, 1, 1);
    lstServer->setMinimumHeight(fontMetrics().height() * 8);

    auto* timing = new QFormLayout;
    seDelay = arrowsOnlySpin("seDelay", 2, 100, page);
    seConnect = arrowsOnlySpin("seConnect", 2, 100, page);
    seLogin = arrowsOnlySpin("seLogin", 2, 100, page);
    for (QSpinBox* spin : {seDelay, seConnect, seLogin})
        connect(spin, &QSpinBox::valueChanged, this, &TfrmSetup::markModified);
    timing->addRow(caption("Text file recite delay:", seDelay), seDelay);
    timing->addRow(caption("Connection Timeout:", seConnect), seConnect);
    timing->addRow(caption("Login Timeout:", seLogin), seLogin);

    auto* flags = new QVBoxLayout;
    for (const char* name : {"cbText", "cbWhois", "cbPics", "cbRejoin", "cbNotify", "cbSounds",
                             "cbEcho", "cbAutoConnect", "cbChangeServer"})
        flags->addWidget(makeSwitch(name, page));
    cmDouble = new QComboBox(page);
    cmDouble->setObjectName("cmDouble");
    cmDouble->setToolTip(tr("Action to perform when user is double-clicked"));
    for (std::string_view action : DoubleClickActionNames)
        cmDouble->addItem(displayText(action));
    connect(cmDouble, &QComboBox::activated, this, &TfrmSetup::markModified);
    flags->addWidget(caption("Double-Clicking a User Should:", cmDouble));
    flags->addWidget(cmDouble);
    flags->addStretch();

    QCheckBox* directSound = makeSwitch("cbDirectSound", page);
    QCheckBox* multiSound = makeSwitch("cbMultiSound", page);
    directSound->hide();
    multiSound->hide();
    connect(directSound, &QCheckBox::toggled, multiSound, &QCheckBox::setEnabled);

    pnlAllEvents = new QFrame(page);
    pnlAllEvents->setObjectName("pnlAllEvents");
    static_cast<QFrame*>(pnlAllEvents)->setFrameShape(QFrame::StyledPanel);
    auto* master = new QVBoxLayout(pnlAllEvents);
    master->addWidget(makeSwitch("cbAllEvents", pnlAllEvents));
    master->addWidget(note(MasterSwitchNote, pnlAllEvents, "lblMasterNote"));

    auto* left = new QVBoxLayout;
    left->addLayout(logOn);
    left->addLayout(servers, 1);
    left->addLayout(timing);
    auto* right = new QVBoxLayout;
    right->addLayout(flags, 1);
    right->addWidget(pnlAllEvents);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left, 3);
    layout->addLayout(right, 2);
    return page;
}

QWidget* TfrmSetup::buildLogTab() {
    auto* page = new QWidget;
    QCheckBox* keepLog = makeSwitch("cbLog", page);
    pnlLog = new QWidget(page);
    pnlLog->setObjectName("pnlLog");
    edLogFIle = new QLineEdit(pnlLog);
    edLogFIle->setObjectName("edLogFIle");
    edLogFIle->setReadOnly(true);
    btnChange = dialogButton("Ch&ange...", "btnChange", pnlLog);
    connect(btnChange, &QPushButton::clicked, this, &TfrmSetup::changeLogClick);
    connect(keepLog, &QCheckBox::toggled, pnlLog, &QWidget::setVisible);
    auto* file = new QHBoxLayout;
    file->addWidget(edLogFIle, 1);
    file->addWidget(btnChange);
    auto* log = new QVBoxLayout(pnlLog);
    log->setContentsMargins(0, 0, 0, 0);
    log->addWidget(caption("Log Filename:", edLogFIle));
    log->addLayout(file);
    log->addWidget(makeSwitch("cbTime", pnlLog));
    log->addWidget(makeSwitch("cbEvents", pnlLog));

    slOwners = makeListEdit("slOwners", page);
    slMembers = makeListEdit("slMembers", page);
    auto* owners = new QHBoxLayout;
    owners->addWidget(slOwners);
    owners->addWidget(slMembers);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(keepLog);
    layout->addWidget(pnlLog);
    layout->addLayout(owners, 1);
    return page;
}

QWidget* TfrmSetup::buildResponsesTab() {
    auto* page = new QWidget;
    slPhrase = makeListEdit("slPhrase", page);
    slWhisper = makeListEdit("slWhisper", page);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(makeSwitch("cbPhrases", page));
    layout->addWidget(slPhrase, 1);
    layout->addWidget(makeSwitch("cbWhispers", page));
    layout->addWidget(slWhisper, 1);
    layout->addWidget(reminder(tr("phrase and whisper responses"), page));
    return page;
}

QWidget* TfrmSetup::buildUserJoinTab() {
    auto* page = new QWidget;
    edJoin = new QLineEdit(page);
    edJoin->setObjectName("edJoin");
    edJoin->setMaxLength(static_cast<int>(tOptions::TextCapacity));
    connect(edJoin, &QLineEdit::textEdited, this, &TfrmSetup::markModified);
    slUserJoin = makeListEdit("slUserJoin", page);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(makeSwitch("cbUserJoin", page));
    layout->addWidget(caption("Response to ALL Users Joining the Channel:", edJoin));
    layout->addWidget(edJoin);
    layout->addWidget(slUserJoin, 1);
    layout->addWidget(reminder(tr("join responses"), page));
    return page;
}

QWidget* TfrmSetup::buildBanningTab() {
    auto* page = new QWidget;
    slBan = makeListEdit("slBan", page);
    slNoBan = makeListEdit("slNoBan", page);
    auto* ban = new QVBoxLayout;
    ban->addWidget(makeSwitch("cbBan", page));
    ban->addWidget(slBan, 1);
    auto* noBan = new QVBoxLayout;
    noBan->addWidget(makeSwitch("cbNoBan", page));
    noBan->addWidget(slNoBan, 1);
    auto* lists = new QHBoxLayout;
    lists->addLayout(ban);
    lists->addLayout(noBan);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(lists, 1);
    layout->addWidget(note(BanningNote, page, "lblBanNote"));
    return page;
}

QWidget* TfrmSetup::buildProductTab() {
    auto* page = new QWidget;
    auto* form = new QFormLayout;
    for (std::size_t i = 0; i < ProductActionBoxes.size(); ++i) {
        const ProductActionBox& entry = ProductActionBoxes[i];
        auto* box = new QComboBox(page);
        box->setObjectName(entry.name);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->lineEdit()->setMaxLength(ActionLength);
        box->setMinimumContentsLength(30);
        for (const char* preset : CommonProductPresets)
            box->addItem(preset);
        if (entry.extraPreset != nullptr) box->addItem(entry.extraPreset);
        connect(box->lineEdit(), &QLineEdit::textEdited, this, &TfrmSetup::markModified);
        connect(box, &QComboBox::activated, this, &TfrmSetup::markModified);
        productActions[entry.action] = box;
        form->addRow(caption(entry.caption, box), box);
    }
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(form);
    layout->addStretch();
    layout->addWidget(reminder(tr("product actions"), page));
    return page;
}

QWidget* TfrmSetup::buildCommandsTab() {
    auto* page = new QWidget;
    lstCommand = new QListWidget(page);
    lstCommand->setObjectName("lstCommand");
    edCommand = new QLineEdit(page);
    edCommand->setObjectName("edCommand");
    edCommand->setMaxLength(ActionLength);
    cmCommandRes = new QComboBox(page);
    cmCommandRes->setObjectName("cmCommandRes");
    cmCommandRes->setEditable(true);
    cmCommandRes->setInsertPolicy(QComboBox::NoInsert);
    cmCommandRes->setMaxVisibleItems(CommandResponseRows);
    for (const BuiltInCommand& command : BuiltInCommands)
        cmCommandRes->addItem(displayText(command.token));
    cmLevel = new QComboBox(page);
    cmLevel->setObjectName("cmLevel");
    for (const char* level : LevelNames)
        cmLevel->addItem(tr(level));
    btnAddCommand = dialogButton("Add", "btnAddCommand", page);
    btnDeleteCommand = dialogButton("Delete", "btnDeleteCommand", page);
    btnClearCommands = dialogButton("Clear", "btnClearCommands", page);
    mmCommandNote = new QPlainTextEdit(tr(CommandNote), page);
    mmCommandNote->setObjectName("mmCommandNote");
    mmCommandNote->setReadOnly(true);
    mmCommandNote->setFocusPolicy(Qt::NoFocus);

    connect(lstCommand, &QListWidget::itemSelectionChanged, this, &TfrmSetup::commandSelected);
    connect(edCommand, &QLineEdit::textChanged, this, &TfrmSetup::commandEdited);
    connect(cmCommandRes, &QComboBox::editTextChanged, this, &TfrmSetup::commandEdited);
    connect(cmLevel, &QComboBox::activated, this, &TfrmSetup::commandEdited);
    connect(btnAddCommand, &QPushButton::clicked, this, &TfrmSetup::addCommandClick);
    connect(btnDeleteCommand, &QPushButton::clicked, this, &TfrmSetup::deleteCommandClick);
    connect(btnClearCommands, &QPushButton::clicked, this, &TfrmSetup::clearCommandsClick);

    auto* fields = new QVBoxLayout;
    fields->addWidget(caption("Command:", edCommand));
    fields->addWidget(edCommand);
    fields->addWidget(caption("Command Response:", cmCommandRes));
    fields->addWidget(cmCommandRes);
    fields->addWidget(caption("Command Level:", cmLevel));
    fields->addWidget(cmLevel);
    fields->addWidget(mmCommandNote, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnAddCommand);
    buttons->addWidget(btnDeleteCommand);
    buttons->addWidget(btnClearCommands);
    auto* list = new QVBoxLayout;
    list->addWidget(caption("Available Commands:", lstCommand));
    list->addWidget(lstCommand, 1);
    list->addLayout(buttons);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(list, 2);
    layout->addLayout(fields, 3);
    return page;
}

QWidget* TfrmSetup::buildTimersTab() {
    auto* page = new QWidget;
    lstTimers = new QListWidget(page);
    lstTimers->setObjectName("lstTimers");
    lstTimers->setItemDelegate(new TTimerListDelegate(lstTimers));
    lstTimers->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edTimer = new QLineEdit(page);
    edTimer->setObjectName("edTimer");
    seInterval = new QSpinBox(page);
    seInterval->setObjectName("seInterval");
    seInterval->setRange(0, 10000);
    btnAddTimer = dialogButton("Add", "btnAddTimer", page);
    btnDeleteTimer = dialogButton("Delete", "btnDeleteTimer", page);
    btnClearTimers = dialogButton("Clear", "btnClearTimers", page);
    connect(lstTimers, &QListWidget::itemSelectionChanged, this, &TfrmSetup::timerSelected);
    connect(edTimer, &QLineEdit::textChanged, this, &TfrmSetup::timerEdited);
    connect(seInterval, &QSpinBox::valueChanged, this, &TfrmSetup::timerEdited);
    connect(btnAddTimer, &QPushButton::clicked, this, &TfrmSetup::addTimerClick);
    connect(btnDeleteTimer, &QPushButton::clicked, this, &TfrmSetup::deleteTimerClick);
    connect(btnClearTimers, &QPushButton::clicked, this, &TfrmSetup::clearTimersClick);

    auto* fields = new QGridLayout;
    fields->addWidget(caption("Edit Response:", edTimer), 0, 0);
    fields->addWidget(edTimer, 1, 0);
    fields->addWidget(caption("Interval (Seconds):", seInterval), 0, 1);
    fields->addWidget(seInterval, 1, 1);
    fields->setColumnStretch(0, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnAddTimer);
    buttons->addWidget(btnDeleteTimer);
    buttons->addWidget(btnClearTimers);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(makeSwitch("cbTimers", page));
    layout->addWidget(lstTimers, 1);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->addWidget(reminder(tr("timer events"), page));
    return page;
}

// Everything here runs with the filling flag set, so no control marks the
// settings modified.
void TfrmSetup::fillControls() {
    const tOptions& options = values_.options;
    ChatLists& lists = values_.lists;
    pcSetup->setCurrentIndex(0);
    // Entries of aligned groups get their values before anything shows them.
    AlignedLists(lists.TimerList, {&lists.IntervalList});
    AlignedLists(lists.CommandList, {&lists.CommandRes, &lists.CommandLevel});

    fillBox(cmUserName, lists.NameList, options.userName());
    fillBox(cmPassword, lists.PasswordList, options.password());
    fillBox(cmChannel, lists.HomeList, options.homeChannel());
    edUniquePass->setText(displayText(options.password()));
    showServers(-1);
    seDelay->setValue(options.reciteDelay());
    seConnect->setValue(options.connectionTimeout());
    seLogin->setValue(options.loginTimeout());
    const int action = options.doubleClickAction();
    cmDouble->setCurrentIndex(action < cmDouble->count() ? action : -1);
    for (const SetupSwitch& entry : SetupSwitches)
        checkBox(entry.control)->setChecked((options.*entry.get)());
    allowMultiToggled(options.allowMultiplePasswords());
    checkBox("cbMultiSound")->setEnabled(options.useDirectSound());
    pnlLog->setVisible(options.keepLog());
    edLogFIle->setText(QString::fromStdString(options.logFileName()));
    edJoin->setText(displayText(options.joinResponse()));
    for (std::size_t i = 0; i < productActions.size(); ++i) {
        productActions[i]->setCurrentIndex(-1);
        productActions[i]->setEditText(displayText(lists.ProductActions[i]));
    }

    slOwners->setLists(lists.OwnerList);
    slMembers->setLists(lists.MemberList);
    slPhrase->setLists(lists.PhraseList, lists.PhraseRes);
    slWhisper->setLists(lists.WhisperList, lists.WhiserRes);
    slUserJoin->setLists(lists.UserJoinList, lists.UserRes);
    slBan->setLists(lists.BanList);
    slNoBan->setLists(lists.NoBanList);
    showCommands(-1);
    showTimers(-1);
}

}  // namespace verdo
