// SetupCommandsPage: the "Commands" tab of the configuration dialog: the
// user-defined commands with their responses and levels, edited in place.
#pragma once

#include "dialogs/SetupPage.h"

class QComboBox;
class QLineEdit;
class QListWidget;

namespace verdo {

class SetupCommandsPage : public SetupPage {
    Q_OBJECT

  public:
    explicit SetupCommandsPage(SetupValues& values);

  protected:
    void fillFields() override;

  private:
    void showCommands(int selected);
    void commandSelected();
    void commandEdited();
    void addCommandClick();
    void deleteCommandClick();
    void clearCommandsClick();

    QListWidget* lstCommand = nullptr;
    QLineEdit* edCommand = nullptr;
    QComboBox* cmCommandRes = nullptr;
    QComboBox* cmLevel = nullptr;
};

}  // namespace verdo
