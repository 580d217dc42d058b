// The text file window. The playback state belongs to the main window; this
// window reads it on opening and changes it through TextPlayback.
#include "dialogs/TextFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include "dialogs/DialogBoxes.h"
#include "dialogs/DialogHost.h"
#include "engine/ListEditing.h"
#include "engine/TextPlayback.h"
#include "text/DisplayText.h"

namespace verdo {

TfrmText::TfrmText(TextPlayback& playback, DialogHost& host, QWidget* parent)
    : QDialog(parent), playback_(playback), host_(host) {
    setObjectName("frmText");
    setWindowTitle("Text File Settings");
    const int charWidth = fontMetrics().averageCharWidth();

    edFile = new QLineEdit(this);
    edFile->setObjectName("edFile");
    edFile->setReadOnly(true);
    edFile->setMinimumWidth(charWidth * 50);
    btnLoad = dialogButton("&Load New", "btnLoad", this);
    btnExecute = dialogButton("&Execute", "btnExecute", this);
    btnExecute->setCheckable(true);
    edUser = new QLineEdit(this);
    edUser->setObjectName("edUser");
    edUser->setMaxLength(static_cast<int>(ListEditing::limit("names")));
    btnReset = dialogButton("&Reset to Beginning", "btnReset", this);
    btnExit = new QPushButton("E&xit", this);
    btnExit->setObjectName("btnExit");
    btnExit->setDefault(true);
    btnHelp = dialogButton("Help", "btnHelp", this);

    auto* fields = new QGridLayout;
    auto* fileLabel = new QLabel("Current Text File:", this);
    fileLabel->setBuddy(edFile);
    auto* userLabel = new QLabel("User to Send to (leave blank to read in channel):", this);
    userLabel->setBuddy(edUser);
    fields->addWidget(fileLabel, 0, 0, 1, 2);
    fields->addWidget(edFile, 1, 0);
    fields->addWidget(btnLoad, 1, 1);
    fields->addWidget(userLabel, 2, 0, 1, 2);
    fields->addWidget(edUser, 3, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnExecute);
    buttons->addWidget(btnReset);
    buttons->addStretch();
    buttons->addWidget(btnExit);
    buttons->addWidget(btnHelp);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setTabChain({btnLoad, edUser, btnExecute, btnReset, btnExit, btnHelp, edFile});

    connect(btnLoad, &QPushButton::clicked, this, &TfrmText::btnLoadClick);
    connect(btnExecute, &QPushButton::clicked, this, &TfrmText::btnExecuteClick);
    connect(edUser, &QLineEdit::textEdited, this,
            [this](const QString& text) { playback_.setWhisperTarget(typedBytes(text)); });
    connect(btnReset, &QPushButton::clicked, this, [this] { playback_.rewind(); });
    connect(btnExit, &QPushButton::clicked, this, &TfrmText::accept);
    bindHelp(this, btnHelp, host_, "Text Files  ");

    edUser->setText(displayText(playback_.whisperTarget()));
    showState();
    follow_ = new QTimer(this);
    follow_->setInterval(500);
    connect(follow_, &QTimer::timeout, this, [this] {
        if (btnExecute->isChecked() != playback_.running()) showState();
    });
    follow_->start();
}

void TfrmText::showState() {
    edFile->setText(displayText(playback_.fileName()));
    btnExecute->setChecked(playback_.running());
}

void TfrmText::btnLoadClick() {
    const QString current = displayText(playback_.fileName());
    const QString folder = current.isEmpty() ? QDir::homePath() : QFileInfo(current).absolutePath();
    const std::optional<QString> path =
        host_.chooseOpenFile(this, {QString(), folder, "Text Files (*.txt)", "txt"});
    if (!path) return;
    if (!playback_.loadFile(storedPath(*path))) showError(this, "Could not open text file");
    showState();
}

void TfrmText::btnExecuteClick(bool down) {
    if (!down) {
        playback_.setRunning(false);
        playback_.showInfo("Text file: " + playback_.fileName() + " stopped.");
        showState();
        return;
    }
    if (playback_.fileName().empty()) btnLoadClick();
    if (playback_.fileName().empty()) {
        playback_.setRunning(false);
        playback_.rewind();
        showState();
        return;
    }
    playback_.setRunning(true);
    playback_.showInfo("Executing text file: " + playback_.fileName());
    showState();
}

}  // namespace verdo
