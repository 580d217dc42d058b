// The reusable list editor: selection, typing, Add, Delete and Clear on its
// working lists, with the response alternatives kept index-aligned.
#include "controls/DSStringListEdit.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>

#include "support/Named.h"
#include "ui/WidgetTestSupport.h"

namespace verdo {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::named;

// The editor's parts, found by object name.
QListWidget* items(const TDSStringListEdit& edit) {
    return named<QListWidget>(edit, "lstItems");
}
QLineEdit* itemField(const TDSStringListEdit& edit) {
    return named<QLineEdit>(edit, "edItem");
}
QPushButton* button(const TDSStringListEdit& edit, const char* name) {
    return named<QPushButton>(edit, name);
}
// Response 1 to 3.
QComboBox* response(const TDSStringListEdit& edit, int number) {
    return named<QComboBox>(edit, QStringLiteral("cmResponse%1").arg(number));
}

class ListEditTest : public ::testing::Test {
  protected:
    void SetUp() override {
        edit.setLists({"hi", "bye", "lol"}, {tStringList{"h1", "b1", "l1"},
                                             tStringList{"h2", "b2", "l2"}, tStringList{"h3"}});
        ASSERT_TRUE(testing::showActive(edit));
    }

    void select(int row) {
        QListWidgetItem* item = items(edit)->item(row);
        QTest::mouseClick(items(edit)->viewport(), Qt::LeftButton, {},
                          items(edit)->visualItemRect(item).center());
    }

    TDSStringListEdit edit;
    QSignalSpy changes{&edit, &TDSStringListEdit::changed};
};

TEST(ListEditDefaults, PropertiesStartAsDocumented) {
    TDSStringListEdit edit;
    EXPECT_EQ(edit.mainCaption(), "Main Caption");
    EXPECT_EQ(edit.editCaption(), "Edit Label");
    for (int i = 0; i < TDSStringListEdit::ResponseCount; ++i)
        EXPECT_EQ(edit.responseCaption(i), QString("Label %1").arg(i + 1));
    EXPECT_EQ(edit.newEntryText(), "New");
    EXPECT_EQ(edit.newResponseText(), "New");
    EXPECT_TRUE(edit.multiList());
    edit.setMultiList(false);
    EXPECT_TRUE(response(edit, 1)->isHidden());
    EXPECT_TRUE(named<QLabel>(edit, "lblResponse3")->isHidden());
}

TEST_F(ListEditTest, SelectingShowsTheEntryAndItsResponsesAndTypingEditsThem) {
    select(2);
    EXPECT_EQ(itemField(edit)->text(), "lol");
    EXPECT_EQ(itemField(edit)->selectedText(), "lol");
    EXPECT_TRUE(itemField(edit)->hasFocus());
    EXPECT_EQ(response(edit, 2)->currentText(), "l2");
    EXPECT_EQ(response(edit, 3)->currentText(), "");  // padded
    EXPECT_TRUE(changes.isEmpty());

    QTest::keyClicks(itemField(edit), "rofl");
    QTest::keyClicks(response(edit, 3), "x");
    EXPECT_THAT(edit.entries(), ElementsAre("hi", "bye", "rofl"));
    EXPECT_EQ(items(edit)->item(2)->text(), "rofl");
    EXPECT_THAT(edit.responses()[2], ElementsAre("h3", "", "x"));
    EXPECT_EQ(changes.count(), 5);
}

TEST_F(ListEditTest, TypingWithNothingSelectedEmptiesTheField) {
    QTest::keyClicks(itemField(edit), "abc");
    QTest::keyClicks(response(edit, 1), "abc");
    EXPECT_EQ(itemField(edit)->text(), "");
    EXPECT_EQ(response(edit, 1)->currentText(), "");
    EXPECT_THAT(edit.entries(), ElementsAre("hi", "bye", "lol"));
    EXPECT_TRUE(changes.isEmpty());
}

TEST_F(ListEditTest, AddAppendsTheNewTextsAndSelectsThem) {
    edit.setNewEntryText("New Phrase");
    edit.setNewResponseText("New Response");
    QTest::mouseClick(button(edit, "btnAdd"), Qt::LeftButton);
    EXPECT_THAT(edit.entries(), ElementsAre("hi", "bye", "lol", "New Phrase"));
    for (const tStringList& responses : edit.responses())
        EXPECT_EQ(responses.back(), "New Response");
    EXPECT_EQ(items(edit)->currentRow(), 3);
    EXPECT_EQ(itemField(edit)->selectedText(), "New Phrase");
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(ListEditTest, DeletingAnEntryKeepsTheLaterEntriesResponses) {
    select(0);
    QTest::mouseClick(button(edit, "btnDelete"), Qt::LeftButton);
    EXPECT_THAT(edit.entries(), ElementsAre("bye", "lol"));
    EXPECT_THAT(edit.responses()[0], ElementsAre("b1", "l1"));
    EXPECT_THAT(edit.responses()[1], ElementsAre("b2", "l2"));
    EXPECT_EQ(items(edit)->selectedItems().size(), 0);
    EXPECT_EQ(itemField(edit)->text(), "");
    select(1);
    EXPECT_EQ(response(edit, 1)->currentText(), "l1");
    QTest::mouseClick(button(edit, "btnDelete"), Qt::LeftButton);
    // Nothing is selected now: a second Delete does nothing.
    QTest::mouseClick(button(edit, "btnDelete"), Qt::LeftButton);
    EXPECT_THAT(edit.entries(), ElementsAre("bye"));
    EXPECT_EQ(changes.count(), 2);
}

TEST_F(ListEditTest, ClearAsksTheOwnerAndClearAllEmptiesEverything) {
    QSignalSpy requests(&edit, &TDSStringListEdit::clearRequested);
    QTest::mouseClick(button(edit, "btnClear"), Qt::LeftButton);
    EXPECT_EQ(requests.count(), 1);
    EXPECT_EQ(edit.entries().size(), 3u);
    EXPECT_EQ(items(edit)->count(), 3);
    EXPECT_TRUE(changes.isEmpty());
    edit.clearAll();
    EXPECT_THAT(edit.entries(), IsEmpty());
    for (const tStringList& responses : edit.responses())
        EXPECT_THAT(responses, IsEmpty());
    EXPECT_EQ(items(edit)->count(), 0);
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(ListEditTest, WithoutMultiListTheResponsesTakeNoPart) {
    edit.setMultiList(false);
    QTest::mouseClick(button(edit, "btnAdd"), Qt::LeftButton);
    select(0);
    QTest::mouseClick(button(edit, "btnDelete"), Qt::LeftButton);
    EXPECT_THAT(edit.entries(), ElementsAre("bye", "lol", "New"));
    EXPECT_THAT(edit.responses()[0], ElementsAre("h1", "b1", "l1"));
}

}  // namespace
}  // namespace verdo
