// Paints the user list's pictures: simple shapes and letters in the colours
// of each product, so that every picture stays readable at 28 x 14.
#include "controls/UserIcons.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace verdo {

namespace {

struct Badge {
    int icon;
    const char* letters;
    QColor background;
    QColor text;
};

// One lettered badge per product; darker frames keep neighbours apart.
const Badge Badges[] = {
    {UserIcon::Diablo, "D", QColor(110, 10, 10), QColor(255, 150, 40)},
    {UserIcon::Starcraft, "SC", QColor(10, 30, 90), QColor(120, 200, 255)},
    {UserIcon::Shareware, "SW", QColor(90, 90, 90), QColor(190, 230, 255)},
    {UserIcon::BroodWar, "BW", QColor(60, 0, 70), QColor(255, 90, 90)},
    {UserIcon::Blizzard, "BLZ", QColor(0, 80, 200), QColor(255, 255, 255)},
    {UserIcon::DiabloShareware, "DS", QColor(100, 100, 100), QColor(255, 150, 40)},
    {UserIcon::Warcraft, "W2", QColor(30, 80, 20), QColor(255, 210, 60)},
    {UserIcon::StarcraftJapan, "JP", QColor(250, 250, 250), QColor(210, 0, 0)},
    {UserIcon::Verdo, "VC", QColor(0, 120, 110), QColor(230, 255, 120)},
};

QPixmap blank() {
    QPixmap pixmap(UserIconWidth, UserIconHeight);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap badge(const Badge& b) {
    QPixmap pixmap = blank();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(b.background.darker(160));
    painter.setBrush(b.background);
    painter.drawRoundedRect(QRectF(0.5, 0.5, UserIconWidth - 1, UserIconHeight - 1), 3, 3);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(b.text);
    painter.drawText(QRect(0, 0, UserIconWidth, UserIconHeight), Qt::AlignCenter,
                     QString::fromLatin1(b.letters));
    return pixmap;
}

QPixmap chatBubble() {
    QPixmap pixmap = blank();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(4.5, 0.5, 20, 10), 4, 4);
    QPainterPath tail;
    tail.moveTo(8, 9);
    tail.lineTo(7, 13.5);
    tail.lineTo(13, 9);
    tail.closeSubpath();
    painter.setPen(QColor(60, 60, 60));
    painter.setBrush(QColor(250, 250, 250));
    painter.drawPath(bubble.united(tail));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 60, 60));
    for (int x : {10, 14, 18})
        painter.drawEllipse(QPointF(x + 0.5, 5.5), 1.2, 1.2);
    return pixmap;
}

QPixmap gavel() {
    QPixmap pixmap = blank();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor wood(150, 90, 30);
    // The handle, then the head across its top, then the block it strikes.
    painter.setPen(QPen(wood, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(10, 4), QPointF(20, 11));
    painter.save();
    painter.translate(9, 4);
    painter.rotate(35);
    painter.setPen(wood.darker(150));
    painter.setBrush(QColor(190, 120, 50));
    painter.drawRoundedRect(QRectF(-3, -5, 6, 10), 1.5, 1.5);
    painter.restore();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(110, 70, 30));
    painter.drawRect(QRectF(16, 11, 10, 3));
    return pixmap;
}

QPixmap redCross() {
    QPixmap pixmap = blank();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(220, 0, 0), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(9, 2), QPointF(19, 12));
    painter.drawLine(QPointF(19, 2), QPointF(9, 12));
    return pixmap;
}

}  // namespace

UserIconSet makeUserIcons() {
    UserIconSet icons;
    icons.fill(redCross());  // 9 and the unused 13 to 19
    icons[UserIcon::None] = blank();
    icons[UserIcon::Chat] = chatBubble();
    icons[UserIcon::Gavel] = gavel();
    for (const Badge& b : Badges)
        icons[static_cast<std::size_t>(b.icon)] = badge(b);
    return icons;
}

}  // namespace verdo
