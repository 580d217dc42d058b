// The "Scripts" window on a session of fakes: each script with its state and
// message, and the button that switches the selected one off and on.
#include "dialogs/Scripts.h"

#include <gtest/gtest.h>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "chat/ChatForm.h"
#include "scripting/SessionScripts.h"
#include "support/FakePlatform.h"
#include "support/Named.h"
#include "support/RecordingView.h"
#include "support/TempFolder.h"

namespace verdo::testing {
namespace {

TEST(ScriptsDialogTest, ListsTheStatesAndSwitchesTheSelectedScript) {
    TempFolder folder;
    const std::filesystem::path good = folder.write("good.lua", "verdo.on('talk', function() end)");
    const std::filesystem::path bad = folder.write("bad.lua", "verdo.on(");
    FakePlatform platform;
    RecordingView view;
    ChatForm form(platform, view, view);
    SessionScripts scripts(platform, form, view);
    scripts.setExtraFiles({good, bad});
    scripts.loadIfNoChatFile();

    TfrmScripts dialog(scripts, nullptr);
    ASSERT_EQ(named<QTreeWidget>(dialog, "lvScripts")->topLevelItemCount(), 2);
    EXPECT_EQ(named<QTreeWidget>(dialog, "lvScripts")->topLevelItem(0)->text(1), "running");
    EXPECT_EQ(named<QTreeWidget>(dialog, "lvScripts")->topLevelItem(1)->text(1), "error");
    EXPECT_TRUE(
        named<QTreeWidget>(dialog, "lvScripts")->topLevelItem(1)->text(2).contains("bad.lua:1"));
    // Without a chat file there is no scripts folder to open.
    EXPECT_FALSE(named<QPushButton>(dialog, "btnFolder")->isEnabled());

    named<QTreeWidget>(dialog, "lvScripts")
        ->setCurrentItem(named<QTreeWidget>(dialog, "lvScripts")->topLevelItem(0));
    QTest::mouseClick(named<QPushButton>(dialog, "btnEnable"), Qt::LeftButton);
    EXPECT_EQ(named<QTreeWidget>(dialog, "lvScripts")->topLevelItem(0)->text(1), "disabled");
    EXPECT_EQ(named<QPushButton>(dialog, "btnEnable")->text(), "&Enable");
    EXPECT_FALSE(scripts.host().isEnabled(good));
    QTest::mouseClick(named<QPushButton>(dialog, "btnEnable"), Qt::LeftButton);
    EXPECT_EQ(named<QTreeWidget>(dialog, "lvScripts")->topLevelItem(0)->text(1), "running");
}

}  // namespace
}  // namespace verdo::testing
