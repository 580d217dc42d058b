// The "General Options" tab: its controls, the log-on drop-downs that take a
// new name when the field loses the focus, the password field that follows
// "Allow Multiple Passwords", and the server list.
#include "dialogs/SetupGeneralPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/DialogBoxes.h"
#include "engine/AlignedLists.h"
#include "records/OptionFields.h"
#include "text/DisplayText.h"

namespace verdo {
namespace {

constexpr int DropDownRows = 20;

const char* const MasterSwitchNote =
    "This is the master switch for ALL events and responses.  NO events or responses will "
    "execute if this is not checked.";
const char* const MultiPasswordNote =
    "Note: Allowing multiple passwords will allow others to see your password above";

void fillBox(QComboBox* box, const tStringList& items, const std::string& text) {
    box->clear();
    for (const std::string& item : items)
        box->addItem(displayText(item));
    box->setCurrentIndex(-1);
    box->setEditText(displayText(text));
}

}  // namespace

SetupGeneralPage::SetupGeneralPage(SetupValues& values) : SetupPage(values) {
    auto* logOn = new QGridLayout;
    cmUserName = makeNameBox("cmUserName");
    btnDeleteName = dialogButton("Delete", "btnDeleteName", this);
    logOn->addWidget(fieldCaption(cmUserName), 0, 0);
    logOn->addWidget(cmUserName, 0, 1);
    logOn->addWidget(btnDeleteName, 0, 2);

    cmPassword = makeNameBox("cmPassword");
    edUniquePass = new QLineEdit(this);
    edUniquePass->setObjectName("edUniquePass");
    edUniquePass->setEchoMode(QLineEdit::Password);
    edUniquePass->setStyleSheet("lineedit-password-character: 42");
    edUniquePass->setMaxLength(static_cast<int>(field("cmPassword").limit));
    connect(edUniquePass, &QLineEdit::textEdited, this, &SetupGeneralPage::markModified);
    btnDeletePassword = dialogButton("Delete", "btnDeletePassword", this);
    auto* passwordLabel = fieldCaption(cmPassword);
    logOn->addWidget(passwordLabel, 1, 0);
    // The masked edit lies over the drop-down; one of them is shown.
    logOn->addWidget(cmPassword, 1, 1);
    logOn->addWidget(edUniquePass, 1, 1);
    logOn->addWidget(btnDeletePassword, 1, 2);
    logOn->addWidget(makeSwitch("cbAllowMulti", this), 2, 1);
    QLabel* multiNote = note(MultiPasswordNote, this, "lblMultiNote");
    multiNote->setStyleSheet("color: blue");
    logOn->addWidget(multiNote, 3, 1, 1, 2);

    cmChannel = makeNameBox("cmChannel");
    btnDeleteChannel = dialogButton("Delete", "btnDeleteChannel", this);
    logOn->addWidget(fieldCaption(cmChannel), 4, 0);
    logOn->addWidget(cmChannel, 4, 1);
    logOn->addWidget(btnDeleteChannel, 4, 2);
    logOn->setColumnStretch(1, 1);

    connect(btnDeleteName, &QPushButton::clicked, this,
            [this] { deleteNameItem(cmUserName, values_.lists.NameList); });
    connect(btnDeletePassword, &QPushButton::clicked, this,
            [this] { deleteNameItem(cmPassword, values_.lists.PasswordList); });
    connect(btnDeleteChannel, &QPushButton::clicked, this,
            [this] { deleteNameItem(cmChannel, values_.lists.HomeList); });
    connect(switchBox("cbAllowMulti"), &QCheckBox::toggled, this,
            &SetupGeneralPage::allowMultiToggled);

    lstServer = new QListWidget(this);
    lstServer->setObjectName("lstServer");
    QPushButton* btnAddServer = dialogButton("&Add", "btnAddServer", this);
    QPushButton* btnDeleteServer = dialogButton("&Delete", "btnDeleteServer", this);
    QPushButton* btnMoveUp = dialogButton("Move Up", "btnMoveUp", this);
    QPushButton* btnMoveDown = dialogButton("Move Down", "btnMoveDown", this);
    connect(btnAddServer, &QPushButton::clicked, this, &SetupGeneralPage::addServerClick);
    connect(btnDeleteServer, &QPushButton::clicked, this, &SetupGeneralPage::deleteServerClick);
    connect(btnMoveUp, &QPushButton::clicked, this, [this] { moveServer(true); });
    connect(btnMoveDown, &QPushButton::clicked, this, [this] { moveServer(false); });
    auto* serverButtons = new QVBoxLayout;
    for (QPushButton* b : {btnAddServer, btnDeleteServer, btnMoveUp, btnMoveDown})
        serverButtons->addWidget(b);
    serverButtons->addStretch();
    auto* servers = new QGridLayout;
    servers->addWidget(listCaption("servers", lstServer), 0, 0);
    servers->addWidget(lstServer, 1, 0);
    servers->addLayout(serverButtons, 1, 1);
    lstServer->setMinimumHeight(fontMetrics().height() * 8);

    auto* timing = new QFormLayout;
    seDelay = arrowsOnlySpin("seDelay");
    seConnect = arrowsOnlySpin("seConnect");
    seLogin = arrowsOnlySpin("seLogin");
    for (QSpinBox* spin : {seDelay, seConnect, seLogin}) {
        connect(spin, &QSpinBox::valueChanged, this, &SetupGeneralPage::markModified);
        timing->addRow(fieldCaption(spin), spin);
    }

    flags_ = new QVBoxLayout;
    for (const char* name : {"cbText", "cbWhois", "cbPics", "cbRejoin", "cbNotify", "cbSounds",
                             "cbEcho", "cbAutoConnect", "cbChangeServer"})
        flags_->addWidget(makeSwitch(name, this));
    cmDouble = new QComboBox(this);
    cmDouble->setObjectName("cmDouble");
    const OptionField& doubleClick = field("cmDouble");
    cmDouble->setToolTip(displayText(doubleClick.hint));
    for (std::string_view action : doubleClick.choices)
        cmDouble->addItem(displayText(action));
    connect(cmDouble, &QComboBox::activated, this, &SetupGeneralPage::markModified);
    flags_->addWidget(fieldCaption(cmDouble));
    flags_->addWidget(cmDouble);
    flags_->addStretch();

    QCheckBox* directSound = makeSwitch("cbDirectSound", this);
    QCheckBox* multiSound = makeSwitch("cbMultiSound", this);
    directSound->hide();
    multiSound->hide();
    connect(directSound, &QCheckBox::toggled, multiSound, &QCheckBox::setEnabled);

    auto* pnlAllEvents = new QFrame(this);
    pnlAllEvents->setObjectName("pnlAllEvents");
    pnlAllEvents->setFrameShape(QFrame::StyledPanel);
    auto* master = new QVBoxLayout(pnlAllEvents);
    master->addWidget(makeSwitch("cbAllEvents", pnlAllEvents));
    master->addWidget(note(MasterSwitchNote, pnlAllEvents, "lblMasterNote"));

    auto* left = new QVBoxLayout;
    left->addLayout(logOn);
    left->addLayout(servers, 1);
    left->addLayout(timing);
    auto* right = new QVBoxLayout;
    right->addLayout(flags_, 1);
    right->addWidget(pnlAllEvents);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 3);
    layout->addLayout(right, 2);
}

