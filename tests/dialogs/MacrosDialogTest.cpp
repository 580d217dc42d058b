// The macro keys window: its keys and texts, typing, and what Ok and Cancel hand back.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/Macros.h"
#include "ui/WidgetTestSupport.h"

namespace verdo {
namespace {

using Strings = std::vector<std::string>;

TEST(MacrosDialogTest, OffersTheTwentySixKeysAndShowsTheChosenSlot) {
    TfrmMacros dialog({"c", "B", "C"}, {"old", "bee", "sea"}, {}, nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Macro Keys"));
    ASSERT_EQ(dialog.cmKey->count(), 26);
    EXPECT_EQ(dialog.cmKey->itemText(0), QStringLiteral("Ctrl-Alt-A"));
    EXPECT_EQ(dialog.cmKey->itemText(25), QStringLiteral("Ctrl-Alt-Z"));
    EXPECT_EQ(dialog.cmKey->currentIndex(), 0);
    EXPECT_TRUE(dialog.edAction->text().isEmpty());
    EXPECT_EQ(dialog.edAction->maxLength(), 254);
    dialog.cmKey->setCurrentIndex(2);
    EXPECT_EQ(dialog.edAction->text(), QStringLiteral("sea"));
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
        {"Ok", [](TfrmMacros& d) { QTest::mouseClick(d.btnOk, Qt::LeftButton); }, true},
        {"Enter", [](TfrmMacros& d) { QTest::keyClick(d.edAction, Qt::Key_Return); }, true},
        {"Cancel", [](TfrmMacros& d) { QTest::mouseClick(d.btnCancel, Qt::LeftButton); }, false},
        {"Escape", [](TfrmMacros& d) { QTest::keyClick(d.edAction, Qt::Key_Escape); }, false},
    };
    for (const Closing& closing : closings) {
        Strings keys{"Z", "B"};
        Strings actions{"zz", "bee"};
        int modified = 0;
        testing::answerNextModal([&](QWidget* modal) {
            auto& dialog = *qobject_cast<TfrmMacros*>(modal);
            dialog.cmKey->setCurrentIndex(1);
            dialog.edAction->selectAll();
            QTest::keyClick(dialog.edAction, Qt::Key_Delete);  // B emptied
            dialog.cmKey->setCurrentIndex(0);
            QTest::keyClicks(dialog.edAction, "/me waves at <user>");
            closing.close(dialog);
        });
        const bool accepted = TfrmMacros::EditMacros(
            keys, actions, [&] { ++modified; }, nullptr);
        EXPECT_EQ(accepted, closing.written) << closing.name;
        EXPECT_GT(modified, 0) << closing.name;
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
    int modified = 0;
    TfrmMacros dialog(
        {"A", "B"}, {"a", "b"}, [&] { ++modified; }, nullptr);
    for (int slot : {1, 0, 25})
        dialog.cmKey->setCurrentIndex(slot);
    EXPECT_EQ(modified, 0);
    EXPECT_EQ(dialog.MacroKeys(), (Strings{"A", "B"}));
    EXPECT_EQ(dialog.MacroList(), (Strings{"a", "b"}));
}

}  // namespace
}  // namespace verdo
