// SetupResponsesPage: the "Responses" tab of the configuration dialog: the
// phrases and whispers the program answers, each list with its switch.
#pragma once

#include "dialogs/SetupPage.h"

namespace verdo {

class SetupResponsesPage : public SetupPage {
    Q_OBJECT

  public:
    explicit SetupResponsesPage(SetupValues& values);
};

}  // namespace verdo
