// The entry line keeps the Tab key and never takes tabs or carriage returns.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>

#include "controls/TabEdit.h"
#include "ui/WidgetTestSupport.h"

namespace verdo {
namespace {

class TabEditTest : public ::testing::Test {
  protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        entry = new TTabEdit;
        next = new QLineEdit;
        layout->addWidget(entry);
        layout->addWidget(next);
        ASSERT_TRUE(testing::showActive(window));
        entry->setFocus();
        ASSERT_TRUE(entry->hasFocus());
    }

    QWidget window;
    TTabEdit* entry = nullptr;
    QLineEdit* next = nullptr;
};

TEST_F(TabEditTest, TabGoesToTheHookAndKeepsTheFocus) {
    QSignalSpy tabs(entry, &TTabEdit::tabPressed);
    QTest::keyClicks(entry, "ab");
    QTest::keyClick(entry, Qt::Key_Tab);
    QTest::keyClick(entry, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), entry);
    EXPECT_TRUE(entry->hasFocus());
    EXPECT_EQ(tabs.count(), 2);
    EXPECT_EQ(entry->entryText(), QStringLiteral("ab"));
}

TEST_F(TabEditTest, EnterIsReportedAndNotInserted) {
    QSignalSpy enters(entry, &TTabEdit::enterPressed);
    QTest::keyClicks(entry, "hi");
    QTest::keyClick(entry, Qt::Key_Return);
    QTest::keyClick(entry, Qt::Key_Enter);
    EXPECT_EQ(enters.count(), 2);
    EXPECT_EQ(entry->entryText(), QStringLiteral("hi"));
    EXPECT_EQ(entry->count(), 0);  // the window decides what goes into the history
}

TEST_F(TabEditTest, PastedTabsAndLineBreaksAreDropped) {
    entry->lineEdit()->insert(QStringLiteral("a\tb\rc\nd"));
    EXPECT_EQ(entry->entryText(), QStringLiteral("abc d"));
    EXPECT_EQ(entry->lineEdit()->cursorPosition(), 5);
}

TEST_F(TabEditTest, HistoryPutsTheNewestFirstAndKeepsDuplicates) {
    entry->addToHistory("one");
    entry->addToHistory("two");
    entry->addToHistory("one");
    ASSERT_EQ(entry->count(), 3);
    EXPECT_EQ(entry->itemText(0), QStringLiteral("one"));
    EXPECT_EQ(entry->itemText(1), QStringLiteral("two"));
    EXPECT_EQ(entry->itemText(2), QStringLiteral("one"));
}

TEST_F(TabEditTest, KnownBytesComeBackAsTheyWentIn) {
    const std::string name = "Zo\xC3\xAB";  // UTF-8, which typing turns into Windows-1252
    entry->setEntryBytes("/msg " + name + " ");
    entry->lineEdit()->end(false);
    entry->insertBytes("Ren\xE9");
    entry->lineEdit()->insert(QStringLiteral(u" \u2713"));  // the typed rest goes out as UTF-8
    const std::string line = "/msg " + name + " Ren\xE9 \xE2\x9C\x93";
    EXPECT_EQ(entry->entryBytes(), line);

    // The history shows the line as it was typed and gives back its bytes.
    entry->addHistoryBytes(line);
    EXPECT_EQ(entry->itemText(0), entry->entryText());
    entry->lineEdit()->clear();
    EXPECT_EQ(entry->entryBytes(), "");
    entry->setCurrentIndex(0);
    emit entry->activated(0);  // as a choice from the drop-down does
    EXPECT_EQ(entry->entryBytes(), line);
}

}  // namespace
}  // namespace verdo
