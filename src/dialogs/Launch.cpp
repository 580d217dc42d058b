// The launcher window and its six pictures, drawn here.
#include "dialogs/Launch.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>
#include <numbers>

namespace verdo {
namespace {

struct Look {
    QColor light, dark;
};

Look lookOf(LaunchTarget target) {
    switch (target) {
        case LaunchTarget::Diablo:
            return {QColor(0xd0, 0x40, 0x30), QColor(0x40, 0x08, 0x08)};
        case LaunchTarget::Starcraft:
            return {QColor(0x50, 0x80, 0xe0), QColor(0x08, 0x10, 0x40)};
        case LaunchTarget::Broodwar:
            return {QColor(0x90, 0x50, 0xd0), QColor(0x20, 0x08, 0x38)};
        case LaunchTarget::Warcraft:
            return {QColor(0xe0, 0xb0, 0x40), QColor(0x50, 0x30, 0x08)};
        case LaunchTarget::Battlenet:
            return {QColor(0x40, 0xb0, 0xe0), QColor(0x08, 0x38, 0x60)};
        case LaunchTarget::Blizzard:
            return {QColor(0xc0, 0xd8, 0xf0), QColor(0x30, 0x50, 0x80)};
    }
    return {Qt::gray, Qt::black};
}

QPolygonF star(QPointF centre, qreal outer, qreal inner, int points) {
    QPolygonF polygon;
    for (int i = 0; i < points * 2; ++i) {
        const qreal angle = -std::numbers::pi / 2 + i * std::numbers::pi / points;
        const qreal radius = i % 2 == 0 ? outer : inner;
        polygon << centre + QPointF(std::cos(angle) * radius, std::sin(angle) * radius);
    }
    return polygon;
}

void drawMotif(QPainter& painter, LaunchTarget target, qreal u) {
    const QPointF centre(8 * u, 8 * u);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 0.8 * u, Qt::SolidLine, Qt::RoundCap));
    switch (target) {
        case LaunchTarget::Diablo: {  // a flame
            QPainterPath flame;
            flame.moveTo(8 * u, 2.5 * u);
            flame.cubicTo(12 * u, 6 * u, 13 * u, 10 * u, 8 * u, 13.5 * u);
            flame.cubicTo(3 * u, 10 * u, 5 * u, 7 * u, 6.5 * u, 5.5 * u);
            flame.cubicTo(6.5 * u, 8 * u, 8 * u, 8 * u, 8 * u, 2.5 * u);
            painter.setBrush(QColor(0xff, 0xc0, 0x40));
            painter.setPen(QPen(QColor(0xff, 0xf0, 0xc0), 0.5 * u));
            painter.drawPath(flame);
            break;
        }
        case LaunchTarget::Starcraft:  // a star
            painter.setBrush(Qt::white);
            painter.setPen(Qt::NoPen);
            painter.drawPolygon(star(centre, 5.5 * u, 2.2 * u, 5));
            break;
        case LaunchTarget::Broodwar:  // a star with claw marks
            painter.setBrush(QColor(0xf0, 0xe0, 0xff));
            painter.setPen(Qt::NoPen);
            painter.drawPolygon(star(centre, 4 * u, 1.6 * u, 5));
            painter.setPen(QPen(QColor(0xff, 0x70, 0x70), 0.8 * u, Qt::SolidLine, Qt::RoundCap));
            for (int claw = 0; claw < 3; ++claw)
                painter.drawLine(QPointF((3 + 2 * claw) * u, 13.5 * u),
                                 QPointF((6 + 2 * claw) * u, 9.5 * u));
            break;
        case LaunchTarget::Warcraft:  // crossed swords
            painter.setPen(QPen(Qt::white, 1.1 * u, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(QPointF(3.5 * u, 3.5 * u), QPointF(12.5 * u, 12.5 * u));
            painter.drawLine(QPointF(12.5 * u, 3.5 * u), QPointF(3.5 * u, 12.5 * u));
            painter.drawLine(QPointF(9.5 * u, 12.5 * u), QPointF(12.5 * u, 9.5 * u));
            painter.drawLine(QPointF(3.5 * u, 9.5 * u), QPointF(6.5 * u, 12.5 * u));
            break;
        case LaunchTarget::Battlenet:  // a globe
            painter.drawEllipse(centre, 5.5 * u, 5.5 * u);
            painter.drawEllipse(centre, 2.5 * u, 5.5 * u);
            painter.drawLine(QPointF(2.5 * u, 8 * u), QPointF(13.5 * u, 8 * u));
            break;
        case LaunchTarget::Blizzard:  // a snowflake
            painter.setPen(QPen(QColor(0x20, 0x40, 0x70), 0.9 * u, Qt::SolidLine, Qt::RoundCap));
            for (int arm = 0; arm < 6; ++arm) {
                const qreal angle = arm * std::numbers::pi / 3;
                const QPointF direction(std::cos(angle), std::sin(angle));
                painter.drawLine(centre, centre + direction * 5.5 * u);
                const QPointF fork = centre + direction * 3.5 * u;
                for (const qreal side : {-0.6, 0.6}) {
                    const QPointF branch(std::cos(angle + side), std::sin(angle + side));
                    painter.drawLine(fork, fork + branch * 1.8 * u);
                }
            }
            break;
    }
}

}  // namespace

QPixmap launchPicture(LaunchTarget target, int size) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal u = size / 16.0;
    const Look look = lookOf(target);
    QRadialGradient glow(QPointF(6 * u, 5 * u), 12 * u);
    glow.setColorAt(0, look.light);
    glow.setColorAt(1, look.dark);
    painter.setPen(QPen(look.dark.darker(150), 0.4 * u));
    painter.setBrush(glow);
    painter.drawRoundedRect(QRectF(0.5 * u, 0.5 * u, 15 * u, 15 * u), 2.5 * u, 2.5 * u);
    drawMotif(painter, target, u);
    return picture;
}

TfrmLaunch::TfrmLaunch(QWidget* parent) : QDialog(parent) {
    setObjectName("frmLaunch");
    setWindowTitle(tr("Launch Program..."));
    setModal(false);

    const QFontMetrics metrics = fontMetrics();
    const int pictureSize = metrics.height() * 4;
    auto* grid = new QGridLayout;
    const auto& targets = launchTargets();
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const LaunchTargetInfo& info = targets[i];
        auto* picture = new QToolButton(this);
        picture->setObjectName(
            QString::fromLatin1(info.picture.data(), static_cast<int>(info.picture.size())));
        const QString title =
            QString::fromLatin1(info.title.data(), static_cast<int>(info.title.size()));
        picture->setText(title);
        picture->setToolTip(info.isGame ? tr("Start %1").arg(title)
                                        : tr("Open the %1 web site").arg(title));
        picture->setIcon(QIcon(launchPicture(info.target, pictureSize)));
        picture->setIconSize(QSize(pictureSize, pictureSize));
        picture->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        picture->setAutoRaise(true);
        picture->setCursor(Qt::PointingHandCursor);
        picture->setMinimumWidth(metrics.averageCharWidth() * 20);
        const LaunchTarget target = info.target;
        connect(picture, &QToolButton::clicked, this,
                [this, target] { emit launchClicked(target); });
        grid->addWidget(picture, static_cast<int>(i / 3), static_cast<int>(i % 3));
    }

    auto* hint = new QLabel(tr("Click a picture to start the game or open the web site."), this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addLayout(grid);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace verdo
