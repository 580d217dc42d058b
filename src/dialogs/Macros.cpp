// The macro keys window: one action text per letter, written back in letter order.
#include "dialogs/Macros.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/DialogBoxes.h"
#include "dialogs/DialogHost.h"
#include "engine/ListEditing.h"
#include "text/DisplayText.h"

namespace verdo {

namespace {

const char* const HelpText =
    "Variables:\n"
    "<user>  Inserts the name of the user selected in the User List or Custom List\n"
    "<random> Inserts a random name from the channel\n"
    "<server> Inserts the current server address\n"
    "<time> Inserts the current time\n"
    "<channel> Inserts the current channel\n"
    "<parameter> Inserts any text typed on the entry line";

}  // namespace

TfrmMacros::TfrmMacros(const std::vector<std::string>& keys,
                       const std::vector<std::string>& actions, DialogHost& host, QWidget* parent)
    : QDialog(parent), table_(MacroTable::fromLists(keys, actions)), host_(host) {
    setObjectName("frmMacros");
    setWindowTitle("Macro Keys");

    cmKey = new QComboBox(this);
    cmKey->setObjectName("cmKey");
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        cmKey->addItem(QStringLiteral("Ctrl-Alt-") + QChar::fromLatin1(letter));
    edAction = new QLineEdit(this);
    edAction->setObjectName("edAction");
    edAction->setMaxLength(static_cast<int>(ListEditing::limit("macros", "action")));
    edAction->setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    auto* help = new QLabel(HelpText, this);
    help->setObjectName("lblHelp");
    help->setTextFormat(Qt::PlainText);

    btnOk = new QPushButton("&Ok", this);
    btnOk->setObjectName("btnOk");
    btnOk->setDefault(true);
    btnCancel = new QPushButton("&Cancel", this);
    btnCancel->setObjectName("btnCancel");
    btnCancel->setAutoDefault(false);

    auto* fields = new QGridLayout;
    const std::string_view keyCaption = ListEditing::find("macros")->caption;
    auto* keyLabel =
        new QLabel(QString::fromLatin1(keyCaption.data(), std::ssize(keyCaption)), this);
    keyLabel->setBuddy(cmKey);
    auto* actionLabel = new QLabel("Action:", this);
    actionLabel->setBuddy(edAction);
    fields->addWidget(keyLabel, 0, 0);
    fields->addWidget(cmKey, 0, 1, Qt::AlignLeft);
    fields->addWidget(actionLabel, 1, 0);
    fields->addWidget(edAction, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(help);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setTabChain({cmKey, edAction, btnOk, btnCancel});

    connect(cmKey, &QComboBox::currentIndexChanged, this, &TfrmMacros::cmKeyChange);
    // Only what the user types is an edit; showing a slot is not.
    connect(edAction, &QLineEdit::textEdited, this, &TfrmMacros::edActionChange);
    connect(btnOk, &QPushButton::clicked, this, &TfrmMacros::accept);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmMacros::reject);
    cmKeyChange(0);
}

bool TfrmMacros::EditMacros(std::vector<std::string>& keys, std::vector<std::string>& actions,
                            DialogHost& host, QWidget* parent) {
    TfrmMacros dialog(keys, actions, host, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    dialog.table_.toLists(keys, actions);
    return true;
}

std::vector<std::string> TfrmMacros::MacroKeys() const {
    std::vector<std::string> keys;
    std::vector<std::string> actions;
    table_.toLists(keys, actions);
    return keys;
}

std::vector<std::string> TfrmMacros::MacroList() const {
    std::vector<std::string> keys;
    std::vector<std::string> actions;
    table_.toLists(keys, actions);
    return actions;
}

void TfrmMacros::cmKeyChange(int slot) {
    if (slot < 0) return;
    edAction->setText(displayText(table_.action(static_cast<std::size_t>(slot))));
}

void TfrmMacros::edActionChange(const QString& text) {
    const int slot = cmKey->currentIndex();
    if (slot < 0) return;
    table_.setAction(static_cast<std::size_t>(slot), typedBytes(text));
    host_.markModified();
}

}  // namespace verdo
