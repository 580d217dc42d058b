// The connecting dialog: its texts, buttons, keys and place.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "dialogs/Connect.h"
#include "support/Named.h"
#include "ui/WidgetTestSupport.h"

namespace verdo {
namespace {

using testing::named;

QLabel* lblServer(const TfrmConnect& dialog) {
    return named<QLabel>(dialog, "lblServer");
}
QLabel* lblTimeout(const TfrmConnect& dialog) {
    return named<QLabel>(dialog, "lblTimeout");
}
QPushButton* btnCancel(const TfrmConnect& dialog) {
    return named<QPushButton>(dialog, "btnCancel");
}
QPushButton* btnNext(const TfrmConnect& dialog) {
    return named<QPushButton>(dialog, "btnNext");
}

class ConnectDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        owner.setGeometry(100, 100, 640, 480);
        ASSERT_TRUE(testing::showActive(owner));
        dialog = new TfrmConnect(&owner);
        QObject::connect(dialog, &TfrmConnect::cancelClicked, [this] { ++cancels; });
        QObject::connect(dialog, &TfrmConnect::nextClicked, [this] { ++nexts; });
    }

    QWidget owner;
    TfrmConnect* dialog = nullptr;
    int cancels = 0;
    int nexts = 0;
};

TEST_F(ConnectDialogTest, StartsWithItsTextsAndButtons) {
    EXPECT_EQ(lblServer(*dialog)->text(), QStringLiteral("Trying Server:"));
    EXPECT_EQ(lblTimeout(*dialog)->text(), QStringLiteral("Timeout in:"));
    EXPECT_EQ(btnCancel(*dialog)->text(), QStringLiteral("&Cancel"));
    EXPECT_EQ(btnNext(*dialog)->text(), QStringLiteral("&Next"));
    EXPECT_TRUE(btnCancel(*dialog)->isDefault());
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
    QTest::mouseClick(btnNext(*dialog), Qt::LeftButton);
    EXPECT_EQ(nexts, 1);
    QTest::mouseClick(btnCancel(*dialog), Qt::LeftButton);
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_EQ(cancels, 2);
    // The handler decides when the dialog goes away.
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(ConnectDialogTest, WithoutAHandlerCancelCloses) {
    TfrmConnect alone(&owner);
    alone.showCentred();
    QTest::mouseClick(btnCancel(alone), Qt::LeftButton);
    EXPECT_FALSE(alone.isVisible());
}

TEST_F(ConnectDialogTest, TextsCanBeChanged) {
    dialog->setServerText("Trying Server: 127.0.0.1:6112");
    dialog->setTimeoutText("Timeout in: 4");
    EXPECT_EQ(lblServer(*dialog)->text(), QStringLiteral("Trying Server: 127.0.0.1:6112"));
    EXPECT_EQ(lblTimeout(*dialog)->text(), QStringLiteral("Timeout in: 4"));
}

}  // namespace
}  // namespace verdo
