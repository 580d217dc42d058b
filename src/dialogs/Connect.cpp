// The connecting dialog. It only reports the buttons; the session logic decides
// when it is shown, what it says and when it goes away.
#include "dialogs/Connect.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMetaMethod>
#include <QPushButton>
#include <QVBoxLayout>

#include "controls/PlainLabel.h"

namespace verdo {

TfrmConnect::TfrmConnect(QWidget* parent) : QDialog(parent) {
    setObjectName("frmConnect");
    setWindowTitle(tr("Connecting to Battle.net"));
    setModal(false);

    lblServer = new TPlainLabel(tr("Trying Server:"), this);
    lblServer->setObjectName("lblServer");
    lblTimeout = new TPlainLabel(tr("Timeout in:"), this);
    lblTimeout->setObjectName("lblTimeout");
    // Wide enough for a long host name without the dialog jumping in size.
    lblServer->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);

    btnCancel = new QPushButton(tr("&Cancel"), this);
    btnCancel->setObjectName("btnCancel");
    btnCancel->setDefault(true);
    btnNext = new QPushButton(tr("&Next"), this);
    btnNext->setObjectName("btnNext");
    connect(btnCancel, &QPushButton::clicked, this, &TfrmConnect::btnCancelClick);
    connect(btnNext, &QPushButton::clicked, this, &TfrmConnect::btnNextClick);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnNext);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblServer);
    layout->addWidget(lblTimeout);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TfrmConnect::setServerText(const QString& text) {
    lblServer->setText(text);
}

void TfrmConnect::setTimeoutText(const QString& text) {
    lblTimeout->setText(text);
}

void TfrmConnect::showCentred() {
    adjustSize();
    centreOnOwner();
    show();
    // The window frame is known only once shown; centre again with it.
    centreOnOwner();
    raise();
    activateWindow();
    btnCancel->setFocus();
}

void TfrmConnect::centreOnOwner() {
    const QWidget* owner = parentWidget();
    if (owner == nullptr) return;
    QRect area = geometry();
    area.moveCenter(owner->window()->geometry().center());
    move(pos() + area.topLeft() - geometry().topLeft());
}

// Escape and the window's close button land here.
void TfrmConnect::reject() {
    btnCancelClick();
}

// The owner decides when the dialog goes away; without one it just closes.
void TfrmConnect::btnCancelClick() {
    if (isSignalConnected(QMetaMethod::fromSignal(&TfrmConnect::cancelClicked))) {
        emit cancelClicked();
    } else {
        hide();
    }
}

void TfrmConnect::btnNextClick() {
    emit nextClicked();
}

}  // namespace verdo
