// The "Timers" tab: the timer list showing each response with its interval,
// the two fields that edit the selected timer, and its switch. The response
// and interval lists stay index-aligned through every edit.
#include "dialogs/SetupTimersPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

#include "controls/TimerListDelegate.h"
#include "dialogs/DialogBoxes.h"
#include "engine/AlignedLists.h"
#include "text/DisplayText.h"

namespace verdo {
namespace {

constexpr const char* NewTimerInterval = "60";
constexpr const char* NewTimerResponse = "New Response";

AlignedLists timerLists(ChatLists& lists) {
    return AlignedLists(lists.TimerList, {&lists.IntervalList});
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

}  // namespace

SetupTimersPage::SetupTimersPage(SetupValues& values) : SetupPage(values) {
    lstTimers = new QListWidget(this);
    lstTimers->setObjectName("lstTimers");
    lstTimers->setItemDelegate(new TTimerListDelegate(lstTimers));
    lstTimers->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edTimer = new QLineEdit(this);
    edTimer->setObjectName("edTimer");
    seInterval = new QSpinBox(this);
    seInterval->setObjectName("seInterval");
    seInterval->setRange(0, 10000);
    QPushButton* btnAddTimer = dialogButton("Add", "btnAddTimer", this);
    QPushButton* btnDeleteTimer = dialogButton("Delete", "btnDeleteTimer", this);
    QPushButton* btnClearTimers = dialogButton("Clear", "btnClearTimers", this);
    connect(lstTimers, &QListWidget::itemSelectionChanged, this, &SetupTimersPage::timerSelected);
    connect(edTimer, &QLineEdit::textChanged, this, &SetupTimersPage::timerEdited);
    connect(seInterval, &QSpinBox::valueChanged, this, &SetupTimersPage::timerEdited);
    connect(btnAddTimer, &QPushButton::clicked, this, &SetupTimersPage::addTimerClick);
    connect(btnDeleteTimer, &QPushButton::clicked, this, &SetupTimersPage::deleteTimerClick);
    connect(btnClearTimers, &QPushButton::clicked, this, &SetupTimersPage::clearTimersClick);

    auto* fields = new QGridLayout;
    fields->addWidget(listCaption("timers", edTimer), 0, 0);
    fields->addWidget(edTimer, 1, 0);
    fields->addWidget(caption("Interval (Seconds):", seInterval), 0, 1);
    fields->addWidget(seInterval, 1, 1);
    fields->setColumnStretch(0, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnAddTimer);
    buttons->addWidget(btnDeleteTimer);
    buttons->addWidget(btnClearTimers);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeSwitch("cbTimers", this));
    layout->addWidget(lstTimers, 1);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->addWidget(reminder(tr("timer events"), this));
}

// Every timer gets its interval before anything shows it.
void SetupTimersPage::fillFields() {
    timerLists(values_.lists);
    showTimers(-1);
}

void SetupTimersPage::showTimers(int selected) {
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
void SetupTimersPage::timerSelected() {
    const int row = selectedRow(lstTimers);
    const ChatLists& lists = values_.lists;
    const auto index = static_cast<std::size_t>(row);
    const bool wasFilling = filling_;
    filling_ = true;
    if (row < 0) {
        edTimer->clear();
        seInterval->setValue(0);
        filling_ = wasFilling;
        return;
    }
    edTimer->setText(displayText(lists.TimerList[index]));
    seInterval->setValue(
        intervalValue(lists.IntervalList[index], seInterval->minimum(), seInterval->maximum()));
    filling_ = wasFilling;
    timerEdited();
    edTimer->setFocus();
    edTimer->selectAll();
}

void SetupTimersPage::timerEdited() {
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

void SetupTimersPage::addTimerClick() {
    const std::size_t index =
        timerLists(values_.lists).append(NewTimerResponse, {NewTimerInterval});
    showTimers(static_cast<int>(index));
    markModified();
}

void SetupTimersPage::deleteTimerClick() {
    const int row = selectedRow(lstTimers);
    if (row < 0) return;
    timerLists(values_.lists).remove(static_cast<std::size_t>(row));
    showTimers(-1);
    markModified();
}

// Clearing the timers is the one edit that does not mark the settings modified.
void SetupTimersPage::clearTimersClick() {
    if (!askYesNo(this, "Clear all timer responses?")) return;
    timerLists(values_.lists).clear();
    showTimers(-1);
}

}  // namespace verdo