// A spin edit for a number option, in its row's range, whose value changes
// by the arrows (and arrow keys) only.
QSpinBox* SetupGeneralPage::arrowsOnlySpin(const char* name) {
    const OptionField& number = field(name);
    auto* spin = new QSpinBox(this);
    spin->setObjectName(name);
    spin->setRange(number.min, number.max);
    if (auto* edit = spin->findChild<QLineEdit*>()) edit->setReadOnly(true);
    return spin;
}

// A switch of the options table that no page places goes to the switch
// column, after the others, so that a new switch needs no page of its own.
void SetupGeneralPage::addSwitchesShownNowhere(std::span<SetupPage* const> pages) {
    int at = flags_->indexOf(switchBox("cbChangeServer")) + 1;
    for (const OptionField& option : OptionFields::options()) {
        if (option.kind != OptionKind::Flag || option.control.empty()) continue;
        const bool shown = std::any_of(pages.begin(), pages.end(), [&](const SetupPage* page) {
            return page->showsSwitch(option.control);
        });
        if (!shown) flags_->insertWidget(at++, makeSwitch(option.control, this));
    }
}

QComboBox* SetupGeneralPage::makeNameBox(const char* name) {
    auto* box = new QComboBox(this);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(DropDownRows);
    box->lineEdit()->setMaxLength(static_cast<int>(field(name).limit));
    box->setMinimumContentsLength(24);
    box->installEventFilter(this);
    connect(box->lineEdit(), &QLineEdit::textEdited, this, &SetupGeneralPage::markModified);
    connect(box, &QComboBox::activated, this, &SetupGeneralPage::markModified);
    return box;
}

