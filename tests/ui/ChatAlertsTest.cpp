// Desktop alerts end to end on a session bus of the test's own: a small
// notification service of the test's receives what each session event sends
// through the D-Bus notifier, nothing while a window of the program is active
// or Do Not Disturb is on, the connection lost once until the next log-on, and
// a click on a notification raises the window at its line.
#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QTest>
#include <QTextBlock>
#include <QVBoxLayout>
#include <QVariantMap>
#include <array>
#include <vector>

#include "platform/qt/DBusNotifier.h"
#include "support/WaitFor.h"
#include "ui/ChatAlerts.h"
#include "ui/WidgetTestSupport.h"

namespace verdo::testing {

// The notification service's side of org.freedesktop.Notifications, recording.
class TestNotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

  public:
    struct Shown {
        QString app, icon, title, body;
        QStringList actions;
    };
    std::vector<Shown> shown;
    QStringList capabilities{"actions", "body", "body-markup"};

  public Q_SLOTS:
    QStringList GetCapabilities() { return capabilities; }
    uint Notify(const QString& app, uint /*replaces*/, const QString& icon, const QString& title,
                const QString& body, const QStringList& actions, const QVariantMap& /*hints*/,
                int /*timeout*/) {
        shown.push_back({app, icon, title, body, actions});
        return static_cast<uint>(shown.size());
    }
    void CloseNotification(uint /*id*/) {}
};

namespace {

using K = SessionEventKind;

class SessionBus {
  public:
    SessionBus() {
        daemon_.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
        if (daemon_.waitForReadyRead(5000))
            address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
    }
    ~SessionBus() {
        daemon_.terminate();
        daemon_.waitForFinished(5000);
    }
    const QString& address() const { return address_; }

  private:
    QProcess daemon_;
    QString address_;
};

class ChatAlertsOnTheBus : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon did not start";
        serviceSide = QDBusConnection::connectToBus(bus.address(), "service");
        ASSERT_TRUE(serviceSide.registerService("org.freedesktop.Notifications"));
        ASSERT_TRUE(serviceSide.registerObject("/org/freedesktop/Notifications", &service,
                                               QDBusConnection::ExportAllSlots));
        notifier = std::make_unique<DBusNotifier>(
            QDBusConnection::connectToBus(bus.address(), "client"), "verdochat");
        auto* layout = new QVBoxLayout(&window);
        pane = new RichPane;
        layout->addWidget(pane);
        matcher.setOwnName("Verdo");
        alerts = std::make_unique<ChatAlerts>(*notifier, window, settings, matcher);
        alerts->programActive = [this] { return active; };
        alerts->doNotDisturb = [this] { return dnd; };
        alerts->paneFor = [this](const SessionEvent&) { return pane; };
    }
    void TearDown() override {
        alerts.reset();
        notifier.reset();
        QDBusConnection::disconnectFromBus("client");
        QDBusConnection::disconnectFromBus("service");
    }
    void send(K kind, const char* user, const char* text, bool userAsked = false) {
        SessionEvent event(kind);
        event.user = user;
        event.text = text;
        event.userAsked = userAsked;
        alerts->onEvent(event);
    }
    bool shownCount(std::size_t count) {
        return waitFor([&] { return service.shown.size() >= count; }) &&
               service.shown.size() == count;
    }

    SessionBus bus;
    QDBusConnection serviceSide{QString()};
    TestNotificationService service;
    std::unique_ptr<DBusNotifier> notifier;
    QWidget window;
    RichPane* pane = nullptr;
    AlertSettings settings;
    HighlightMatcher matcher;
    std::unique_ptr<ChatAlerts> alerts;
    bool active = false;
    bool dnd = false;
};

