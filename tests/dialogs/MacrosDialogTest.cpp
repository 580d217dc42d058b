// The macro keys window: its keys and texts, typing, and what Ok and Cancel hand back.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/Macros.h"
#include "support/FakeDialogHost.h"
#include "support/Named.h"
#include "ui/WidgetTestSupport.h"

namespace verdo {
namespace {

using testing::named;

using Strings = std::vector<std::string>;

TEST(MacrosDialogTest, OffersTheTwentySixKeysAndShowsTheChosenSlot) {
    testing::FakeDialogHost host;
    TfrmMacros dialog({"c", "B", "C"}, {"old", "bee", "sea"}, host, nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Macro Keys"));
    ASSERT_EQ(named<QComboBox>(dialog, "cmKey")->count(), 26);
    EXPECT_EQ(named<QComboBox>(dialog, "cmKey")->itemText(0), QStringLiteral("Ctrl-Alt-A"));
    EXPECT_EQ(named<QComboBox>(dialog, "cmKey")->itemText(25), QStringLiteral("Ctrl-Alt-Z"));
    EXPECT_EQ(named<QComboBox>(dialog, "cmKey")->currentIndex(), 0);
    EXPECT_TRUE(named<QLineEdit>(dialog, "edAction")->text().isEmpty());
    EXPECT_EQ(named<QLineEdit>(dialog, "edAction")->maxLength(), 254);
    named<QComboBox>(dialog, "cmKey")->setCurrentIndex(2);
    EXPECT_EQ(named<QLineEdit>(dialog, "edAction")->text(), QStringLiteral("sea"));
    const auto* help = dialog.findChild<QLabel*>("lblHelp");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->text().startsWith("Variables:\n<user>  Inserts the name of the user"));
    EXPECT_TRUE(help->text().endsWith("<parameter> Inserts any text typed on the entry line"));
}

// How the window closes: whether the lists are written back.
struct Closing {
    const char* name;
    std::function<void(TfrmMacros&)> close;
    bool written;
};

TEST(MacrosDialogTest, TypingMarksModifiedAndOnlyOkWritesTheLists) {
    const Closing closings[] = {
        {"Ok",
         [](TfrmMacros& d) { QTest::mouseClick(named<QPushButton>(d, "btnOk"), Qt::LeftButton); },
         true},
        {"Enter",
         [](TfrmMacros& d) { QTest::keyClick(named<QLineEdit>(d, "edAction"), Qt::Key_Return); },
         true},
        {"Cancel",
         [](TfrmMacros& d) {
             QTest::mouseClick(named<QPushButton>(d, "btnCancel"), Qt::LeftButton);
         },
         false},
        {"Escape",
         [](TfrmMacros& d) { QTest::keyClick(named<QLineEdit>(d, "edAction"), Qt::Key_Escape); },
         false},
    };
    for (const Closing& closing : closings) {
        Strings keys{"Z", "B"};
        Strings actions{"zz", "bee"};
        testing::FakeDialogHost host;
        testing::answerNextModal([&](QWidget* modal) {
            auto& dialog = *qobject_cast<TfrmMacros*>(modal);
            named<QComboBox>(dialog, "cmKey")->setCurrentIndex(1);
            named<QLineEdit>(dialog, "edAction")->selectAll();
            QTest::keyClick(named<QLineEdit>(dialog, "edAction"), Qt::Key_Delete);  // B emptied
            named<QComboBox>(dialog, "cmKey")->setCurrentIndex(0);
            QTest::keyClicks(named<QLineEdit>(dialog, "edAction"), "/me waves at <user>");
            closing.close(dialog);
        });
        const bool accepted = TfrmMacros::EditMacros(keys, actions, host, nullptr);
        EXPECT_EQ(accepted, closing.written) << closing.name;
        EXPECT_GT(host.modified, 0) << closing.name;
        if (closing.written) {
            EXPECT_EQ(keys, (Strings{"A", "Z"})) << closing.name;
            EXPECT_EQ(actions, (Strings{"/me waves at <user>", "zz"})) << closing.name;
        } else {
            EXPECT_EQ(keys, (Strings{"Z", "B"})) << closing.name;
            EXPECT_EQ(actions, (Strings{"zz", "bee"})) << closing.name;
        }
    }
}

TEST(MacrosDialogTest, ShowingASlotIsNoEdit) {
    testing::FakeDialogHost host;
    TfrmMacros dialog({"A", "B"}, {"a", "b"}, host, nullptr);
    for (int slot : {1, 0, 25})
        named<QComboBox>(dialog, "cmKey")->setCurrentIndex(slot);
    EXPECT_EQ(host.modified, 0);
    EXPECT_EQ(dialog.MacroKeys(), (Strings{"A", "B"}));
    EXPECT_EQ(dialog.MacroList(), (Strings{"a", "b"}));
}

}  // namespace
}  // namespace verdo
