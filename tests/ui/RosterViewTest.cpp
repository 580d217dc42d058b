// The owner-drawn user list: the row decisions (colours, indent, icon or
// cross), the row height, the list following the model with selections kept,
// and rows grabbed from the real widget offscreen.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>

#include "controls/RichPane.h"
#include "records/Options.h"
#include "records/UserList.h"
#include "support/FakePlatform.h"
#include "ui/Chat.h"
#include "ui/MainWindowParts.h"
#include "ui/RosterDelegate.h"
#include "ui/WidgetTestSupport.h"

namespace verdo {
namespace {

using namespace testing;  // the window's parts by name

using testing::FakePlatform;

TEST(RosterRowHeightTest, FontHeightTimesOnePointThreeTiesToEven) {
    EXPECT_EQ(rosterRowHeight(13), 17);  // 16.9
    EXPECT_EQ(rosterRowHeight(-13), 17);
    EXPECT_EQ(rosterRowHeight(5), 6);    // 6.5
    EXPECT_EQ(rosterRowHeight(15), 20);  // 19.5
    EXPECT_EQ(rosterRowHeight(11), 14);  // 14.3
    EXPECT_EQ(rosterRowHeight(0), 0);
}

class RosterRowLookTest : public ::testing::Test {
  protected:
    RosterRowLookTest() {
        ResetOptions(options, actions);
        row.name = "bob";
        row.icon = UserIcon::Starcraft;
    }
    tOptions options;
    tProductActions actions;
    RosterRow row;
};

TEST_F(RosterRowLookTest, PlainRowHasListColoursIndentAndCentredIcon) {
    const RosterRowLook look = rosterRowLook(row, false, nullptr, options, false, 17);
    EXPECT_EQ(look.background, options.userListBackground());
    EXPECT_EQ(look.text, options.userListColor());
    EXPECT_EQ(look.textX, 30);
    EXPECT_EQ(look.icon, UserIcon::Starcraft);
    EXPECT_EQ(look.iconY, 1);
    EXPECT_EQ(rosterRowLook(row, false, nullptr, options, false, 13).iconY, 0);  // toward zero
    EXPECT_EQ(rosterRowLook(row, false, nullptr, options, false, 30).iconY, 8);
}

TEST_F(RosterRowLookTest, KnownUserInTheirNameColourSelectionInHighlight) {
    tUser record;
    record.setNameColor(0x000000FF);
    EXPECT_EQ(rosterRowLook(row, false, &record, options, false, 17).text, 0x000000FFu);
    const RosterRowLook selected = rosterRowLook(row, false, &record, options, true, 17);
    EXPECT_EQ(selected.text, options.highlightColor());
    EXPECT_EQ(selected.background, options.highlightBackground());
}

TEST_F(RosterRowLookTest, CrossOnlyInPlaceOfAnIcon) {
    EXPECT_EQ(rosterRowLook(row, true, nullptr, options, false, 17).icon, UserIcon::Squelched);
    row.icon = UserIcon::None;
    const RosterRowLook bare = rosterRowLook(row, true, nullptr, options, false, 17);
    EXPECT_EQ(bare.icon, UserIcon::None);
    EXPECT_EQ(bare.textX, 30);  // still indented
}

TEST_F(RosterRowLookTest, IconsOffMeansNoPicturesAndNoIndent) {
    options.setIncludeChatIcons(false);
    const RosterRowLook look = rosterRowLook(row, true, nullptr, options, false, 17);
    EXPECT_EQ(look.icon, UserIcon::None);
    EXPECT_EQ(look.textX, 0);
}

class RosterListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        auto services = std::make_unique<FakePlatform>();
        platform = services.get();
        window = std::make_unique<TfrmChat>(std::move(services));
        ASSERT_TRUE(testing::showActive(*window));
        window->form().connectLoop().acConnectExecute();
        platform->clients.at(0)->accept();
        receive("2010 NAME Verdo");
        receive("1018 INFO \"Welcome to the test gateway!\"");
        receive("1007 CHANNEL \"Chat\"");
        ASSERT_TRUE(window->form().session().LoggedOn());
    }
    void receive(const std::string& line) {
        platform->clients.at(0)->receive(line + "\r\n");
        QCoreApplication::processEvents();
    }
    QStringList items() const {
        QStringList out;
        for (int i = 0; i < list().count(); ++i)
            out << list().item(i)->text();
        return out;
    }
    QListWidget& list() const { return *lstUser(*window); }
    QImage grab() const { return list().viewport()->grab().toImage(); }
    QRect rowRect(int row) const { return list().visualItemRect(list().item(row)); }
    // The picture as the list paints it: over the row's background.
    QImage expectedIcon(int icon, QColor background) const {
        QImage image(UserIconWidth, UserIconHeight, QImage::Format_ARGB32_Premultiplied);
        image.fill(background);
        QPainter painter(&image);
        painter.drawPixmap(0, 0, rosterDelegate(*window)->icons()[static_cast<std::size_t>(icon)]);
        return image;
    }
    QImage iconArea(const QImage& shot, int row) const {
        const QRect rect = rowRect(row);
        const int y = rect.top() + (rect.height() - UserIconHeight) / 2;
        return shot.copy(rect.left(), y, UserIconWidth, UserIconHeight)
            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    // Pixels of `color` in the row between two x positions.
    int countColor(const QImage& shot, int row, int fromX, int toX, QColor color) const {
        const QRect rect = rowRect(row);
        int count = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = fromX; x < toX && x < shot.width(); ++x)
                if (shot.pixelColor(x, y) == color) ++count;
        return count;
    }

    FakePlatform* platform = nullptr;
    std::unique_ptr<TfrmChat> window;
};

