// The account information window: the three lists in both modes, the
// selection rules, the progress panel, and its keys.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "dialogs/Account.h"
#include "support/FakeDialogHost.h"
#include "support/Named.h"
#include "support/WaitFor.h"
#include "ui/WidgetTestSupport.h"

namespace verdo {
namespace {

using testing::named;

using Strings = std::vector<std::string>;

using testing::texts;

QString selected(const QListWidget* list) {
    return list->currentItem() != nullptr ? list->currentItem()->text() : QString();
}

class AccountDialogTest : public ::testing::Test {
  protected:
    // Opens the window and waits for its first list.
    void open(const Strings& accountList, const Strings& numberList, const std::string& name) {
        dialog = std::make_unique<TfrmAccount>(accountList, numberList, name, host, nullptr);
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        ASSERT_TRUE(testing::waitFor([&] {
            return named<QListWidget>(*dialog, "lst1")->count() > 0 || accountList.empty();
        }));
        QCoreApplication::processEvents();
    }
    QStringList labels() const {
        return {named<QLabel>(*dialog, "lbl1")->text(), named<QLabel>(*dialog, "lbl2")->text(),
                named<QLabel>(*dialog, "lbl3")->text()};
    }

    // Zed used account 7 three times (and once more as zed), account 9 once;
    // ann and Bob share 7.
    const Strings names{"Zed", "ann", "Zed", "Bob", "zed", "Zed", "Cy"};
    const Strings numbers{"7", "7", "9", "7", "7", "7", "5"};
    std::unique_ptr<TfrmAccount> dialog;
    testing::FakeDialogHost host;
};

TEST_F(AccountDialogTest, WithNoPairsTheListsStayEmpty) {
    open({}, {}, "Zed");
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("User Account Information"));
    for (const QListWidget* list :
         {named<QListWidget>(*dialog, "lst1"), named<QListWidget>(*dialog, "lst2"),
          named<QListWidget>(*dialog, "lst3")}) {
        EXPECT_EQ(list->count(), 0);
        EXPECT_EQ(list->currentRow(), -1);
    }
    EXPECT_FALSE(named<QFrame>(*dialog, "pnlProgress")->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(AccountDialogTest, NamesModeSelectsTheRememberedNameElseTheFirst) {
    const std::pair<std::string, QString> cases[] = {
        {"ZED", "Zed"}, {"nobody", "ann"}, {"", "ann"}};
    for (const auto& [name, expected] : cases) {
        open(names, numbers, name);
        EXPECT_EQ(texts(named<QListWidget>(*dialog, "lst1")),
                  QStringList({"ann", "Bob", "Cy", "Zed"}))
            << name;
        EXPECT_EQ(selected(named<QListWidget>(*dialog, "lst1")), expected) << name;
    }
    EXPECT_EQ(labels(), QStringList({"Names", "Accounts with this name:",
                                     "Other names associated with this number:"}));
}

TEST_F(AccountDialogTest, SecondListRepeatsPerPairAndThirdListMatchesExactly) {
    open(names, numbers, "Zed");
    // Zed and zed are one name here: account 7 once per pair.
    EXPECT_EQ(texts(named<QListWidget>(*dialog, "lst2")), QStringList({"7", "7", "7", "9"}));
    EXPECT_EQ(named<QListWidget>(*dialog, "lst2")->currentRow(), -1);
    EXPECT_EQ(named<QListWidget>(*dialog, "lst3")->count(), 0);
    named<QListWidget>(*dialog, "lst2")->setCurrentRow(0);
    EXPECT_EQ(texts(named<QListWidget>(*dialog, "lst3")),
              QStringList({"ann", "Bob", "Zed", "Zed", "zed"}));
    named<QListWidget>(*dialog, "lst1")->setCurrentRow(2);  // Cy
    EXPECT_EQ(texts(named<QListWidget>(*dialog, "lst2")), QStringList({"5"}));
    EXPECT_EQ(named<QListWidget>(*dialog, "lst3")->count(), 0);
}

TEST_F(AccountDialogTest, NumbersAndBackSelectsTheRememberedNameAgain) {
    open(names, numbers, "bob");
    QTest::mouseClick(named<QPushButton>(*dialog, "btnNumbers"), Qt::LeftButton);
    EXPECT_EQ(labels(), QStringList({"Accounts", "Names with this account:",
                                     "Other accounts associated with this name:"}));
    EXPECT_EQ(texts(named<QListWidget>(*dialog, "lst1")), QStringList({"5", "7", "9"}));
    EXPECT_EQ(selected(named<QListWidget>(*dialog, "lst1")), QStringLiteral("5"));
    EXPECT_EQ(texts(named<QListWidget>(*dialog, "lst2")), QStringList({"Cy"}));
    named<QListWidget>(*dialog, "lst1")->setCurrentRow(1);
    named<QListWidget>(*dialog, "lst2")->setCurrentRow(2);  // "Zed", exactly
    EXPECT_EQ(texts(named<QListWidget>(*dialog, "lst3")), QStringList({"7", "7", "9"}));
    QTest::mouseClick(named<QPushButton>(*dialog, "btnNames"), Qt::LeftButton);
    EXPECT_TRUE(named<QPushButton>(*dialog, "btnNames")->isChecked());
    EXPECT_FALSE(named<QPushButton>(*dialog, "btnNumbers")->isChecked());
    EXPECT_EQ(selected(named<QListWidget>(*dialog, "lst1")), QStringLiteral("Bob"));
}

TEST_F(AccountDialogTest, BuildingShowsTheProgressPanelAndTheHourglass) {
    Strings many;
    for (int i = 0; i < 3 * static_cast<int>(AccountLists::ProgressStep); ++i)
        many.push_back(std::to_string(i % 1000));
    open(many, many, "");
    bool panelSeen = false;
    bool hourglassSeen = false;
    QTimer::singleShot(0, dialog.get(), [&] {
        panelSeen = named<QFrame>(*dialog, "pnlProgress")->isVisible() &&
                    named<QProgressBar>(*dialog, "pbProgress")->maximum() == 3 * 4096;
        hourglassSeen = QApplication::overrideCursor() != nullptr &&
                        QApplication::overrideCursor()->shape() == Qt::WaitCursor;
    });
    QTest::mouseClick(named<QPushButton>(*dialog, "btnNumbers"), Qt::LeftButton);
    EXPECT_TRUE(panelSeen);
    EXPECT_TRUE(hourglassSeen);
    EXPECT_FALSE(named<QFrame>(*dialog, "pnlProgress")->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(named<QListWidget>(*dialog, "lst1")->count(), 1000);
}

TEST_F(AccountDialogTest, DoneEnterEscapeAndHelp) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        open(names, numbers, "");
        QTest::keyClick(named<QListWidget>(*dialog, "lst1"), key);
        EXPECT_FALSE(dialog->isVisible()) << key;
    }
    open(names, numbers, "");
    QTest::keyClick(dialog.get(), Qt::Key_F1);
    EXPECT_EQ(host.helpTopics, std::vector<std::string>{"User Account Screen"});
    QTest::mouseClick(named<QPushButton>(*dialog, "btnDone"), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
}

}  // namespace
}  // namespace verdo
