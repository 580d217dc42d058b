// The "Alerts" tab of the configuration dialog: built from the alert settings'
// table, handing the edited settings back on "&Ok" only, and never marking the
// chat file modified.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "controls/ColorSwatch.h"
#include "dialogs/Setup.h"
#include "engine/ChatLists.h"
#include "records/Options.h"
#include "support/FakeDialogHost.h"

namespace verdo {
namespace {

class SetupAlertsTab : public ::testing::Test {
  protected:
    SetupAlertsTab() {
        ResetOptions(options, lists.ProductActions);
        initial.words = "lobby";
        initial.mentionColor = 0x00112233;
        dialog = std::make_unique<TfrmSetup>(nullptr, options, lists, false, "/tmp", host);
        dialog->addAlertsTab(initial);
    }
    template <class Widget>
    Widget& control(const char* name) {
        auto* found = dialog->findChild<Widget*>(name);
        EXPECT_NE(found, nullptr) << name;
        return *found;
    }

    tOptions options;
    ChatLists lists;
    AlertSettings initial;
    testing::FakeDialogHost host;
    std::unique_ptr<TfrmSetup> dialog;
};

TEST_F(SetupAlertsTab, ShowsEverySettingAndHandsTheEditsBackOnOk) {
    auto& tabs = control<QTabWidget>("pcSetup");
    EXPECT_EQ(tabs.tabText(tabs.count() - 1), "Alerts");
    EXPECT_EQ(control<QLineEdit>("alertWords").text(), "lobby");
    EXPECT_EQ(control<TColorSwatch>("alertMentionColor").color(), 0x00112233u);
    EXPECT_FALSE(control<QCheckBox>("alertTrayIcon").isChecked());

    control<QLineEdit>("alertWords").setText("lobby ladder");
    control<QCheckBox>("alertTrayIcon").setChecked(true);
    control<QCheckBox>("alertNotifyWhispers").setChecked(false);
    control<TColorSwatch>("alertMentionBackground").setColor(0x00445566);
    QTest::mouseClick(&control<QPushButton>("btnOk"), Qt::LeftButton);

    const std::optional<AlertSettings> edited = dialog->alertSettings();
    ASSERT_TRUE(edited);
    EXPECT_EQ(edited->words, "lobby ladder");
    EXPECT_TRUE(edited->trayIcon);
    EXPECT_FALSE(edited->notifyWhispers);
    EXPECT_TRUE(edited->notifyHighlights);
    EXPECT_EQ(edited->mentionBackground, 0x00445566u);
    EXPECT_EQ(edited->mentionColor, 0x00112233u);
    // Chat.ini's settings are not the chat file's: the flag is what "&Ok" of
    // the same dialog without the tab leaves.
    testing::FakeDialogHost plainHost;
    TfrmSetup plain(nullptr, options, lists, false, "/tmp", plainHost);
    QTest::mouseClick(plain.findChild<QPushButton*>("btnOk"), Qt::LeftButton);
    EXPECT_EQ(dialog->modified(), plain.modified());
}

TEST_F(SetupAlertsTab, CancelHandsNothingBack) {
    control<QLineEdit>("alertWords").setText("changed");
    QTest::mouseClick(&control<QPushButton>("btnCancel"), Qt::LeftButton);
    EXPECT_FALSE(dialog->alertSettings());
    EXPECT_FALSE(dialog->modified());
}

}  // namespace
}  // namespace verdo
