// The "Banning" tab: the two lists side by side, each under its switch, and
// the note on how names match.
#include "dialogs/SetupBanningPage.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "controls/DSStringListEdit.h"

namespace verdo {
namespace {

const char* const BanningNote =
    "Banning and exception banning may include full names or partial names/clan tags.  If ANY "
    "part of the name specified appears in a user's name, that user will be banned or skipped.";

}  // namespace

SetupBanningPage::SetupBanningPage(SetupValues& values) : SetupPage(values) {
    TDSStringListEdit* banned = makeListEdit("slBan", this);
    TDSStringListEdit* spared = makeListEdit("slNoBan", this);
    auto* ban = new QVBoxLayout;
    ban->addWidget(makeSwitch("cbBan", this));
    ban->addWidget(banned, 1);
    auto* noBan = new QVBoxLayout;
    noBan->addWidget(makeSwitch("cbNoBan", this));
    noBan->addWidget(spared, 1);
    auto* lists = new QHBoxLayout;
    lists->addLayout(ban);
    lists->addLayout(noBan);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addWidget(note(BanningNote, this, "lblBanNote"));
}

}  // namespace verdo
