// The About box. The version line comes from the build's project version.
#include "dialogs/About.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

#include "controls/DSHyperLink.h"
#include "dialogs/DialogHost.h"
#include "dialogs/ProgramLinks.h"
#include "platform/ProgramVersion.h"

namespace verdo {

QPixmap programPicture(int size) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal unit = size / 16.0;

    // A green speech bubble with a tail at its lower left.
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(unit, unit, 14 * unit, 10 * unit), 3 * unit, 3 * unit);
    QPainterPath tail;
    tail.moveTo(3.5 * unit, 10 * unit);
    tail.lineTo(2.5 * unit, 15 * unit);
    tail.lineTo(8 * unit, 10 * unit);
    tail.closeSubpath();
    QLinearGradient green(0, unit, 0, 11 * unit);
    green.setColorAt(0, QColor(0x6c, 0xd0, 0x6a));
    green.setColorAt(1, QColor(0x1e, 0x80, 0x3a));
    painter.setPen(QPen(QColor(0x12, 0x50, 0x24), unit * 0.6));
    painter.setBrush(green);
    painter.drawPath(bubble.united(tail));

    // Three dots of talk.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    for (int dot = 0; dot < 3; ++dot)
        painter.drawEllipse(QPointF((4.5 + 3.5 * dot) * unit, 6 * unit), 1.2 * unit, 1.2 * unit);
    return picture;
}

TfrmAbout::TfrmAbout(QWidget* parent, DialogHost& host) : QDialog(parent) {
    setObjectName("frmAbout");
    setWindowTitle(tr("About VerdoChat"));
    setModal(true);

    const QFontMetrics metrics = fontMetrics();
    imgLogo = new QLabel(this);
    imgLogo->setObjectName("imgLogo");
    imgLogo->setPixmap(programPicture(metrics.height() * 4));

    lblProduct = new QLabel(tr("VerdoChat"), this);
    lblProduct->setObjectName("lblProduct");
    QFont large = lblProduct->font();
    large.setPointSizeF(large.pointSizeF() * 1.8);
    large.setBold(true);
    lblProduct->setFont(large);
    lblDescription = new QLabel(tr("Battle.net Chat Client"), this);
    lblDescription->setObjectName("lblDescription");
    lblVersion = new QLabel(tr("Version ") + QString::fromLatin1(ProgramVersion), this);
    lblVersion->setObjectName("lblVersion");
    lblVersion->setTextInteractionFlags(Qt::TextSelectableByMouse);

    const auto openLink = [&host](const std::string& url) { host.openLink(url); };
    lnkHome = new TDSHyperLink(tr("VerdoChat home page"), HomePageAddress, openLink, this);
    lnkHome->setObjectName("lnkHome");
    lnkSupport = new TDSHyperLink(tr("E-mail support"), SupportMailAddress, openLink, this);
    lnkSupport->setObjectName("lnkSupport");

    btnDone = new QPushButton(tr("&Done"), this);
    btnDone->setObjectName("btnDone");
    btnDone->setDefault(true);
    connect(btnDone, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(lblProduct);
    texts->addWidget(lblDescription);
    texts->addWidget(lblVersion);
    texts->addSpacing(metrics.height() / 2);
    texts->addWidget(lnkHome);
    texts->addWidget(lnkSupport);
    auto* top = new QHBoxLayout;
    top->addWidget(imgLogo, 0, Qt::AlignTop);
    top->addSpacing(metrics.averageCharWidth() * 2);
    top->addLayout(texts);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnDone);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(metrics.height() / 2);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(btnDone, lnkHome);
    setTabOrder(lnkHome, lnkSupport);
    btnDone->setFocus();
}

}  // namespace verdo
