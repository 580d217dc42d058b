// TfrmSetup: the configuration dialog "VerdoChat Configuration". Eight tabs
// edit the options record and the chat-file lists through working copies;
// "&Ok" hands the edited copies back, "&Cancel" hands nothing back. The only
// edit that reaches the program while the dialog is open is a log file chosen
// with "Ch&ange...", reported at once through OnLogFileChosen.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <map>
#include <string>

#include "engine/SetupValues.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QWidget;

namespace verdo {

class TDSStringListEdit;

class TfrmSetup : public QDialog {
    Q_OBJECT

  public:
    static constexpr int TabCount = 8;
    static constexpr int ProductActionCount = 8;

    // `programDirectory` is where the log file chooser starts.
    TfrmSetup(QWidget* parent, const tOptions& options, const ChatLists& lists, bool modified,
              std::string programDirectory);
    ~TfrmSetup() override;

    // Shows the help window at a topic ("&Help" and F1).
    std::function<void(const std::string& topic)> OnHelp;
    // A log file chosen with "Ch&ange...": the program stores it as the log
    // file name at once, so that it is kept even when the dialog is cancelled.
    std::function<void(const std::string& path)> OnLogFileChosen;

    // After "&Ok": the edited copies; SetupValues::storeTo stores them.
    const SetupValues& values() const { return values_; }
    // The settings-modified flag as it stands after the dialog: the value it
    // had at opening after "&Cancel"; that value, or set by any edit, after "&Ok".
    bool modified() const;

    // The help topic of the tab at `position`.
    static std::string helpTopic(int position);

    QTabWidget* pcSetup = nullptr;
    std::array<QWidget*, TabCount> tabs{};
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnHelp = nullptr;

    // General Options
    QComboBox* cmUserName = nullptr;
    QPushButton* btnDeleteName = nullptr;
    QComboBox* cmPassword = nullptr;
    QLineEdit* edUniquePass = nullptr;
    QPushButton* btnDeletePassword = nullptr;
    QComboBox* cmChannel = nullptr;
    QPushButton* btnDeleteChannel = nullptr;
    QListWidget* lstServer = nullptr;
    QPushButton* btnAddServer = nullptr;
    QPushButton* btnDeleteServer = nullptr;
    QPushButton* btnMoveUp = nullptr;
    QPushButton* btnMoveDown = nullptr;
    QSpinBox* seDelay = nullptr;
    QComboBox* cmDouble = nullptr;
    QSpinBox* seConnect = nullptr;
    QSpinBox* seLogin = nullptr;
    QWidget* pnlAllEvents = nullptr;
    // Every switch of SetupSwitches, by control name.
    std::map<std::string, QCheckBox*, std::less<>> switches;
    QCheckBox* checkBox(std::string_view name) const;

    // Log File/Owners
    QWidget* pnlLog = nullptr;
    QLineEdit* edLogFIle = nullptr;
    QPushButton* btnChange = nullptr;
    TDSStringListEdit* slOwners = nullptr;
    TDSStringListEdit* slMembers = nullptr;
    // Responses, User Join, Banning
    TDSStringListEdit* slPhrase = nullptr;
    TDSStringListEdit* slWhisper = nullptr;
    QLineEdit* edJoin = nullptr;
    TDSStringListEdit* slUserJoin = nullptr;
    TDSStringListEdit* slBan = nullptr;
    TDSStringListEdit* slNoBan = nullptr;
    // Product Actions, in the order of ProductActionCodes.
    std::array<QComboBox*, ProductActionCount> productActions{};
    // Commands
    QListWidget* lstCommand = nullptr;
    QLineEdit* edCommand = nullptr;
    QComboBox* cmCommandRes = nullptr;
    QComboBox* cmLevel = nullptr;
    QPushButton* btnAddCommand = nullptr;
    QPushButton* btnDeleteCommand = nullptr;
    QPushButton* btnClearCommands = nullptr;
    QPlainTextEdit* mmCommandNote = nullptr;
    // Timers
    QListWidget* lstTimers = nullptr;
    QLineEdit* edTimer = nullptr;
    QSpinBox* seInterval = nullptr;
    QPushButton* btnAddTimer = nullptr;
    QPushButton* btnDeleteTimer = nullptr;
    QPushButton* btnClearTimers = nullptr;

  public slots:
    void accept() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Building the tabs.
    QWidget* buildGeneralTab();
    QWidget* buildLogTab();
    QWidget* buildResponsesTab();
    QWidget* buildUserJoinTab();
    QWidget* buildBanningTab();
    QWidget* buildProductTab();
    QWidget* buildCommandsTab();
    QWidget* buildTimersTab();
    QCheckBox* makeSwitch(std::string_view name, QWidget* parent);
    TDSStringListEdit* makeListEdit(const char* name, QWidget* parent);
    QComboBox* makeNameBox(const char* name, QWidget* parent);
    void fillControls();

    // Editing.
    void markModified();
    void helpClick();
    void commitNameBox(QComboBox* box, tStringList& list, const std::string& opening);
    void deleteNameItem(QComboBox* box, tStringList& list);
    void allowMultiToggled(bool on);
    void addServerClick();
    void deleteServerClick();
    void moveServer(bool up);
    void showServers(int selected);
    void changeLogClick();
    int selectedRow(const QListWidget* list) const;
    void commandSelected();
    void commandEdited();
    void addCommandClick();
    void deleteCommandClick();
    void clearCommandsClick();
    void showCommands(int selected);
    void timerSelected();
    void timerEdited();
    void addTimerClick();
    void deleteTimerClick();
    void clearTimersClick();
    void showTimers(int selected);
    void storeControls();

    SetupValues values_;
    const bool openingModified_;
    const std::string programDirectory_;
    bool filling_ = true;
};

}  // namespace verdo
