// SetupLogPage: the "Log File/Owners" tab of the configuration dialog: the log
// switches, the log file with its chooser, and the owner and member lists.
#pragma once

#include <string>

#include "dialogs/SetupPage.h"

class QLineEdit;

namespace verdo {

class DialogHost;

class SetupLogPage : public SetupPage {
    Q_OBJECT

  public:
    // `programDirectory` is where the log file chooser starts; the chooser
    // is the host's.
    SetupLogPage(SetupValues& values, std::string programDirectory, DialogHost& host);

  signals:
    // A log file chosen with "Ch&ange...", reported at once.
    void logFileChosen(const std::string& path);

  protected:
    void fillFields() override;

  private:
    void changeLogClick();

    QWidget* pnlLog = nullptr;
    QLineEdit* edLogFIle = nullptr;
    const std::string programDirectory_;
    DialogHost& host_;
};

}  // namespace verdo
