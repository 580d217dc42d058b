// The system tray icon (see ChatTray.h).
#include "ui/ChatTray.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QSystemTrayIcon>
#include <QWidget>

namespace verdo {

namespace {

// The program's icon with the count in a red disc at its corner.
QIcon countedIcon(int count) {
    const QIcon base = QApplication::windowIcon();
    if (count <= 0) return base;
    QPixmap pixmap = base.pixmap(48, 48);
    if (pixmap.isNull()) {
        pixmap = QPixmap(48, 48);
        pixmap.fill(Qt::transparent);
    }
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect disc(20, 20, 28, 28);
    painter.setBrush(QColor(200, 30, 30));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(disc);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(count > 99 ? 11 : 16);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(disc, Qt::AlignCenter,
                     count > 99 ? QStringLiteral("99+") : QString::number(count));
    return QIcon(pixmap);
}

}  // namespace

ChatTray::ChatTray(QWidget& window, QAction& connect, QAction& away, QAction& dnd, QAction& exit)
    : QObject(&window), window_(window), connect_(connect), away_(away), dnd_(dnd), exit_(exit) {}

ChatTray::~ChatTray() = default;

void ChatTray::createIcon() {
    menu_ = new QMenu(&window_);
    menu_->setObjectName("pmTray");
    auto* restore = menu_->addAction(tr("&Show VerdoChat"));
    QObject::connect(restore, &QAction::triggered, this, [this] {
        if (OnRestore) OnRestore();
    });
    menu_->addSeparator();
    menu_->addAction(&connect_);
    menu_->addAction(&away_);
    menu_->addAction(&dnd_);
    menu_->addSeparator();
    menu_->addAction(&exit_);
    icon_ = new QSystemTrayIcon(QApplication::windowIcon(), this);
    icon_->setContextMenu(menu_);
    setUnseen(unseen_);
    QObject::connect(icon_, &QSystemTrayIcon::activated, this,
                     [this](QSystemTrayIcon::ActivationReason reason) {
                         if (reason == QSystemTrayIcon::Trigger && OnRestore) OnRestore();
                     });
}

void ChatTray::setShown(bool shown) {
    if (icon_ == nullptr && !shown) return;
    if (icon_ == nullptr) createIcon();
    icon_->setVisible(shown);
}

bool ChatTray::shown() const {
    return icon_ != nullptr && icon_->isVisible();
}

void ChatTray::setUnseen(int count) {
    unseen_ = count;
    if (icon_ == nullptr) return;
    icon_->setIcon(countedIcon(count));
    icon_->setToolTip(toolTip());
}

QString ChatTray::toolTip() const {
    return unseen_ > 0 ? tr("VerdoChat: %1 new whispers and highlights").arg(unseen_)
                       : tr("VerdoChat");
}

}  // namespace verdo
