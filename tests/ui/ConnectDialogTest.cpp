// The connecting dialog: its texts, buttons, keys and place.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "dialogs/Connect.h"
#include "ui/WidgetTestSupport.h"

namespace verdo {
namespace {

class ConnectDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        owner.setGeometry(100, 100, 640, 480);
        ASSERT_TRUE(testing::showActive(owner));
        dialog = new TfrmConnect(&owner);
        dialog->OnCancel = [this] { ++cancels; };
        dialog->OnNext = [this] { ++nexts; };
    }

    QWidget owner;
    TfrmConnect* dialog = nullptr;
    int cancels = 0;
    int nexts = 0;
};

TEST_F(ConnectDialogTest, StartsWithItsTextsAndButtons) {
    EXPECT_EQ(dialog->lblServer->text(), QStringLiteral("Trying Server:"));
    EXPECT_EQ(dialog->lblTimeout->text(), QStringLiteral("Timeout in:"));
    EXPECT_EQ(dialog->btnCancel->text(), QStringLiteral("&Cancel"));
    EXPECT_EQ(dialog->btnNext->text(), QStringLiteral("&Next"));
    EXPECT_TRUE(dialog->btnCancel->isDefault());
    EXPECT_FALSE(dialog->isModal());
    EXPECT_TRUE(dialog->windowTitle().contains("Connecting"));
}

TEST_F(ConnectDialogTest, ShowsCentredOnItsOwnerWithoutBlockingIt) {
    dialog->showCentred();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    const QPoint offset = dialog->geometry().center() - owner.geometry().center();
    EXPECT_LE(offset.manhattanLength(), 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ConnectDialogTest, ButtonsAndEscapeReachTheHandlers) {
    dialog->showCentred();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    QTest::mouseClick(dialog->btnNext, Qt::LeftButton);
    EXPECT_EQ(nexts, 1);
    QTest::mouseClick(dialog->btnCancel, Qt::LeftButton);
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_EQ(cancels, 2);
    // The handler decides when the dialog goes away.
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(ConnectDialogTest, WithoutAHandlerCancelCloses) {
    dialog->OnCancel = nullptr;
    dialog->showCentred();
    QTest::mouseClick(dialog->btnCancel, Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(ConnectDialogTest, TextsCanBeChanged) {
    dialog->setServerText("Trying Server: 127.0.0.1:6112");
    dialog->setTimeoutText("Timeout in: 4");
    EXPECT_EQ(dialog->lblServer->text(), QStringLiteral("Trying Server: 127.0.0.1:6112"));
    EXPECT_EQ(dialog->lblTimeout->text(), QStringLiteral("Timeout in: 4"));
}

}  // namespace
}  // namespace verdo
