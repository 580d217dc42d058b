// The "Log File/Owners" tab: the log file panel shown while "Keep a log" is
// checked, the chooser that asks before taking a new name and reports a chosen
// file at once, and the owner and member list editors.
#include "dialogs/SetupLogPage.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "controls/DSStringListEdit.h"
#include "dialogs/DialogBoxes.h"

namespace verdo {

SetupLogPage::SetupLogPage(SetupValues& values, std::string programDirectory)
    : SetupPage(values), programDirectory_(std::move(programDirectory)) {
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
    QFileDialog dialog(this, tr("Select Log File"), QString::fromStdString(programDirectory_),
                       tr("Text Files (*.txt)"));
    dialog.setObjectName("dlgLogFile");
    dialog.setDefaultSuffix("txt");
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    // A name that does not exist yet is taken only when the user means to make
    // it; "No" goes back to the chooser.
    QString path;
    while (path.isEmpty()) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
        const QString chosen = dialog.selectedFiles().first();
        if (QFileInfo::exists(chosen) ||
            askYesNo(this, chosen.toStdString() + "\rThis file does not exist.\rCreate the file?"))
            path = chosen;
    }
    edLogFIle->setText(path);
    values_.options.setLogFileName(storedPath(path));
    markModified();
    emit logFileChosen(values_.options.logFileName());
}

}  // namespace verdo
