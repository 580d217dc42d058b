// SetupTimersPage: the "Timers" tab of the configuration dialog: the timed
// responses with their intervals, edited in place.
#pragma once

#include "dialogs/SetupPage.h"

class QLineEdit;
class QListWidget;
class QSpinBox;

namespace verdo {

class SetupTimersPage : public SetupPage {
    Q_OBJECT

  public:
    explicit SetupTimersPage(SetupValues& values);

  protected:
    void fillFields() override;

  private:
    void showTimers(int selected);
    void timerSelected();
    void timerEdited();
    void addTimerClick();
    void deleteTimerClick();
    void clearTimersClick();

    QListWidget* lstTimers = nullptr;
    QLineEdit* edTimer = nullptr;
    QSpinBox* seInterval = nullptr;
};

}  // namespace verdo
