// The "Responses" tab: two switches with their list editors and the reminder
// of the master switch.
#include "dialogs/SetupResponsesPage.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

#include "controls/DSStringListEdit.h"

namespace verdo {

SetupResponsesPage::SetupResponsesPage(SetupValues& values) : SetupPage(values) {
    TDSStringListEdit* phrases = makeListEdit("slPhrase", this);
    TDSStringListEdit* whispers = makeListEdit("slWhisper", this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeSwitch("cbPhrases", this));
    layout->addWidget(phrases, 1);
    layout->addWidget(makeSwitch("cbWhispers", this));
    layout->addWidget(whispers, 1);
    layout->addWidget(reminder(tr("phrase and whisper responses"), this));
}

}  // namespace verdo
