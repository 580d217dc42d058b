// Appending coloured lines to a chat pane, following the newest line, keeping
// only the newest lines, and saving the text.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QAbstractTextDocumentLayout>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include <array>

#include "controls/RichPane.h"
#include "support/TempFolder.h"
#include "ui/WidgetTestSupport.h"

namespace verdo {
namespace {

class RichPaneTest : public ::testing::Test {
  protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        pane = new RichPane;
        other = new QLineEdit;
        layout->addWidget(pane);
        layout->addWidget(other);
        window.resize(300, 200);
        ASSERT_TRUE(testing::showActive(window));
        other->setFocus();
    }

    void appendNumbered(int from, int to) {
        for (int i = from; i < to; ++i) {
            const std::array<PaneSegment, 1> line{
                PaneSegment{QString("line %1").arg(i), Qt::white}};
            pane->appendLine(line, font);
        }
    }
    QString firstLine() const { return pane->document()->firstBlock().text(); }
    QString lastLine() const { return pane->document()->lastBlock().text(); }
    void scrollToTop() { pane->verticalScrollBar()->setValue(0); }

    QWidget window;
    RichPane* pane = nullptr;
    QLineEdit* other = nullptr;
    QFont font{"DejaVu Sans", 11};
};

QTextCharFormat formatAt(const RichPane& pane, int position) {
    QTextCursor cursor(pane.document());
    cursor.setPosition(position + 1);  // the format of the character before the cursor
    return cursor.charFormat();
}

TEST_F(RichPaneTest, SegmentsShareALineEachInItsColour) {
    QFont bold("DejaVu Sans", 14);
    bold.setBold(true);
    const std::array<PaneSegment, 3> line{PaneSegment{"<Bob> ", Qt::yellow},
                                          PaneSegment{"hello", Qt::white},
                                          PaneSegment{"!", Qt::red}};
    pane->appendLine(line, bold);
    const std::array<PaneSegment, 1> second{PaneSegment{"next", Qt::cyan}};
    pane->appendLine(second, font);

    EXPECT_EQ(pane->lineCount(), 2);
    EXPECT_EQ(firstLine(), QStringLiteral("<Bob> hello!"));
    EXPECT_EQ(lastLine(), QStringLiteral("next"));
    EXPECT_EQ(formatAt(*pane, 0).foreground().color(), QColor(Qt::yellow));
    EXPECT_EQ(formatAt(*pane, 6).foreground().color(), QColor(Qt::white));
    EXPECT_EQ(formatAt(*pane, 11).foreground().color(), QColor(Qt::red));
    const QFont shown = formatAt(*pane, 7).font();
    EXPECT_EQ(shown.pointSize(), 14);
    EXPECT_TRUE(shown.bold());
    const int nextStart = pane->document()->lastBlock().position();
    EXPECT_EQ(formatAt(*pane, nextStart).font().pointSize(), 11);
    EXPECT_FALSE(formatAt(*pane, nextStart).font().bold());
}

TEST_F(RichPaneTest, EmptyLinesCountAsLines) {
    const std::array<PaneSegment, 1> empty{PaneSegment{"", Qt::white}};
    pane->appendLine(empty, font);
    pane->appendLine(empty, font);
    appendNumbered(0, 1);
    EXPECT_EQ(pane->lineCount(), 3);
    EXPECT_EQ(pane->toPlainText(), QStringLiteral("\n\nline 0"));
}

TEST_F(RichPaneTest, WithoutFocusTheCaretFollowsTheNewestLine) {
    appendNumbered(0, 100);
    EXPECT_TRUE(pane->textCursor().atEnd());
    EXPECT_FALSE(pane->scrolledUp());
    EXPECT_GT(pane->verticalScrollBar()->maximum(), 0);
}

TEST_F(RichPaneTest, WithFocusCaretAndSelectionStay) {
    appendNumbered(0, 5);
    pane->setFocus();
    ASSERT_TRUE(pane->hasFocus());
    QTextCursor selection(pane->document());
    selection.setPosition(0);
    selection.setPosition(4, QTextCursor::KeepAnchor);
    pane->setTextCursor(selection);
    appendNumbered(5, 10);
    EXPECT_EQ(pane->textCursor().selectedText(), QStringLiteral("line"));
    EXPECT_EQ(pane->textCursor().selectionStart(), 0);
}

TEST_F(RichPaneTest, KeepsOnlyTheNewestLines) {
    pane->setMaxLines(100);
    appendNumbered(0, 250);
    EXPECT_LE(pane->lineCount(), 100);
    EXPECT_GE(pane->lineCount(), 90);
    EXPECT_EQ(lastLine(), QStringLiteral("line 249"));
    EXPECT_EQ(firstLine(), QString("line %1").arg(250 - pane->lineCount()));
}

TEST_F(RichPaneTest, KeepsTwentyThousandLinesByDefault) {
    EXPECT_EQ(pane->maxLines(), 20000);
    appendNumbered(0, 20001);
    EXPECT_LE(pane->lineCount(), 20000);
    EXPECT_GE(pane->lineCount(), 19000);
    EXPECT_EQ(lastLine(), QStringLiteral("line 20000"));
    EXPECT_EQ(firstLine(), QString("line %1").arg(20001 - pane->lineCount()));
}

TEST_F(RichPaneTest, WhileScrolledUpTrimmingWaitsUpToTwiceTheCap) {
    pane->setMaxLines(50);
    appendNumbered(0, 40);
    pane->setFocus();
    scrollToTop();
    ASSERT_TRUE(pane->scrolledUp());

    appendNumbered(40, 100);
    EXPECT_EQ(pane->lineCount(), 100);
    EXPECT_EQ(firstLine(), QStringLiteral("line 0"));
    EXPECT_EQ(pane->verticalScrollBar()->value(), 0);

    // Back at the newest line, the next line trims.
    pane->verticalScrollBar()->setValue(pane->verticalScrollBar()->maximum());
    appendNumbered(100, 101);
    EXPECT_LE(pane->lineCount(), 50);
    EXPECT_EQ(lastLine(), QStringLiteral("line 100"));
}

TEST_F(RichPaneTest, PastTwiceTheCapTheOldestLinesGoWhileTheReaderKeepsHisPlace) {
    appendNumbered(0, 150);
    pane->setFocus();
    // Reading line 100, which survives the trim.
    const QTextBlock read = pane->document()->findBlockByNumber(100);
    pane->verticalScrollBar()->setValue(
        static_cast<int>(pane->document()->documentLayout()->blockBoundingRect(read).top()));
    const auto topLine = [this] { return pane->cursorForPosition(QPoint(0, 2)).block().text(); };
    ASSERT_TRUE(pane->scrolledUp());
    ASSERT_EQ(topLine(), QStringLiteral("line 100"));
    pane->setMaxLines(60);
    EXPECT_EQ(pane->lineCount(), 150);  // twice the cap is 120, but the trim waits for a line

    appendNumbered(150, 151);
    EXPECT_LE(pane->lineCount(), 60);
    EXPECT_EQ(lastLine(), QStringLiteral("line 150"));
    EXPECT_TRUE(pane->scrolledUp());
    EXPECT_EQ(topLine(), QStringLiteral("line 100"));

    // A reader who never comes back still has a bounded pane.
    appendNumbered(151, 400);
    EXPECT_LE(pane->lineCount(), 120);
    EXPECT_EQ(lastLine(), QStringLiteral("line 399"));
}

TEST_F(RichPaneTest, FocusedAtTheNewestLineKeepsFollowing) {
    appendNumbered(0, 40);
    pane->setFocus();
    ASSERT_FALSE(pane->scrolledUp());
    appendNumbered(40, 80);
    EXPECT_FALSE(pane->scrolledUp());
}

// Every line in UTF-8, whatever code page its bytes arrived in, so that one
// editor setting shows the whole file.
TEST_F(RichPaneTest, SavesItsTextAsUtf8LineByLine) {
    testing::TempFolder folder;
    EXPECT_TRUE(pane->saveText(folder / "empty.txt"));
    EXPECT_EQ(folder.read("empty.txt"), "");
    for (const QString& text : {QStringLiteral(u"caf\u00E9"), QStringLiteral(u"\u2713 ok")}) {
        const std::array<PaneSegment, 1> line{PaneSegment{text, Qt::white}};
        pane->appendLine(line, font);
    }
    EXPECT_TRUE(pane->saveText(folder / "pane.txt"));
    EXPECT_EQ(folder.read("pane.txt"), "caf\xC3\xA9\n\xE2\x9C\x93 ok\n");
    EXPECT_FALSE(pane->saveText(folder.path()));  // a folder is no file
}

// The panes hold whispers: a saved copy is the owner's alone, whatever the
// umask and whatever the file it replaces allowed.
TEST_F(RichPaneTest, ASavedPaneIsReadableByItsOwnerAlone) {
    testing::TempFolder folder;
    const mode_t previousMask = ::umask(022);
    testing::writeFile(folder / "shared.txt", "old\n");
    ::chmod((folder / "shared.txt").c_str(), 0644);
    const bool saved = pane->saveText(folder / "shared.txt");
    ::umask(previousMask);
    ASSERT_TRUE(saved);
    struct stat info {};
    ASSERT_EQ(::stat((folder / "shared.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
}

}  // namespace
}  // namespace verdo
