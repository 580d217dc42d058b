// ChatTray: the optional icon in the desktop's system tray. It shows how many
// whispers and highlights came since the window was last active, restores the
// window on a click, and offers Connect/Disconnect, Away, DND and Exit (the
// main window's own actions, so captions, checks and states follow them).
// The icon and its menu are made when the icon is first shown, so a window
// without one starts sooner.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QAction;
class QMenu;
class QSystemTrayIcon;
class QWidget;

namespace verdo {

class ChatTray : public QObject {
    Q_OBJECT

  public:
    ChatTray(QWidget& window, QAction& connect, QAction& away, QAction& dnd, QAction& exit);
    ~ChatTray() override;

    // Shown only where the desktop has a tray.
    void setShown(bool shown);
    bool shown() const;
    // The number of whispers and highlights not yet seen; 0 hides the count.
    void setUnseen(int count);
    QString toolTip() const;
    // Brings the window (and the windows hidden with it) back.
    std::function<void()> OnRestore;

  private:
    void createIcon();

    QWidget& window_;
    QAction& connect_;
    QAction& away_;
    QAction& dnd_;
    QAction& exit_;
    int unseen_ = 0;
    QSystemTrayIcon* icon_ = nullptr;
    QMenu* menu_ = nullptr;
};

}  // namespace verdo
