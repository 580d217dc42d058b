// The URL sending dialog: one address field, Ok sends, Cancel and Escape do not.
#include "dialogs/Url.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "controls/PlainLabel.h"
#include "engine/UrlMessage.h"
#include "text/DisplayText.h"
#include "text/PlainWindowTitle.h"

namespace verdo {

TfrmUrl::TfrmUrl(const std::string& user, const std::string& address, QWidget* parent)
    : QDialog(parent), user_(user) {
    setObjectName("frmUrl");
    setWindowTitle(plainWindowTitle(displayText("Send URL to " + user)));

    // The label names the field for its Alt key, so an "&" in the name is doubled
    // to show as itself rather than make a mnemonic.
    lblUrl = new TPlainLabel(
        "Send URL to " + displayText(user).replace(QChar('&'), QStringLiteral("&&")) + ":", this);
    lblUrl->setObjectName("lblUrl");
    edUrl = new QLineEdit(displayText(address), this);
    edUrl->setObjectName("edUrl");
    edUrl->setMinimumWidth(fontMetrics().averageCharWidth() * 50);
    lblUrl->setBuddy(edUrl);

    auto* buttons = new QDialogButtonBox(this);
    btnOk = buttons->addButton(tr("&Ok"), QDialogButtonBox::AcceptRole);
    btnOk->setObjectName("btnOk");
    btnOk->setDefault(true);
    btnCancel = buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    btnCancel->setObjectName("btnCancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &TfrmUrl::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TfrmUrl::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblUrl);
    layout->addWidget(edUrl);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

std::string TfrmUrl::clipboardAddress() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) return {};
    return webAddressOnClipboard(typedBytes(clipboard->text())).value_or(std::string());
}

void TfrmUrl::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    edUrl->setFocus();
    edUrl->selectAll();
}

void TfrmUrl::accept() {
    emit lineToSend(urlWhisperLine(user_, typedBytes(edUrl->text())));
    emit infoLine("URL has been sent to " + user_ + ".");
    QDialog::accept();
}

}  // namespace verdo
