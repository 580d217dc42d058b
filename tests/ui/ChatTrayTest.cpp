// The tray icon: made only when it is first shown, it still carries the
// count that came before it, and its menu offers the window's own actions.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QWidget>

#include "support/Named.h"
#include "ui/ChatTray.h"

namespace verdo {
namespace {

TEST(ChatTrayTest, TheIconMadeLateShowsTheCountAndTheWindowActions) {
    QWidget window;
    QAction connect("&Connect"), away("&Away"), dnd("&Do Not Disturb"), exit("E&xit");
    auto* tray = new ChatTray(window, connect, away, dnd, exit);
    int restores = 0;
    tray->OnRestore = [&] { ++restores; };

    tray->setUnseen(3);
    tray->setShown(false);
    EXPECT_FALSE(tray->shown());
    EXPECT_EQ(window.findChild<QSystemTrayIcon*>(), nullptr);

    tray->setShown(true);
    EXPECT_TRUE(tray->shown());
    auto* icon = window.findChild<QSystemTrayIcon*>();
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->toolTip(), "VerdoChat: 3 new whispers and highlights");
    const QList<QAction*> entries = testing::named<QMenu>(window, "pmTray")->actions();
    ASSERT_EQ(entries.size(), 7);
    EXPECT_EQ(entries[2], &connect);
    EXPECT_EQ(entries[6], &exit);
    entries[0]->trigger();
    EXPECT_EQ(restores, 1);

    tray->setUnseen(0);
    EXPECT_EQ(icon->toolTip(), "VerdoChat");
    tray->setShown(false);
    EXPECT_FALSE(tray->shown());
}

}  // namespace
}  // namespace verdo
