// The help window: jumping to topics, a missing help file, and hiding.
#include "dialogs/Help.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <fstream>

#include "controls/DSHyperLink.h"
#include "dialogs/ProgramLinks.h"
#include "support/FakeDialogHost.h"
#include "support/Named.h"
#include "support/TempFolder.h"

namespace verdo {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

std::string filler(int lines) {
    std::string text;
    for (int i = 0; i < lines; ++i)
        text += "Some help text, line " + std::to_string(i) + ".\\par\n";
    return text;
}

class HelpWindowTest : public ::testing::Test {
  protected:
    HelpWindowTest() {
        std::ofstream(dir / "VerdoHelp.rtf") << "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}Help\\par\n"
                                             << filler(80) << "{\\b\\fs28 Second Topic  \\par}\n"
                                             << filler(80) << "}";
    }
    std::unique_ptr<TfrmHelp> create(const fs::path& file) {
        auto help = std::make_unique<TfrmHelp>(nullptr, file, host);
        help->resize(400, 300);
        return help;
    }
    static QTextEdit* reHelp(const TfrmHelp& help) {
        return testing::named<QTextEdit>(help, "reHelp");
    }
    QScrollBar* scrollBar(TfrmHelp& help) { return reHelp(help)->verticalScrollBar(); }

    TempFolder dir;
    testing::FakeDialogHost host;
};

TEST_F(HelpWindowTest, SelectsTheTopicFoundWithoutRegardToCase) {
    auto help = create(dir / "VerdoHelp.rtf");
    EXPECT_EQ(help->windowTitle(), "VerdoChat Help");
    EXPECT_FALSE(help->isVisible());

    help->ShowHelpTopic("SECOND topic  ");
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->isModal());
    const QTextCursor cursor = reHelp(*help)->textCursor();
    EXPECT_EQ(cursor.selectedText(), "Second Topic  ");
    EXPECT_EQ(cursor.position(), cursor.selectionEnd());
    EXPECT_TRUE(cursor.charFormat().font().bold());  // the heading keeps its format
    // Scrolled up from the end to the topic, which is near the top of the view.
    EXPECT_GT(scrollBar(*help)->value(), 0);
    EXPECT_LT(scrollBar(*help)->value(), scrollBar(*help)->maximum());
    const QRect caret = reHelp(*help)->cursorRect();
    EXPECT_LT(caret.top(), reHelp(*help)->viewport()->height() / 3);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(HelpWindowTest, LeavesTheViewAtItsEndWhenTheTopicIsMissing) {
    auto help = create(dir / "VerdoHelp.rtf");
    help->ShowHelpTopic("Second Topic  ");
    help->ShowHelpTopic("No Such Topic");
    const QTextCursor cursor = reHelp(*help)->textCursor();
    EXPECT_FALSE(cursor.hasSelection());
    EXPECT_TRUE(cursor.atEnd());
    EXPECT_EQ(scrollBar(*help)->value(), scrollBar(*help)->maximum());
}

TEST_F(HelpWindowTest, SaysOnceWhenTheFileIsMissing) {
    auto help = create(dir / "missing" / "VerdoHelp.rtf");
    const std::string missing = "Could not open file " + (dir / "missing/VerdoHelp.rtf").string();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].first, missing);
    EXPECT_EQ(host.messages[0].second, MessageKind::Error);
    EXPECT_TRUE(reHelp(*help)->document()->isEmpty());
    help->ShowHelpTopic("The Main Chat Screen");
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(HelpWindowTest, HidesWithDoneOrEscapeAndOffersTheSupportLink) {
    auto help = create(dir / "VerdoHelp.rtf");
    help->ShowHelpTopic("Help");
    QTest::mouseClick(help->findChild<QPushButton*>("btnDone"), Qt::LeftButton);
    EXPECT_FALSE(help->isVisible());
    help->ShowHelpTopic("Help");
    QTest::keyClick(help.get(), Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());

    QTest::mouseClick(help->findChild<TDSHyperLink*>("lnkSupport"), Qt::LeftButton, {},
                      QPoint(2, 2));
    EXPECT_EQ(host.links, std::vector<std::string>{SupportMailAddress});
}

}  // namespace
}  // namespace verdo
