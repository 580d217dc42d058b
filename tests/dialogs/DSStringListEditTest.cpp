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

#include "ui/WidgetTestSupport.h"

namespace verdo {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class ListEditTest : public ::testing::Test {
  protected:
    void SetUp() override {
        edit.setLists({"hi", "bye", "lol"}, {tStringList{"h1", "b1", "l1"},
                                             tStringList{"h2", "b2", "l2"}, tStringList{"h3"}});
        ASSERT_TRUE(testing::showActive(edit));
    }

    void select(int row) {
        QListWidgetItem* item = edit.lstItems->item(row);
        QTest::mouseClick(edit.lstItems->viewport(), Qt::LeftButton, {},
                          edit.lstItems->visualItemRect(item).center());
    }

    void answerClear(QMessageBox::StandardButton answer) {
        testing::answerNextModal([answer](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->text(), "Are you sure you want to clear all entries?");
            box->button(answer)->click();
        });
        QTest::mouseClick(edit.btnClear, Qt::LeftButton);
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
    EXPECT_TRUE(edit.cmResponse[0]->isHidden());
    EXPECT_TRUE(edit.lblResponse[2]->isHidden());
}

TEST_F(ListEditTest, SelectingShowsTheEntryAndItsResponsesAndTypingEditsThem) {
    select(2);
    EXPECT_EQ(edit.edItem->text(), "lol");
    EXPECT_EQ(edit.edItem->selectedText(), "lol");
    EXPECT_TRUE(edit.edItem->hasFocus());
    EXPECT_EQ(edit.cmResponse[1]->currentText(), "l2");
    EXPECT_EQ(edit.cmResponse[2]->currentText(), "");  // padded
    EXPECT_TRUE(changes.isEmpty());

    QTest::keyClicks(edit.edItem, "rofl");
    QTest::keyClicks(edit.cmResponse[2], "x");
    EXPECT_THAT(edit.entries(), ElementsAre("hi", "bye", "rofl"));
    EXPECT_EQ(edit.lstItems->item(2)->text(), "rofl");
    EXPECT_THAT(edit.responses()[2], ElementsAre("h3", "", "x"));
    EXPECT_EQ(changes.count(), 5);
}

TEST_F(ListEditTest, TypingWithNothingSelectedEmptiesTheField) {
    QTest::keyClicks(edit.edItem, "abc");
    QTest::keyClicks(edit.cmResponse[0], "abc");
    EXPECT_EQ(edit.edItem->text(), "");
    EXPECT_EQ(edit.cmResponse[0]->currentText(), "");
    EXPECT_THAT(edit.entries(), ElementsAre("hi", "bye", "lol"));
    EXPECT_TRUE(changes.isEmpty());
}

TEST_F(ListEditTest, AddAppendsTheNewTextsAndSelectsThem) {
    edit.setNewEntryText("New Phrase");
    edit.setNewResponseText("New Response");
    QTest::mouseClick(edit.btnAdd, Qt::LeftButton);
    EXPECT_THAT(edit.entries(), ElementsAre("hi", "bye", "lol", "New Phrase"));
    for (const tStringList& responses : edit.responses())
        EXPECT_EQ(responses.back(), "New Response");
    EXPECT_EQ(edit.lstItems->currentRow(), 3);
    EXPECT_EQ(edit.edItem->selectedText(), "New Phrase");
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(ListEditTest, DeletingAnEntryKeepsTheLaterEntriesResponses) {
    select(0);
    QTest::mouseClick(edit.btnDelete, Qt::LeftButton);
    EXPECT_THAT(edit.entries(), ElementsAre("bye", "lol"));
    EXPECT_THAT(edit.responses()[0], ElementsAre("b1", "l1"));
    EXPECT_THAT(edit.responses()[1], ElementsAre("b2", "l2"));
    EXPECT_EQ(edit.lstItems->selectedItems().size(), 0);
    EXPECT_EQ(edit.edItem->text(), "");
    select(1);
    EXPECT_EQ(edit.cmResponse[0]->currentText(), "l1");
    QTest::mouseClick(edit.btnDelete, Qt::LeftButton);
    QTest::mouseClick(edit.btnDelete, Qt::LeftButton);  // nothing selected: nothing happens
    EXPECT_THAT(edit.entries(), ElementsAre("bye"));
    EXPECT_EQ(changes.count(), 2);
}

TEST_F(ListEditTest, ClearAnsweredNoChangesNothingAndYesEmptiesEverything) {
    answerClear(QMessageBox::No);
    EXPECT_EQ(edit.entries().size(), 3u);
    EXPECT_EQ(edit.lstItems->count(), 3);
    EXPECT_TRUE(changes.isEmpty());
    answerClear(QMessageBox::Yes);
    EXPECT_THAT(edit.entries(), IsEmpty());
    for (const tStringList& responses : edit.responses())
        EXPECT_THAT(responses, IsEmpty());
    EXPECT_EQ(edit.lstItems->count(), 0);
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(ListEditTest, WithoutMultiListTheResponsesTakeNoPart) {
    edit.setMultiList(false);
    QTest::mouseClick(edit.btnAdd, Qt::LeftButton);
    select(0);
    QTest::mouseClick(edit.btnDelete, Qt::LeftButton);
    EXPECT_THAT(edit.entries(), ElementsAre("bye", "lol", "New"));
    EXPECT_THAT(edit.responses()[0], ElementsAre("h1", "b1", "l1"));
}

}  // namespace
}  // namespace verdo
