// DBusNotifier: desktop notifications through the desktop's notification
// service (org.freedesktop.Notifications on the session bus). Calls never
// wait: the service answers while the window goes on. A click on a
// notification comes back as its "default" action, offered only where the
// service has actions. Without a service nothing is shown, and that is said
// once on the program's log, not at every event.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <optional>

#include "platform/Notifier.h"

namespace verdo {

class DBusNotifier : public QObject, public Notifier {
    Q_OBJECT

  public:
    // `iconName` is the program's icon as the desktop knows it.
    DBusNotifier(QDBusConnection connection, QString iconName, QObject* parent = nullptr);

    void notify(const Notification& notification, std::function<void()> activated) override;

  private Q_SLOTS:
    void onActionInvoked(uint id, const QString& action);
    void onNotificationClosed(uint id, uint reason);

  private:
    struct Capabilities {
        bool actions = false;
        bool markup = false;  // the body would be read as markup
    };
    void send(const Notification& notification, std::function<void()> activated);
    void reportFailure(const QString& reason);

    QDBusConnection connection_;
    QString iconName_;
    std::optional<Capabilities> capabilities_;
    std::map<uint, std::function<void()>> activations_;
    bool failureReported_ = false;
};

}  // namespace verdo
