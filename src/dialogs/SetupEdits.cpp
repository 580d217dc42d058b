// The configuration dialog's editing: the log-on drop-downs, the server list,
// the log file chooser, the command and timer lists, and the two ways out.
#include "dialogs/Setup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QFocusEvent>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <algorithm>
#include <string>

#include "controls/DSStringListEdit.h"
#include "controls/TimerListDelegate.h"
#include "engine/AlignedLists.h"
#include "text/DisplayText.h"

namespace verdo {
namespace {

constexpr const char* NewTimerInterval = "60";
constexpr const char* NewTimerResponse = "New Response";
constexpr const char* NewCommand = "New command";
constexpr const char* NewCommandLevel = "1";
constexpr const char* NewCommandResponse = "New Command Response";

bool confirmed(QWidget* parent, const QString& question) {
    return QMessageBox::question(parent, QObject::tr("Confirm"), question,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

// A stored interval that is not a number in range is shown brought into it.
int intervalValue(const std::string& text, int minimum, int maximum) {
    long long value = 0;
    try {
        value = std::stoll(text);
    } catch (const std::exception&) {
        value = 0;
    }
    return static_cast<int>(std::clamp<long long>(value, minimum, maximum));
}

// The bytes behind a text field: the stored bytes while the field still shows
// them, so that text the user did not touch is never converted on its way back.
std::string keptBytes(const QString& shown, const std::string& stored) {
    return shown == displayText(stored) ? stored : typedBytes(shown);
}

}  // namespace

bool TfrmSetup::modified() const {
    return result() == QDialog::Accepted ? values_.modified : openingModified_;
}

void TfrmSetup::markModified() {
    if (!filling_) values_.modified = true;
}

void TfrmSetup::helpClick() {
    if (OnHelp) OnHelp(helpTopic(pcSetup->currentIndex()));
}

// The log-on drop-downs take a new text when the field loses the focus; a
// focus going to the field's own pop-up list is no loss.
bool TfrmSetup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        const tOptions& opening = values_.options;
        ChatLists& lists = values_.lists;
        if (watched == cmUserName) commitNameBox(cmUserName, lists.NameList, opening.userName());
        if (watched == cmPassword)
            commitNameBox(cmPassword, lists.PasswordList, opening.password());
        if (watched == cmChannel) commitNameBox(cmChannel, lists.HomeList, opening.homeChannel());
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmSetup::commitNameBox(QComboBox* box, tStringList& list, const std::string& opening) {
    if (box->isHidden()) return;
    const QString text = box->currentText();
    if (!appendNewName(list, keptBytes(text, opening))) return;
    box->addItem(text);
    box->setCurrentIndex(box->count() - 1);
    markModified();
}

// Removes the drop-down item the field shows, if it shows one.
void TfrmSetup::deleteNameItem(QComboBox* box, tStringList& list) {
    const int index = box->currentIndex();
    if (index < 0 || box->itemText(index) != box->currentText()) return;
    list.erase(list.begin() + index);
    box->removeItem(index);
    box->setCurrentIndex(-1);
    box->setEditText(QString());
    markModified();
}

void TfrmSetup::allowMultiToggled(bool on) {
    if (on && !filling_) {
        cmPassword->clear();
        cmPassword->setEditText(QString());
        values_.lists.PasswordList.clear();
    }
    edUniquePass->setVisible(!on);
    cmPassword->setVisible(on);
    btnDeletePassword->setVisible(on);
}

void TfrmSetup::showServers(int selected) {
    lstServer->clear();
    for (const std::string& server : values_.lists.ServerList)
        lstServer->addItem(displayText(server));
    lstServer->setCurrentRow(selected);
}

// The list boxes select one row at most; the current row alone is no selection.
int TfrmSetup::selectedRow(const QListWidget* list) const {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

void TfrmSetup::addServerClick() {
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

void TfrmSetup::deleteServerClick() {
    const int row = selectedRow(lstServer);
    if (row < 0) return;
    tStringList& servers = values_.lists.ServerList;
    servers.erase(servers.begin() + row);
    showServers(-1);
    markModified();
}

void TfrmSetup::moveServer(bool up) {
    const int row = selectedRow(lstServer);
    if (row < 0) return;
    tStringList& servers = values_.lists.ServerList;
    const auto index = static_cast<std::size_t>(row);
    if (!(up ? moveUp(servers, index) : moveDown(servers, index))) return;
    showServers(up ? row - 1 : row + 1);
    markModified();
}

void TfrmSetup::changeLogClick() {
    QFileDialog dialog(this, tr("Select Log File"), QString::fromStdString(programDirectory_),
                       tr("Text Files (*.txt)"));
    dialog.setObjectName("dlgLogFile");
    dialog.setDefaultSuffix("txt");
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().first();
    edLogFIle->setText(path);
    values_.options.setLogFileName(path.toStdString());
    markModified();
    if (OnLogFileChosen) OnLogFileChosen(values_.options.logFileName());
}

// Commands tab ---------------------------------------------------------------

void TfrmSetup::showCommands(int selected) {
    const bool wasFilling = filling_;
    filling_ = true;
    lstCommand->clear();
    for (const std::string& command : values_.lists.CommandList)
        lstCommand->addItem(displayText(command));
    filling_ = wasFilling;
    lstCommand->setCurrentRow(selected);
    if (selected < 0) commandSelected();
}

// Filling the fields goes through the same handling as typing in them.
void TfrmSetup::commandSelected() {
    ChatLists& lists = values_.lists;
    const int row = selectedRow(lstCommand);
    const auto index = static_cast<std::size_t>(row);
    const bool wasFilling = filling_;
    const bool shown = row >= 0;
    // The level and response follow the selection without being edits.
    filling_ = true;
    const QString response = shown ? displayText(lists.CommandRes[index]) : QString();
    cmCommandRes->setEditText(response);
    cmLevel->setCurrentIndex(shown ? commandLevelIndex(lists.CommandLevel[index]) : -1);
    filling_ = wasFilling;
    edCommand->setText(shown ? displayText(lists.CommandList[index]) : QString());
    if (shown) {
        edCommand->setFocus();
        edCommand->selectAll();
    }
}

void TfrmSetup::commandEdited() {
    const int row = selectedRow(lstCommand);
    if (filling_ || row < 0) return;
    ChatLists& lists = values_.lists;
    const auto index = static_cast<std::size_t>(row);
    const std::string command = keptBytes(edCommand->text(), lists.CommandList[index]);
    const std::string response = keptBytes(cmCommandRes->currentText(), lists.CommandRes[index]);
    const bool levelChosen = sender() == cmLevel;
    const std::string level =
        levelChosen ? std::to_string(cmLevel->currentIndex()) : lists.CommandLevel[index];
    if (command == lists.CommandList[index] && response == lists.CommandRes[index] &&
        level == lists.CommandLevel[index])
        return;
    lists.CommandList[index] = command;
    lists.CommandRes[index] = response;
    lists.CommandLevel[index] = level;
    lstCommand->item(row)->setText(edCommand->text());
    markModified();
}

void TfrmSetup::addCommandClick() {
    ChatLists& lists = values_.lists;
    const std::size_t index =
        AlignedLists(lists.CommandList, {&lists.CommandRes, &lists.CommandLevel})
            .append(NewCommand, {NewCommandResponse, NewCommandLevel});
    showCommands(static_cast<int>(index));
    markModified();
}

void TfrmSetup::deleteCommandClick() {
    const int row = selectedRow(lstCommand);
    if (row < 0) return;
    ChatLists& lists = values_.lists;
    AlignedLists(lists.CommandList, {&lists.CommandRes, &lists.CommandLevel})
        .remove(static_cast<std::size_t>(row));
    showCommands(-1);
    markModified();
}

void TfrmSetup::clearCommandsClick() {
    if (!confirmed(this, tr("Clear all commands?"))) return;
    ChatLists& lists = values_.lists;
    AlignedLists(lists.CommandList, {&lists.CommandRes, &lists.CommandLevel}).clear();
    showCommands(-1);
    markModified();
}

// Timers tab -----------------------------------------------------------------

void TfrmSetup::showTimers(int selected) {
    const bool wasFilling = filling_;
    filling_ = true;
    lstTimers->clear();
    const ChatLists& lists = values_.lists;
    for (std::size_t i = 0; i < lists.TimerList.size(); ++i) {
        auto* item = new QListWidgetItem(displayText(lists.TimerList[i]), lstTimers);
        item->setData(TTimerListDelegate::IntervalRole, displayText(lists.IntervalList[i]));
    }
    filling_ = wasFilling;
    lstTimers->setCurrentRow(selected);
    if (selected < 0) timerSelected();
}

// Filling the two fields goes through the same handling as typing in them, so
// an interval shown brought into range is stored so.
void TfrmSetup::timerSelected() {
    const int row = selectedRow(lstTimers);
    const ChatLists& lists = values_.lists;
    const auto index = static_cast<std::size_t>(row);
    if (row < 0) {
        const bool wasFilling = filling_;
        filling_ = true;
        edTimer->clear();
        seInterval->setValue(0);
        filling_ = wasFilling;
        return;
    }
    const bool wasFilling = filling_;
    filling_ = true;
    edTimer->setText(displayText(lists.TimerList[index]));
    seInterval->setValue(
        intervalValue(lists.IntervalList[index], seInterval->minimum(), seInterval->maximum()));
    filling_ = wasFilling;
    timerEdited();
    edTimer->setFocus();
    edTimer->selectAll();
}

void TfrmSetup::timerEdited() {
    const int row = selectedRow(lstTimers);
    if (filling_ || row < 0) return;
    ChatLists& lists = values_.lists;
    const auto index = static_cast<std::size_t>(row);
    const std::string response = keptBytes(edTimer->text(), lists.TimerList[index]);
    const std::string interval = std::to_string(seInterval->value());
    if (response == lists.TimerList[index] && interval == lists.IntervalList[index]) return;
    lists.TimerList[index] = response;
    lists.IntervalList[index] = interval;
    QListWidgetItem* item = lstTimers->item(row);
    item->setText(edTimer->text());
    item->setData(TTimerListDelegate::IntervalRole, QString::fromStdString(interval));
    markModified();
}

void TfrmSetup::addTimerClick() {
    ChatLists& lists = values_.lists;
    const std::size_t index = AlignedLists(lists.TimerList, {&lists.IntervalList})
                                  .append(NewTimerResponse, {NewTimerInterval});
    showTimers(static_cast<int>(index));
    markModified();
}

void TfrmSetup::deleteTimerClick() {
    const int row = selectedRow(lstTimers);
    if (row < 0) return;
    ChatLists& lists = values_.lists;
    AlignedLists(lists.TimerList, {&lists.IntervalList}).remove(static_cast<std::size_t>(row));
    showTimers(-1);
    markModified();
}

// Clearing the timers is the one edit that does not mark the settings modified.
void TfrmSetup::clearTimersClick() {
    if (!confirmed(this, tr("Clear all timer responses?"))) return;
    ChatLists& lists = values_.lists;
    AlignedLists(lists.TimerList, {&lists.IntervalList}).clear();
    showTimers(-1);
}

// Closing --------------------------------------------------------------------

void TfrmSetup::storeControls() {
    tOptions& options = values_.options;
    ChatLists& lists = values_.lists;
    // A name typed and confirmed with Enter is taken as if the field had lost
    // the focus to the "&Ok" button.
    commitNameBox(cmUserName, lists.NameList, options.userName());
    commitNameBox(cmPassword, lists.PasswordList, options.password());
    commitNameBox(cmChannel, lists.HomeList, options.homeChannel());
    const QLineEdit* password =
        checkBox("cbAllowMulti")->isChecked() ? cmPassword->lineEdit() : edUniquePass;
    options.setPassword(keptBytes(password->text(), options.password()));
    options.setHomeChannel(keptBytes(cmChannel->currentText(), options.homeChannel()));
    options.setUserName(keptBytes(cmUserName->currentText(), options.userName()));

    options.setReciteDelay(seDelay->value());
    for (const SetupSwitch& entry : SetupSwitches)
        (options.*entry.set)(checkBox(entry.control)->isChecked());
    options.setUseDirectSound(false);
    options.setConnectionTimeout(seConnect->value());
    options.setLoginTimeout(seLogin->value());
    if (cmDouble->currentIndex() >= 0)
        options.setDoubleClickAction(static_cast<std::uint8_t>(cmDouble->currentIndex()));
    options.setJoinResponse(keptBytes(edJoin->text(), options.joinResponse()));
    for (std::size_t i = 0; i < productActions.size(); ++i)
        lists.ProductActions[i] =
            keptBytes(productActions[i]->currentText(), lists.ProductActions[i]);

    lists.PhraseList = slPhrase->entries();
    lists.WhisperList = slWhisper->entries();
    lists.BanList = slBan->entries();
    lists.UserJoinList = slUserJoin->entries();
    lists.NoBanList = slNoBan->entries();
    lists.OwnerList = slOwners->entries();
    lists.MemberList = slMembers->entries();
    lists.PhraseRes = slPhrase->responses();
    lists.WhiserRes = slWhisper->responses();
    lists.UserRes = slUserJoin->responses();
}

void TfrmSetup::accept() {
    storeControls();
    QDialog::accept();
}

}  // namespace verdo
