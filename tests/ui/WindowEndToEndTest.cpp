// The real window on the real Qt platform logs on to the local gateway on
// 127.0.0.1: F4, the connecting dialog, the welcome and the home channel.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QTest>

#include "GatewayServer.h"
#include "controls/RichPane.h"
#include "dialogs/Connect.h"
#include "platform/qt/QtPlatform.h"
#include "support/WaitFor.h"
#include "ui/Chat.h"
#include "ui/MainWindowParts.h"
#include "ui/WidgetTestSupport.h"

namespace verdo {
namespace {

using namespace testing;  // the window's parts by name

TEST(WindowEndToEndTest, F4LogsTheWindowOnAndJoinsTheDefaultChannel) {
    gateway::GatewayOptions options;
    options.port = 0;
    gateway::GatewayServer server(options);
    std::string error;
    ASSERT_TRUE(server.start(error)) << error;

    TfrmChat window(std::make_unique<QtPlatform>());
    window.form().setStartServer("127.0.0.1:" + std::to_string(server.port()));
    ASSERT_TRUE(testing::showActive(window));
    // Only the local gateway: tests never reach another address.
    window.form().document().lists().ServerList = {"127.0.0.1:" + std::to_string(server.port())};
    QTest::keyClick(&window, Qt::Key_F4);
    ASSERT_TRUE(testing::waitFor([&] { return frmConnect(window)->isVisible(); }));
    ASSERT_TRUE(testing::waitFor(
        [&] { return window.form().roster().channelName() == "Blizzard Chat Verdo-1"; }));
    EXPECT_TRUE(window.form().session().LoggedOn());
    EXPECT_FALSE(frmConnect(window)->isVisible());
}

}  // namespace
}  // namespace verdo
