// TfrmSetup: the configuration dialog "VerdoChat Configuration". Eight tab
// pages edit the options record and the chat-file lists through working
// copies; "&Ok" hands the edited copies back, "&Cancel" hands nothing back.
// The only edit that reaches the program while the dialog is open is a log
// file chosen with "Ch&ange...", reported at once with logFileChosen.
#pragma once

#include <QDialog>
#include <array>
#include <optional>
#include <string>

#include "engine/AlertSettings.h"
#include "engine/SetupValues.h"

class QTabWidget;

namespace verdo {

class DialogHost;
class SetupAlertsPage;
class SetupPage;

class TfrmSetup : public QDialog {
    Q_OBJECT

  public:
    static constexpr int TabCount = 8;

    // `programDirectory` is where the log file chooser starts; "&Help" and F1
    // ask `host` for the help of the tab shown.
    TfrmSetup(QWidget* parent, const tOptions& options, const ChatLists& lists, bool modified,
              std::string programDirectory, DialogHost& host);
    ~TfrmSetup() override;

    // After "&Ok": the edited copies; SetupValues::storeTo stores them.
    const SetupValues& values() const { return values_; }
    // The settings-modified flag as it stands after the dialog: the value it
    // had at opening after "&Cancel"; that value, or set by any edit, after "&Ok".
    bool modified() const;

    // The "Alerts" tab after the eight tabs: the Chat.ini settings of the
    // highlights and notifications. After "&Ok" `alertSettings` holds what it
    // shows; they never mark the chat file modified.
    void addAlertsTab(const AlertSettings& settings);
    std::optional<AlertSettings> alertSettings() const;

    // The help topic of the tab at `position`.
    static std::string helpTopic(int position);

  signals:
    // A log file chosen with "Ch&ange...": the program stores it as the log
    // file name at once, so that it is kept even when the dialog is cancelled.
    void logFileChosen(const std::string& path);

  public slots:
    void accept() override;

  private:
    void helpClick();

    SetupValues values_;
    const bool openingModified_;
    DialogHost& host_;
    QTabWidget* pcSetup = nullptr;
    std::array<SetupPage*, TabCount> pages_{};
    SetupAlertsPage* alertsPage_ = nullptr;
};

}  // namespace verdo
