// SetupBanningPage: the "Banning" tab of the configuration dialog: the users
// banned on sight and the users never banned, each list with its switch.
#pragma once

#include "dialogs/SetupPage.h"

namespace verdo {

class SetupBanningPage : public SetupPage {
    Q_OBJECT

  public:
    explicit SetupBanningPage(SetupValues& values);
};

}  // namespace verdo