void SetupGeneralPage::fillFields() {
    const tOptions& options = values_.options;
    const ChatLists& lists = values_.lists;
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
    allowMultiToggled(options.allowMultiplePasswords());
    switchBox("cbMultiSound")->setEnabled(options.useDirectSound());
}

void SetupGeneralPage::storeFields() {
    tOptions& options = values_.options;
    commitNameBoxes();
    const QLineEdit* password =
        switchBox("cbAllowMulti")->isChecked() ? cmPassword->lineEdit() : edUniquePass;
    options.setPassword(keptBytes(password->text(), options.password()));
    options.setHomeChannel(keptBytes(cmChannel->currentText(), options.homeChannel()));
    options.setUserName(keptBytes(cmUserName->currentText(), options.userName()));
    options.setReciteDelay(seDelay->value());
    options.setUseDirectSound(false);
    options.setConnectionTimeout(seConnect->value());
    options.setLoginTimeout(seLogin->value());
    if (cmDouble->currentIndex() >= 0)
        options.setDoubleClickAction(static_cast<std::uint8_t>(cmDouble->currentIndex()));
}

// The log-on drop-downs take a new text when the field loses the focus; a
// focus going to the field's own pop-up list is no loss.
bool SetupGeneralPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        const tOptions& opening = values_.options;
        ChatLists& lists = values_.lists;
        if (watched == cmUserName) commitNameBox(cmUserName, lists.NameList, opening.userName());
        if (watched == cmPassword)
            commitNameBox(cmPassword, lists.PasswordList, opening.password());
        if (watched == cmChannel) commitNameBox(cmChannel, lists.HomeList, opening.homeChannel());
    }
    return SetupPage::eventFilter(watched, event);
}

// A name typed and confirmed with Enter is taken as if the field had lost the
// focus to the "&Ok" button.
void SetupGeneralPage::commitNameBoxes() {
    const tOptions& opening = values_.options;
    ChatLists& lists = values_.lists;
    commitNameBox(cmUserName, lists.NameList, opening.userName());
    commitNameBox(cmPassword, lists.PasswordList, opening.password());
    commitNameBox(cmChannel, lists.HomeList, opening.homeChannel());
}

void SetupGeneralPage::commitNameBox(QComboBox* box, tStringList& list,
                                     const std::string& opening) {
    if (box->isHidden()) return;
    const QString text = box->currentText();
    if (!appendNewName(list, keptBytes(text, opening))) return;
    box->addItem(text);
    box->setCurrentIndex(box->count() - 1);
    markModified();
}

// Removes the drop-down item the field shows, if it shows one.
void SetupGeneralPage::deleteNameItem(QComboBox* box, tStringList& list) {
    const int index = box->currentIndex();
    if (index < 0 || box->itemText(index) != box->currentText()) return;
    list.erase(list.begin() + index);
    box->removeItem(index);
    box->setCurrentIndex(-1);
    box->setEditText(QString());
    markModified();
}

void SetupGeneralPage::allowMultiToggled(bool on) {
    if (on && !filling_) {
        cmPassword->clear();
        cmPassword->setEditText(QString());
        values_.lists.PasswordList.clear();
    }
    edUniquePass->setVisible(!on);
    cmPassword->setVisible(on);
    btnDeletePassword->setVisible(on);
}

void SetupGeneralPage::showServers(int selected) {
    lstServer->clear();
    for (const std::string& server : values_.lists.ServerList)
        lstServer->addItem(displayText(server));
    lstServer->setCurrentRow(selected);
}

void SetupGeneralPage::addServerClick() {
    bool ok = false;
    const QString server =
        QInputDialog::getText(this, tr("New Server"), tr("Enter address of new server:"),
                              QLineEdit::Normal, QString(), &ok);
    if (!ok || server.isEmpty()) return;
    tStringList& servers = values_.lists.ServerList;
    servers.insert(servers.begin(), typedBytes(server));
    showServers(0);
    markModified();
}

void SetupGeneralPage::deleteServerClick() {
    const int row = selectedRow(lstServer);
    if (row < 0) return;
    tStringList& servers = values_.lists.ServerList;
    servers.erase(servers.begin() + row);
    showServers(-1);
    markModified();
}

void SetupGeneralPage::moveServer(bool up) {
    const int row = selectedRow(lstServer);
    if (row < 0) return;
    tStringList& servers = values_.lists.ServerList;
    const auto index = static_cast<std::size_t>(row);
    if (!(up ? moveUp(servers, index) : moveDown(servers, index))) return;
    showServers(up ? row - 1 : row + 1);
    markModified();
}

}  // namespace verdo
