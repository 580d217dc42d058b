// The appearance dialog: picking items from the list and the preview, changing
// colours and fonts in the options record, and what every change reports.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <string>

#include "controls/OptionsStyle.h"
#include "dialogs/Color.h"
#include "records/ColorItems.h"
#include "support/FakeDialogHost.h"
#include "support/Named.h"
#include "ui/WidgetTestSupport.h"

namespace verdo {
namespace {

using testing::named;

class ColorDialogTest : public ::testing::Test {
  protected:
    ColorDialogTest() : dialog(options, host) {
        options.setTextColor(0x00C0FFEE);
        QObject::connect(&dialog, &TfrmColor::appearanceChanged, [this] { ++applied; });
    }
    int modified() const { return host.modified; }
    QWidget* child(const char* name) { return dialog.findChild<QWidget*>(name); }

    tOptions options;
    testing::FakeDialogHost host;
    TfrmColor dialog;
    int applied = 0;
};

TEST_F(ColorDialogTest, OpensOnTheFirstOfTheEighteenItems) {
    EXPECT_EQ(dialog.windowTitle(), "Appearance");
    ASSERT_EQ(named<QComboBox>(dialog, "cmColor")->count(), 18);
    EXPECT_EQ(named<QComboBox>(dialog, "cmColor")->itemText(0), "Info Color");
    EXPECT_EQ(named<QComboBox>(dialog, "cmColor")->itemText(17), "Highlight Background");
    EXPECT_EQ(dialog.selectedItem(), 0);
}

TEST_F(ColorDialogTest, ClickingASampleSelectsItsItemAndShowsItsColour) {
    const struct {
        const char* element;
        const char* item;
    } cases[] = {
        {"lblTo", "Your Name Color"},         {"lblFrom", "Name Color"},
        {"lblSent", "Whisper Color"},         {"pnlWhisper", "Whisper Background"},
        {"lblSomeName", "Highlight Color"},   {"imSomeName", "Highlight Background"},
        {"imAnotherName", "User List Color"}, {"lblTyping", "Entry Color"},
        {"lblFriend3", "Custom User Color"},  {"lblEmote", "Emote Color"},
    };
    ASSERT_TRUE(testing::showActive(dialog));
    for (const auto& c : cases) {
        QWidget* element = child(c.element);
        ASSERT_NE(element, nullptr) << c.element;
        QTest::mouseClick(element, Qt::LeftButton, {}, QPoint(2, 2));
        EXPECT_EQ(named<QComboBox>(dialog, "cmColor")->currentText(), c.item) << c.element;
        const std::uint32_t color =
            colorOf(options, static_cast<std::size_t>(dialog.selectedItem()));
        EXPECT_EQ(named<QFrame>(dialog, "pnlColor")->palette().color(QPalette::Window),
                  toQColor(color, dialog.palette()));
    }
    EXPECT_EQ(applied + modified(), 0) << "choosing an item changes nothing";
}

TEST_F(ColorDialogTest, ChangingAColourStoresItEvenCancelledItMarksModified) {
    dialog.selectItem(15);
    const std::uint32_t before = options.yourNameColor();
    QTest::mouseClick(named<QPushButton>(dialog, "btnChange"), Qt::LeftButton);
    EXPECT_EQ(options.yourNameColor(), before);
    EXPECT_EQ(modified(), 1);
    EXPECT_EQ(applied, 1);

    host.nextColor = QColor(1, 2, 3);
    QTest::mouseClick(named<QFrame>(dialog, "pnlColor"), Qt::LeftButton);
    EXPECT_EQ(options.yourNameColor(), 0x00030201u);
    EXPECT_EQ(child("lblTo")->palette().color(QPalette::WindowText), QColor(1, 2, 3));
    EXPECT_EQ(named<QFrame>(dialog, "pnlColor")->palette().color(QPalette::Window),
              QColor(1, 2, 3));
    EXPECT_EQ(modified(), 2);
    EXPECT_EQ(applied, 2);
    EXPECT_TRUE(dialog.modified());
}

TEST_F(ColorDialogTest, AFontIsStoredWithTheTextColourNotItsOwn) {
    QFont chosen("DejaVu Sans", 13);
    chosen.setBold(true);
    chosen.setItalic(true);
    const struct {
        QPushButton* button;
        tConstFontRecord record;
    } cases[] = {{named<QPushButton>(dialog, "btnChatFont"), options.chatFont()},
                 {named<QPushButton>(dialog, "btnWhisperFont"), options.whisperFont()},
                 {named<QPushButton>(dialog, "btnUserFont"), options.userListFont()}};
    int expectedChanges = 0;
    for (const auto& c : cases) {
        QTest::mouseClick(c.button, Qt::LeftButton);
        EXPECT_EQ(c.record.faceName(), "") << "cancelled: nothing changes";
        EXPECT_EQ(applied + modified(), 2 * expectedChanges);
        host.nextFont = ChosenFont{chosen, QColor(Qt::red)};
        QTest::mouseClick(c.button, Qt::LeftButton);
        ++expectedChanges;
        EXPECT_EQ(c.record.faceName(), "DejaVu Sans");
        EXPECT_EQ(c.record.size(), 13);
        EXPECT_EQ(c.record.style(), FontBold | FontItalic);
        EXPECT_EQ(c.record.color(), 0x00C0FFEEu);
        EXPECT_EQ(applied, expectedChanges);
        EXPECT_EQ(modified(), expectedChanges);
    }
    EXPECT_EQ(child("lblWhispered")->font().pointSize(), 13);
}

TEST_F(ColorDialogTest, DoneAndEscapeClose) {
    for (const bool byEscape : {false, true}) {
        ASSERT_TRUE(testing::showActive(dialog));
        if (byEscape) {
            QTest::keyClick(&dialog, Qt::Key_Escape);
        } else {
            QTest::keyClick(named<QComboBox>(dialog, "cmColor"), Qt::Key_Return);
        }
        EXPECT_FALSE(dialog.isVisible()) << byEscape;
    }
}

}  // namespace
}  // namespace verdo
