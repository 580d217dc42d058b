// SetupGeneralPage: the "General Options" tab of the configuration dialog: the
// log-on drop-downs (user name, password, home channel) with their lists, the
// server list, the timing spin edits, the double-click action and the
// general switches with the "Master Event Switch".
#pragma once

#include <span>
#include <string>

#include "dialogs/SetupPage.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QVBoxLayout;

namespace verdo {

class SetupGeneralPage : public SetupPage {
    Q_OBJECT

  public:
    explicit SetupGeneralPage(SetupValues& values);

    // Adds the switches with a control that none of `pages` (this one
    // included) shows to this page's switch column.
    void addSwitchesShownNowhere(std::span<SetupPage* const> pages);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void fillFields() override;
    void storeFields() override;

  private:
    QSpinBox* arrowsOnlySpin(const char* name);
    QComboBox* makeNameBox(const char* name);
    void commitNameBox(QComboBox* box, tStringList& list, const std::string& opening);
    void commitNameBoxes();
    void deleteNameItem(QComboBox* box, tStringList& list);
    void allowMultiToggled(bool on);
    void showServers(int selected);
    void addServerClick();
    void deleteServerClick();
    void moveServer(bool up);

    QComboBox* cmUserName = nullptr;
    QPushButton* btnDeleteName = nullptr;
    QComboBox* cmPassword = nullptr;
    QLineEdit* edUniquePass = nullptr;
    QPushButton* btnDeletePassword = nullptr;
    QComboBox* cmChannel = nullptr;
    QPushButton* btnDeleteChannel = nullptr;
    QListWidget* lstServer = nullptr;
    QSpinBox* seDelay = nullptr;
    QSpinBox* seConnect = nullptr;
    QSpinBox* seLogin = nullptr;
    QComboBox* cmDouble = nullptr;
    QVBoxLayout* flags_ = nullptr;
};

}  // namespace verdo
