// SetupUserJoinPage: the "User Join" tab of the configuration dialog: the
// response to everyone joining the channel and the responses to named users.
#pragma once

#include "dialogs/SetupPage.h"

class QLineEdit;

namespace verdo {

class SetupUserJoinPage : public SetupPage {
    Q_OBJECT

  public:
    explicit SetupUserJoinPage(SetupValues& values);

  protected:
    void fillFields() override;
    void storeFields() override;

  private:
    QLineEdit* edJoin = nullptr;
};

}  // namespace verdo
