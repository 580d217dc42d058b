// The "Commands" tab: the command list, the fields that edit the selected
// command, response and level, and the placeholders note. The three lists
// stay index-aligned through every edit.
#include "dialogs/SetupCommandsPage.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/DialogBoxes.h"
#include "engine/AlignedLists.h"
#include "engine/ListEditing.h"
#include "engine/RemoteCommands.h"
#include "text/DisplayText.h"

namespace verdo {
namespace {

constexpr int CommandResponseRows = 30;
constexpr std::array<const char*, 3> LevelNames = {"Any User", "Owners Only", "Members"};

constexpr const char* NewCommand = "New command";
constexpr const char* NewCommandLevel = "1";
constexpr const char* NewCommandResponse = "New Command Response";

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

AlignedLists commandLists(ChatLists& lists) {
    return AlignedLists(lists.CommandList, {&lists.CommandRes, &lists.CommandLevel});
}

}  // namespace

SetupCommandsPage::SetupCommandsPage(SetupValues& values) : SetupPage(values) {
    lstCommand = new QListWidget(this);
    lstCommand->setObjectName("lstCommand");
    edCommand = new QLineEdit(this);
    edCommand->setObjectName("edCommand");
    edCommand->setMaxLength(static_cast<int>(ListEditing::limit("commands")));
    cmCommandRes = new QComboBox(this);
    cmCommandRes->setObjectName("cmCommandRes");
    cmCommandRes->setEditable(true);
    cmCommandRes->setInsertPolicy(QComboBox::NoInsert);
    cmCommandRes->setMaxVisibleItems(CommandResponseRows);
    for (const BuiltInCommand& command : RemoteCommands::builtIns())
        cmCommandRes->addItem(displayText(command.token));
    cmLevel = new QComboBox(this);
    cmLevel->setObjectName("cmLevel");
    for (const char* level : LevelNames)
        cmLevel->addItem(tr(level));
    QPushButton* btnAddCommand = dialogButton("Add", "btnAddCommand", this);
    QPushButton* btnDeleteCommand = dialogButton("Delete", "btnDeleteCommand", this);
    QPushButton* btnClearCommands = dialogButton("Clear", "btnClearCommands", this);
    auto* mmCommandNote = new QPlainTextEdit(tr(CommandNote), this);
    mmCommandNote->setObjectName("mmCommandNote");
    mmCommandNote->setReadOnly(true);
    mmCommandNote->setFocusPolicy(Qt::NoFocus);

    connect(lstCommand, &QListWidget::itemSelectionChanged, this,
            &SetupCommandsPage::commandSelected);
    connect(edCommand, &QLineEdit::textChanged, this, &SetupCommandsPage::commandEdited);
    connect(cmCommandRes, &QComboBox::editTextChanged, this, &SetupCommandsPage::commandEdited);
    connect(cmLevel, &QComboBox::activated, this, &SetupCommandsPage::commandEdited);
    connect(btnAddCommand, &QPushButton::clicked, this, &SetupCommandsPage::addCommandClick);
    connect(btnDeleteCommand, &QPushButton::clicked, this, &SetupCommandsPage::deleteCommandClick);
    connect(btnClearCommands, &QPushButton::clicked, this, &SetupCommandsPage::clearCommandsClick);

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
    list->addWidget(listCaption("commands", lstCommand));
    list->addWidget(lstCommand, 1);
    list->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(list, 2);
    layout->addLayout(fields, 3);
}

// Every command gets its response and level before anything shows them.
void SetupCommandsPage::fillFields() {
    commandLists(values_.lists);
    showCommands(-1);
}

void SetupCommandsPage::showCommands(int selected) {
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
void SetupCommandsPage::commandSelected() {
    const ChatLists& lists = values_.lists;
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

void SetupCommandsPage::commandEdited() {
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

void SetupCommandsPage::addCommandClick() {
    const std::size_t index =
        commandLists(values_.lists).append(NewCommand, {NewCommandResponse, NewCommandLevel});
    showCommands(static_cast<int>(index));
    markModified();
}

void SetupCommandsPage::deleteCommandClick() {
    const int row = selectedRow(lstCommand);
    if (row < 0) return;
    commandLists(values_.lists).remove(static_cast<std::size_t>(row));
    showCommands(-1);
    markModified();
}

void SetupCommandsPage::clearCommandsClick() {
    if (!askYesNo(this, "Clear all commands?")) return;
    commandLists(values_.lists).clear();
    showCommands(-1);
    markModified();
}

}  // namespace verdo
