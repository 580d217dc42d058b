// The "User Join" tab: its switch, the response to all users joining, the
// list editor of users with their own responses, and the master switch reminder.
#include "dialogs/SetupUserJoinPage.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "controls/DSStringListEdit.h"
#include "records/OptionField.h"
#include "text/DisplayText.h"

namespace verdo {

SetupUserJoinPage::SetupUserJoinPage(SetupValues& values) : SetupPage(values) {
    edJoin = new QLineEdit(this);
    edJoin->setObjectName("edJoin");
    edJoin->setMaxLength(static_cast<int>(field("edJoin").limit));
    connect(edJoin, &QLineEdit::textEdited, this, &SetupUserJoinPage::markModified);
    TDSStringListEdit* users = makeListEdit("slUserJoin", this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeSwitch("cbUserJoin", this));
    layout->addWidget(fieldCaption(edJoin));
    layout->addWidget(edJoin);
    layout->addWidget(users, 1);
    layout->addWidget(reminder(tr("join responses"), this));
}

void SetupUserJoinPage::fillFields() {
    edJoin->setText(displayText(values_.options.joinResponse()));
}

void SetupUserJoinPage::storeFields() {
    tOptions& options = values_.options;
    options.setJoinResponse(keptBytes(edJoin->text(), options.joinResponse()));
}

}  // namespace verdo