TEST_F(RosterListTest, ItemsFollowTheModelAndKeepTheSelection) {
    receive("1001 USER amy 0010 [STAR]");
    receive("1001 USER bob 0010 [STAR]");
    receive("1001 USER cid 0010 [STAR]");
    EXPECT_EQ(items(), (QStringList{"amy", "bob", "cid"}));
    list().item(1)->setSelected(true);
    receive("1003 LEAVE AMY 0010 [STAR]");
    receive("1002 JOIN dee 0010 [STAR]");
    EXPECT_EQ(items(), (QStringList{"bob", "cid", "dee"}));
    ASSERT_EQ(list().selectedItems().size(), 1);
    EXPECT_EQ(list().selectedItems().front()->text(), QStringLiteral("bob"));
    receive("1007 CHANNEL \"Elsewhere\"");
    EXPECT_TRUE(items().isEmpty());
}

TEST_F(RosterListTest, RowsArePaintedWithIconIndentAndColours) {
    auto record = std::make_unique<tUser>();
    record->setName("Plain");
    record->setNameColor(0x000000FF);  // red
    window->form().document().users().Add(std::move(record));
    receive("1001 USER op 0012 [STAR]");
    receive("1001 USER plain 0000 [XXXX]");
    const QColor black(0, 0, 0);
    const QColor cyan(0, 255, 255);  // the default User List Color
    const QColor red(255, 0, 0);
    const QImage shot = grab();
    EXPECT_EQ(rowRect(0).height(), rosterRowHeight(QFontInfo(list().font()).pixelSize()));
    EXPECT_EQ(iconArea(shot, 0), expectedIcon(UserIcon::Gavel, black));
    EXPECT_GT(countColor(shot, 0, 30, shot.width(), cyan), 0);
    EXPECT_EQ(countColor(shot, 0, 0, 30, cyan), 0);
    // No icon: nothing at the left, the name still indented, in its own colour.
    EXPECT_EQ(iconArea(shot, 1), expectedIcon(UserIcon::None, black));
    EXPECT_GT(countColor(shot, 1, 30, shot.width(), red), 0);
    EXPECT_EQ(countColor(shot, 1, 0, 30, red), 0);
    EXPECT_EQ(countColor(shot, 1, 0, shot.width(), cyan), 0);
}

TEST_F(RosterListTest, SquelchCrossOnlyOnRowsWithAnIcon) {
    receive("1001 USER bob 0010 [W2BN]");
    receive("1001 USER odd 0000 [XXXX]");
    receive("1009 USER bob 0020");
    receive("1009 USER odd 0020");
    const QColor black(0, 0, 0);
    QImage shot = grab();
    EXPECT_EQ(iconArea(shot, 0), expectedIcon(UserIcon::Squelched, black));
    EXPECT_EQ(iconArea(shot, 1), expectedIcon(UserIcon::None, black));
    receive("1009 USER bob 0000");
    shot = grab();
    EXPECT_EQ(iconArea(shot, 0), expectedIcon(UserIcon::Warcraft, black));
}

TEST_F(RosterListTest, SelectedRowInHighlightColours) {
    receive("1001 USER bob 0010 [W2BN]");
    list().item(0)->setSelected(true);
    const QImage shot = grab();
    const QColor blue(0, 0, 255);       // Highlight Background
    const QColor white(255, 255, 255);  // Highlight Color
    EXPECT_GT(countColor(shot, 0, 0, shot.width(), blue), 0);
    EXPECT_GT(countColor(shot, 0, 30, shot.width(), white), 0);
    EXPECT_EQ(iconArea(shot, 0), expectedIcon(UserIcon::Warcraft, blue));
}

TEST_F(RosterListTest, IconsOffDrawNamesAtTheLeftEdgeWithoutPictures) {
    receive("1001 USER bob 0010 [W2BN]");
    receive("1009 USER bob 0020");
    window->form().document().options().setIncludeChatIcons(false);
    window->rosterChanged();
    const QImage shot = grab();
    const QColor cyan(0, 255, 255);
    EXPECT_GT(countColor(shot, 0, 0, 8, cyan), 0);
    EXPECT_EQ(countColor(shot, 0, 0, shot.width(), QColor(220, 0, 0)), 0);
}

TEST_F(RosterListTest, AppearanceSetsRowHeightsFontsAndChannelBoxColours) {
    tOptions& options = window->form().document().options();
    options.userListFont().setSize(20);
    options.chatFont().setSize(14);
    options.setUserListBackground(0x00224466);
    options.setUserListColor(0x00336699);
    receive("1001 USER bob 0010 [W2BN]");
    lstDef(*window)->addItem("custom");
    window->ApplyAppearance();
    QCoreApplication::processEvents();
    const int expected = rosterRowHeight(QFontInfo(list().font()).pixelSize());
    EXPECT_GT(expected, 30);
    EXPECT_EQ(rowRect(0).height(), expected);
    EXPECT_EQ(lstDef(*window)->visualItemRect(lstDef(*window)->item(0)).height(), expected);
    EXPECT_EQ(reChat(*window)->font().pointSize(), 14);
    EXPECT_EQ(edChannel(*window)->palette().color(QPalette::Base), QColor(0x66, 0x44, 0x22));
    EXPECT_EQ(edChannel(*window)->palette().color(QPalette::Text), QColor(0x99, 0x66, 0x33));
    // The icon is centred in the taller row.
    const QImage shot = grab();
    EXPECT_EQ(iconArea(shot, 0), expectedIcon(UserIcon::Warcraft, QColor(0x66, 0x44, 0x22)));
}

}  // namespace
}  // namespace verdo
