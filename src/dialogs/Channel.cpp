// The channel window: the list in alphabetical order, the channel to join, and
// the list's own Add, Delete and Clear.
#include "dialogs/Channel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "dialogs/DialogBoxes.h"
#include "dialogs/DialogHost.h"
#include "engine/ListEditing.h"
#include "text/DisplayText.h"

namespace verdo {

TfrmChannel::TfrmChannel(std::vector<std::string> channels, const std::string& channel,
                         DialogHost& host, QWidget* parent)
    : QDialog(parent), list_(std::move(channels)), host_(host) {
    setObjectName("frmChannel");
    setWindowTitle("Select Channel");
    const int charWidth = fontMetrics().averageCharWidth();

    edChannel = new QLineEdit(this);
    edChannel->setObjectName("edChannel");
    edChannel->setMaxLength(static_cast<int>(ListEditing::limit("channels")));
    edChannel->setMinimumWidth(charWidth * 30);
    lstChannel = new QListWidget(this);
    lstChannel->setObjectName("lstChannel");
    lstChannel->setMinimumHeight(fontMetrics().lineSpacing() * 12);
    btnAdd = dialogButton("&Add", "btnAdd", this, "Click to add channel to list");
    btnDelete =
        dialogButton("&Delete", "btnDelete", this, "Click to delete this channel from the list");
    btnClear = dialogButton("Cl&ear", "btnClear", this, "Click to clear the entire list");
    btnOk = new QPushButton("&Ok", this);
    btnOk->setObjectName("btnOk");
    btnOk->setDefault(true);
    btnCancel = dialogButton("&Cancel", "btnCancel", this);
    btnHelp = dialogButton("&Help", "btnHelp", this);

    auto* channelLabel = new QLabel("Enter a channel:", this);
    channelLabel->setBuddy(edChannel);
    auto* listLabel = new QLabel("Defined Channels:", this);
    listLabel->setBuddy(lstChannel);
    auto* listButtons = new QVBoxLayout;
    for (QPushButton* b : {btnAdd, btnDelete, btnClear})
        listButtons->addWidget(b);
    listButtons->addStretch();
    auto* grid = new QGridLayout;
    grid->addWidget(channelLabel, 0, 0);
    grid->addWidget(edChannel, 1, 0);
    grid->addWidget(listLabel, 2, 0);
    grid->addWidget(lstChannel, 3, 0);
    grid->addLayout(listButtons, 3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {btnOk, btnCancel, btnHelp})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    setTabChain({edChannel, lstChannel, btnAdd, btnDelete, btnClear, btnOk, btnCancel, btnHelp});

    // A click on the row that is already selected changes no row, yet the user
    // means that row: its text replaces whatever was typed, before a double-click accepts.
    connect(lstChannel, &QListWidget::currentRowChanged, this, &TfrmChannel::lstChannelSelect);
    connect(lstChannel, &QListWidget::itemClicked, this, &TfrmChannel::lstChannelSelect);
    connect(lstChannel, &QListWidget::itemDoubleClicked, this, [this] {
        lstChannelSelect();
        accept();
    });
    connect(btnAdd, &QPushButton::clicked, this, &TfrmChannel::btnAddClick);
    connect(btnDelete, &QPushButton::clicked, this, &TfrmChannel::btnDeleteClick);
    connect(btnClear, &QPushButton::clicked, this, &TfrmChannel::btnClearClick);
    connect(btnOk, &QPushButton::clicked, this, &TfrmChannel::accept);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmChannel::reject);
    bindHelp(this, btnHelp, host_, "join channel screen");

    showList(list_.startIndex(channel));
    lstChannelSelect();
    edChannel->setFocus();
    edChannel->selectAll();
}

std::optional<std::string> TfrmChannel::SelectChannel(const std::string& channel,
                                                      std::vector<std::string>& channels,
                                                      DialogHost& host, QWidget* parent) {
    TfrmChannel dialog(channels, channel, host, parent);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    channels = dialog.Channels();
    if (!accepted) return std::nullopt;
    return dialog.Channel();
}

// A listed channel shown as the field's text keeps the bytes it is stored
// with (UTF-8, say), so it is joined as listed and never added a second time.
std::string TfrmChannel::Channel() const {
    const QString text = edChannel->text();
    for (const std::string& channel : list_.channels()) {
        if (displayText(channel) == text) return channel;
    }
    return typedBytes(text);
}

void TfrmChannel::showList(int selected) {
    {
        const QSignalBlocker blocker(lstChannel);
        lstChannel->clear();
        for (const std::string& channel : list_.channels())
            lstChannel->addItem(displayText(channel));
        lstChannel->setCurrentRow(selected);
    }
    const bool any = lstChannel->currentRow() >= 0;
    btnDelete->setEnabled(any);
    btnClear->setEnabled(any);
}

// The selected entry is the channel to join.
void TfrmChannel::lstChannelSelect() {
    const int row = lstChannel->currentRow();
    const bool any = row >= 0;
    btnDelete->setEnabled(any);
    btnClear->setEnabled(any);
    if (!any) return;
    edChannel->setText(displayText(list_.channels()[static_cast<std::size_t>(row)]));
    edChannel->setFocus();
    edChannel->selectAll();
}

void TfrmChannel::btnAddClick() {
    showList(list_.add(Channel()));
    changed();
}

void TfrmChannel::btnDeleteClick() {
    const int row = lstChannel->currentRow();
    if (row < 0) return;
    if (!askYesNo(this, "Delete channel " + list_.channels()[static_cast<std::size_t>(row)] + "?"))
        return;
    list_.remove(row);
    showList(-1);
    changed();
}

void TfrmChannel::btnClearClick() {
    if (lstChannel->currentRow() < 0 || !askYesNo(this, "Clear channel list?")) return;
    list_.clear();
    showList(-1);
    changed();
}

void TfrmChannel::changed() {
    host_.markModified();
}

}  // namespace verdo
