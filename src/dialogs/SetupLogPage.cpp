// The "Log File/Owners" tab: the log file panel shown while "Keep a log" is
// checked, the chooser that asks before taking a new name and reports a chosen
// file at once, and the owner and member list editors.
#include "dialogs/SetupLogPage.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "controls/DSStringListEdit.h"
#include "dialogs/DialogBoxes.h"
#include "dialogs/DialogHost.h"

namespace verdo {

SetupLogPage::SetupLogPage(SetupValues& values, std::string programDirectory, DialogHost& host)
    : SetupPage(values), programDirectory_(std::move(programDirectory)), host_(host) {
    QCheckBox* keepLog = makeSwitch("cbLog", this);
    pnlLog = new QWidget(this);
    pnlLog->setObjectName("pnlLog");
    edLogFIle = new QLineEdit(pnlLog);
    edLogFIle->setObjectName("edLogFIle");
    edLogFIle->setReadOnly(true);
    QPushButton* btnChange = dialogButton("Ch&ange...", "btnChange", pnlLog);
    connect(btnChange, &QPushButton::clicked, this, &SetupLogPage::changeLogClick);
    connect(keepLog, &QCheckBox::toggled, pnlLog, &QWidget::setVisible);
    auto* file = new QHBoxLayout;
    file->addWidget(edLogFIle, 1);
    file->addWidget(btnChange);
    auto* log = new QVBoxLayout(pnlLog);
    log->setContentsMargins(0, 0, 0, 0);
    log->addWidget(fieldCaption(edLogFIle));
    log->addLayout(file);
    log->addWidget(makeSwitch("cbTime", pnlLog));
    log->addWidget(makeSwitch("cbEvents", pnlLog));

    auto* owners = new QHBoxLayout;
    owners->addWidget(makeListEdit("slOwners", this));
    owners->addWidget(makeListEdit("slMembers", this));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(keepLog);
    layout->addWidget(pnlLog);
    layout->addLayout(owners, 1);
}

void SetupLogPage::fillFields() {
    pnlLog->setVisible(values_.options.keepLog());
    edLogFIle->setText(QString::fromStdString(values_.options.logFileName()));
}

void SetupLogPage::changeLogClick() {
    FileRequest request{tr("Select Log File"), QString::fromStdString(programDirectory_),
                        tr("Text Files (*.txt)"), "txt", true};
    // A name that does not exist yet is taken only when the user means to make
    // it; "No" goes back to the chooser, in the folder of that name.
    QString path;
    while (path.isEmpty()) {
        const std::optional<QString> chosen = host_.chooseOpenFile(this, request);
        if (!chosen || chosen->isEmpty()) return;
        if (QFileInfo::exists(*chosen) ||
            askYesNo(this, chosen->toStdString() + "\rThis file does not exist.\rCreate the file?"))
            path = *chosen;
        request.folder = QFileInfo(*chosen).absolutePath();
    }
    edLogFIle->setText(path);
    values_.options.setLogFileName(storedPath(path));
    markModified();
    emit logFileChosen(values_.options.logFileName());
}

}  // namespace verdo
