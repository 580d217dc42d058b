// Desktop notifications over D-Bus (see DBusNotifier.h).
#include "platform/qt/DBusNotifier.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>
#include <QtDebug>

namespace verdo {

namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString Interface = QStringLiteral("org.freedesktop.Notifications");
const QString DefaultAction = QStringLiteral("default");

QDBusMessage call(const QString& method) {
    return QDBusMessage::createMethodCall(Service, Path, Interface, method);
}

}  // namespace

DBusNotifier::DBusNotifier(QDBusConnection connection, QString iconName, QObject* parent)
    : QObject(parent), connection_(std::move(connection)), iconName_(std::move(iconName)) {
    connection_.connect(Service, Path, Interface, QStringLiteral("ActionInvoked"), this,
                        SLOT(onActionInvoked(uint, QString)));
    connection_.connect(Service, Path, Interface, QStringLiteral("NotificationClosed"), this,
                        SLOT(onNotificationClosed(uint, uint)));
}

void DBusNotifier::notify(const Notification& notification, std::function<void()> activated) {
    if (!connection_.isConnected()) {
        reportFailure(QStringLiteral("no session bus"));
        return;
    }
    if (capabilities_) {
        send(notification, std::move(activated));
        return;
    }
    // The first notification asks what the service can do, then goes out.
    auto* watcher = new QDBusPendingCallWatcher(
        connection_.asyncCall(call(QStringLiteral("GetCapabilities"))), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, notification, activated = std::move(activated)](QDBusPendingCallWatcher* w) {
                w->deleteLater();
                const QDBusPendingReply<QStringList> reply = *w;
                if (reply.isError()) {
                    reportFailure(reply.error().message());
                    return;
                }
                capabilities_ = Capabilities{reply.value().contains(QStringLiteral("actions")),
                                             reply.value().contains(QStringLiteral("body-markup"))};
                send(notification, activated);
            });
}

void DBusNotifier::send(const Notification& notification, std::function<void()> activated) {
    QString body = QString::fromStdString(notification.body);
    // Where the service reads markup, the text stays text.
    if (capabilities_->markup) body = body.toHtmlEscaped();
    QStringList actions;
    if (capabilities_->actions && activated) actions << DefaultAction << tr("Show");
    QDBusMessage message = call(QStringLiteral("Notify"));
    message << QStringLiteral("VerdoChat") << 0u << iconName_
            << QString::fromStdString(notification.title) << body << actions << QVariantMap() << -1;
    auto* watcher = new QDBusPendingCallWatcher(connection_.asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, activated = std::move(activated),
             wantsClick = !actions.isEmpty()](QDBusPendingCallWatcher* w) {
                w->deleteLater();
                const QDBusPendingReply<uint> reply = *w;
                if (reply.isError()) {
                    reportFailure(reply.error().message());
                    return;
                }
                if (wantsClick) activations_[reply.value()] = activated;
            });
}

void DBusNotifier::onActionInvoked(uint id, const QString& action) {
    const auto found = activations_.find(id);
    if (found == activations_.end() || action != DefaultAction) return;
    const std::function<void()> activated = found->second;
    activations_.erase(found);
    if (activated) activated();
}

void DBusNotifier::onNotificationClosed(uint id, uint /*reason*/) {
    activations_.erase(id);
}

void DBusNotifier::reportFailure(const QString& reason) {
    if (failureReported_) return;
    failureReported_ = true;
    qWarning().noquote() << "Desktop notifications are not shown:" << reason;
}

}  // namespace verdo
