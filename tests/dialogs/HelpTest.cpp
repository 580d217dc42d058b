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
        auto help = std::make_unique<TfrmHelp>(
            nullptr, file, [this](const QString& text) { messages << text; },
            [this](const std::string& url) { links.push_back(url); });
        help->resize(400, 300);
        return help;
    }
    QScrollBar* scrollBar(TfrmHelp& help) { return help.reHelp->verticalScrollBar(); }

    TempFolder dir;
    QStringList messages;
    std::vector<std::string> links;
};

TEST_F(HelpWindowTest, SelectsTheTopicFoundWithoutRegardToCase) {
    auto help = create(dir / "VerdoHelp.rtf");
    EXPECT_EQ(help->windowTitle(), "VerdoChat Help");
    EXPECT_FALSE(help->isVisible());

    help->ShowHelpTopic("SECOND topic  ");
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->isModal());
    const QTextCursor cursor = help->reHelp->textCursor();
    EXPECT_EQ(cursor.selectedText(), "Second Topic  ");
    EXPECT_EQ(cursor.position(), cursor.selectionEnd());
    EXPECT_TRUE(cursor.charFormat().font().bold());  // the heading keeps its format
    // Scrolled up from the end to the topic, which is near the top of the view.
    EXPECT_GT(scrollBar(*help)->value(), 0);
    EXPECT_LT(scrollBar(*help)->value(), scrollBar(*help)->maximum());
    const QRect caret = help->reHelp->cursorRect();
    EXPECT_LT(caret.top(), help->reHelp->viewport()->height() / 3);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(HelpWindowTest, LeavesTheViewAtItsEndWhenTheTopicIsMissing) {
    auto help = create(dir / "VerdoHelp.rtf");
    help->ShowHelpTopic("Second Topic  ");
    help->ShowHelpTopic("No Such Topic");
    const QTextCursor cursor = help->reHelp->textCursor();
    EXPECT_FALSE(cursor.hasSelection());
    EXPECT_TRUE(cursor.atEnd());
    EXPECT_EQ(scrollBar(*help)->value(), scrollBar(*help)->maximum());
}

TEST_F(HelpWindowTest, SaysOnceWhenTheFileIsMissing) {
    auto help = create(dir / "missing" / "VerdoHelp.rtf");
    EXPECT_EQ(messages,
              QStringList{"Could not open file " +
                          QString::fromStdString((dir / "missing/VerdoHelp.rtf").string())});
    EXPECT_TRUE(help->reHelp->document()->isEmpty());
    help->ShowHelpTopic("The Main Chat Screen");
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(messages.size(), 1);
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
    EXPECT_EQ(links, std::vector<std::string>{SupportMailAddress});
}

}  // namespace
}  // namespace verdo