TEST_F(ChatAlertsOnTheBus, EachEventSendsItsNotificationOnlyWhileTheProgramIsInTheBackground) {
    active = true;
    send(K::WhisperReceived, "Ann", "seen in the window");
    active = false;
    send(K::WhisperReceived, "Ann", "are you <b>there</b>?");
    ASSERT_TRUE(shownCount(1));  // the first was never sent
    EXPECT_EQ(service.shown[0].title, "Ann");
    EXPECT_EQ(service.shown[0].body, "are you &lt;b&gt;there&lt;/b&gt;?");  // stays text
    EXPECT_EQ(service.shown[0].icon, "verdochat");
    EXPECT_EQ(service.shown[0].actions, QStringList({"default", "Show"}));

    send(K::Talk, "Bob", "nothing for you");
    send(K::Talk, "Verdo", "verdo says verdo");  // own lines never
    send(K::Talk, "Bob", "hey VERDO, look");
    ASSERT_TRUE(shownCount(2));
    EXPECT_EQ(service.shown[1].body, "hey VERDO, look");

    send(K::Kicked, "Op", "You were kicked out of the channel by Op.");
    send(K::Banned, "", "You were banned.");
    ASSERT_TRUE(shownCount(4));
    EXPECT_EQ(service.shown[2].title, "Op");
    EXPECT_EQ(service.shown[3].title, "VerdoChat");  // no sender: the program's name

    send(K::Disconnected, "", "", /*userAsked=*/true);
    send(K::Disconnected, "", "");
    send(K::Disconnected, "", "");  // once until the next log-on
    send(K::LoggedOn, "Verdo", "127.0.0.1");
    send(K::Disconnected, "", "");
    ASSERT_TRUE(shownCount(6));
    EXPECT_EQ(service.shown[4].title, "VerdoChat");
    EXPECT_EQ(service.shown[4].body, "The connection to the server was closed.");
    // The whisper and the highlight that came in the background; the first
    // whisper was seen in the window.
    EXPECT_EQ(alerts->unseen(), 2);
    alerts->windowActivated();
    EXPECT_EQ(alerts->unseen(), 0);
}

TEST_F(ChatAlertsOnTheBus, DoNotDisturbAndTheSwitchesKeepNotificationsBack) {
    dnd = true;
    send(K::WhisperReceived, "Ann", "one");
    dnd = false;
    settings.notifyWhispers = false;
    send(K::WhisperReceived, "Ann", "two");
    send(K::WhisperReceived, "Ann", "two for verdo");  // still a highlight
    settings.notifyKicked = false;
    send(K::Kicked, "Op", "kicked");
    settings.notifyConnectionLost = false;
    send(K::Disconnected, "", "");
    send(K::WhisperReceived, "Ann", "verdo again");
    ASSERT_TRUE(shownCount(2));
    EXPECT_EQ(service.shown[0].body, "two for verdo");
}

TEST_F(ChatAlertsOnTheBus, ABodyIsCutTo200CharactersAndNoActionWithoutTheCapability) {
    service.capabilities = {"body"};
    send(K::WhisperReceived, "Ann", std::string(300, 'x').c_str());
    ASSERT_TRUE(shownCount(1));
    EXPECT_EQ(service.shown[0].body.size(), 200);
    EXPECT_TRUE(service.shown[0].body.endsWith(QChar(0x2026)));
    EXPECT_TRUE(service.shown[0].actions.isEmpty());
}

TEST_F(ChatAlertsOnTheBus, ClickingTheNotificationRaisesTheWindowAtItsLine) {
    for (int i = 0; i < 200; ++i) {
        const std::array<PaneSegment, 1> line{PaneSegment{QString("line %1").arg(i), Qt::black}};
        pane->appendLine(line, window.font());
    }
    window.resize(300, 200);
    ASSERT_TRUE(showActive(window));
    window.showMinimized();
    send(K::WhisperReceived, "Ann", "look here");
    const std::array<PaneSegment, 1> line{PaneSegment{"<FROM: Ann> look here", Qt::black}};
    pane->appendLine(line, window.font());
    for (int i = 0; i < 200; ++i) {
        const std::array<PaneSegment, 1> more{PaneSegment{QString("later %1").arg(i), Qt::black}};
        pane->appendLine(more, window.font());
    }
    ASSERT_TRUE(shownCount(1));
    QDBusMessage click = QDBusMessage::createSignal(
        "/org/freedesktop/Notifications", "org.freedesktop.Notifications", "ActionInvoked");
    click << 1u << QString("default");
    ASSERT_TRUE(serviceSide.send(click));
    auto shownLine = [&] {
        return pane->cursorForPosition(pane->viewport()->rect().center()).block().blockNumber();
    };
    EXPECT_TRUE(waitFor([&] { return !window.isMinimized() && std::abs(shownLine() - 200) <= 3; }))
        << "the line in the middle is " << shownLine();
}

TEST(NotificationWithoutService, NothingIsShownAndTheLogSaysItOnce) {
    SessionBus bus;
    ASSERT_FALSE(bus.address().isEmpty());
    DBusNotifier notifier(QDBusConnection::connectToBus(bus.address(), "lonely"), "verdochat");
    int warnings = 0;
    static int* counter = nullptr;
    counter = &warnings;
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtWarningMsg && text.startsWith("Desktop notifications")) ++*counter;
        });
    notifier.notify({"Ann", "one"}, {});
    notifier.notify({"Ann", "two"}, {});
    waitFor([&] { return warnings > 0; });
    waitFor([] { return false; }, 300);
    qInstallMessageHandler(previous);
    EXPECT_EQ(warnings, 1);
    QDBusConnection::disconnectFromBus("lonely");
}

}  // namespace
}  // namespace verdo::testing

#include "ChatAlertsTest.moc"
