// The hyperlink label: its colours follow the mouse and a release inside it
// opens the link through the service it was given.
#include "controls/DSHyperLink.h"

#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QTest>

namespace verdo {
namespace {

class HyperLinkTest : public ::testing::Test {
  protected:
    QColor textColour() const { return link.palette().color(QPalette::WindowText); }

    std::vector<std::string> opened;
    TDSHyperLink link{"Home page", "https://verdochat.example.org/",
                      [this](const std::string& url) { opened.push_back(url); }, nullptr};
};

TEST_F(HyperLinkTest, IsBlueAndUnderlinedAndRedWhileTheMouseIsOverIt) {
    EXPECT_TRUE(link.font().underline());
    EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(textColour(), QColor(0, 0, 255));

    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(&link, &enter);
    EXPECT_EQ(textColour(), QColor(255, 0, 0));
    link.setSelectedColor(Qt::green);
    EXPECT_EQ(textColour(), QColor(Qt::green));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&link, &leave);
    EXPECT_EQ(textColour(), QColor(0, 0, 255));
    EXPECT_TRUE(link.font().underline());
}

TEST_F(HyperLinkTest, OpensItsLinkOnAnyButtonsReleaseInsideOrOnSpace) {
    link.resize(100, 20);
    link.show();
    QTest::mouseRelease(&link, Qt::LeftButton, {}, QPoint(150, 10));  // dragged out first
    EXPECT_TRUE(opened.empty());
    QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&link, Qt::RightButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&link, Qt::MiddleButton, {}, QPoint(10, 10));
    QTest::keyClick(&link, Qt::Key_Space);
    EXPECT_EQ(opened, (std::vector<std::string>(4, "https://verdochat.example.org/")));

    opened.clear();
    link.setOpenButtons(Qt::LeftButton);
    QTest::mouseRelease(&link, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_TRUE(opened.empty());
}

}  // namespace
}  // namespace verdo
