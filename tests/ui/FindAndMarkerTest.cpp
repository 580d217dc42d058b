// Find in the chat and the marker line: the find bar under the main window's
// panes and in whisper windows (keys, the searched pane, "3 of 17", Escape),
// and the marker line that is drawn over the text without being part of it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <array>

#include "controls/FindBar.h"
#include "controls/RichPane.h"
#include "dialogs/Whisper.h"
#include "platform/TextLineEnd.h"
#include "records/Options.h"
#include "support/FakeDialogHost.h"
#include "support/Named.h"
#include "support/TempFolder.h"
#include "ui/WindowFixture.h"

namespace verdo::testing {
namespace {

void addLines(TfrmChat& window, PaneId pane, std::initializer_list<const char*> lines) {
    for (const char* line : lines)
        window.addChatLine(pane, ChatLine{ChatSegment{line, 0x00FFFFFFu}, {}, {}});
}

class FindInTheChat : public WindowFixture {
  protected:
    FindBar& bar() { return *named<FindBar>(*window, "findBar"); }
    QLineEdit* field() { return named<QLineEdit>(bar(), "edFind"); }
    RichPane& pane(const char* name) { return *named<RichPane>(*window, name); }
    QString status() { return named<QLabel>(bar(), "lblMatches")->text(); }
};

TEST_F(FindInTheChat, TheBarFindsIgnoringCaseAndStepsWithF3) {
    addLines(*window, ChatPane, {"<Ann> hello", "<Bob> ANN? are you there", "<Cid> nobody"});
    addLines(*window, WhisperPane, {"<FROM: Ann> psst"});
    EXPECT_EQ(window->findChild<FindBar*>("findBar"), nullptr);  // made at the first find
    QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_TRUE(bar().isVisible());
    EXPECT_TRUE(field()->hasFocus());
    EXPECT_EQ(bar().pane(), &pane("reChat"));  // no pane had the focus yet

    QTest::keyClicks(field(), "ann");
    EXPECT_EQ(status(), "1 of 2");
    EXPECT_EQ(pane("reChat").extraSelections().size(), 2);
    QTest::keyClick(window.get(), Qt::Key_F3);
    EXPECT_EQ(status(), "2 of 2");
    QTest::keyClick(window.get(), Qt::Key_F3);
    EXPECT_EQ(status(), "1 of 2");  // wraps around
    QTest::keyClick(window.get(), Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(status(), "2 of 2");
    QTest::keyClicks(field(), "x");
    EXPECT_EQ(status(), "No matches");

    // Escape closes the bar while it has the focus; the marks go with it.
    QTest::keyClick(field(), Qt::Key_Escape);
    EXPECT_FALSE(bar().isVisible());
    EXPECT_TRUE(pane("reChat").extraSelections().isEmpty());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(FindInTheChat, TheBarSearchesThePaneThatLastHadTheFocus) {
    addLines(*window, ChatPane, {"ann", "ann"});
    addLines(*window, WhisperPane, {"<FROM: Ann> psst"});
    pane("reWhisper").setFocus();
    QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClicks(field(), "ANN");
    EXPECT_EQ(bar().pane(), &pane("reWhisper"));
    EXPECT_EQ(status(), "1 of 1");
    // The match list follows new lines while the bar is open.
    addLines(*window, WhisperPane, {"<FROM: Ann> again"});
    QCoreApplication::processEvents();
    EXPECT_EQ(status(), "1 of 2");
}

TEST(WhisperWindowFind, HasItsOwnBarAndEscapeClosesTheBarBeforeTheWindow) {
    tOptions options;
    FakeDialogHost host;
    auto* whisper = new TfrmWhisper("Ann", options, host);
    whisper->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<TfrmWhisper> alive(whisper);
    ASSERT_TRUE(showActive(*whisper));
    const std::array<PaneSegment, 1> line{PaneSegment{"<FROM: Ann> Hello hello", Qt::black}};
    whisper->addLine(line);
    QTest::keyClick(whisper, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    FindBar* bar = named<FindBar>(*whisper, "findBar");
    QLabel* matches = named<QLabel>(*bar, "lblMatches");
    ASSERT_TRUE(bar->isVisible());
    QTest::keyClicks(named<QLineEdit>(*bar, "edFind"), "hello");
    EXPECT_EQ(matches->text(), "1 of 2");
    QTest::keyClick(whisper, Qt::Key_F3);
    EXPECT_EQ(matches->text(), "2 of 2");
    QTest::keyClick(named<QLineEdit>(*bar, "edFind"), Qt::Key_Escape);
    EXPECT_FALSE(bar->isVisible());
    ASSERT_TRUE(alive);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_FALSE(alive);  // elsewhere Escape closes the window
}

class MarkerLine : public FindInTheChat {};

TEST_F(MarkerLine, LeavingTheWindowMarksTheLastLineOfBothPanes) {
    RichPane& chat = pane("reChat");
    addLines(*window, ChatPane, {"one", "two"});
    EXPECT_EQ(chat.markerLine(), -1);
    EXPECT_EQ(pane("reWhisper").markerLine(), -1);
    QWidget other;
    ASSERT_TRUE(showActive(other));
    const int two = chat.lineCount() - 1;
    EXPECT_EQ(chat.markerLine(), two);
    EXPECT_EQ(pane("reWhisper").markerLine(), -1);  // an empty pane has none
    addLines(*window, ChatPane, {"three"});
    EXPECT_EQ(chat.markerLine(), two);  // new lines come below it

    // It is no text: the pane's text and a saved file hold the lines only.
    EXPECT_TRUE(chat.toPlainText().endsWith("\none\ntwo\nthree"));
    TempFolder folder;
    ASSERT_TRUE(chat.saveText(folder / "chat.txt"));
    const std::string end(TextLineEnd);
    const std::string saved = readFile(folder / "chat.txt");
    EXPECT_TRUE(saved.ends_with(end + "one" + end + "two" + end + "three" + end));
    std::size_t lines = 0;
    for (std::size_t at = saved.find(end); at != std::string::npos; at = saved.find(end, at + 1))
        ++lines;
    EXPECT_EQ(lines, static_cast<std::size_t>(chat.lineCount()));
}

TEST_F(MarkerLine, TheMarkerGoesWithItsTrimmedLineAndJumpToMarkerShowsIt) {
    RichPane& chat = pane("reChat");
    chat.setMaxLines(40);
    for (int i = 0; i < 30; ++i)
        addLines(*window, ChatPane, {"filler"});
    chat.setMarker();
    const int marked = chat.lineCount() - 1;
    EXPECT_EQ(chat.markerLine(), marked);
    const int before = chat.lineCount() + 12;
    for (int i = 0; i < 12; ++i)
        addLines(*window, ChatPane, {"later"});  // trims the oldest lines
    ASSERT_LT(chat.lineCount(), before);
    EXPECT_EQ(chat.markerLine(), marked - (before - chat.lineCount()));

    QScrollBar* bar = chat.verticalScrollBar();
    bar->setValue(bar->maximum());
    window->action(ChatAction::JumpToMarker)->trigger();
    const QTextBlock top = chat.cursorForPosition(QPoint(0, 0)).block();
    const QTextBlock bottom =
        chat.cursorForPosition(QPoint(0, chat.viewport()->height() - 1)).block();
    EXPECT_LE(top.blockNumber(), chat.markerLine());
    EXPECT_GE(bottom.blockNumber(), chat.markerLine());

    for (int i = 0; i < 60; ++i)
        addLines(*window, ChatPane, {"much later"});
    EXPECT_EQ(chat.markerLine(), -1);
}

}  // namespace
}  // namespace verdo::testing
