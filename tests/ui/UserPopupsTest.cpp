// The popup menus on the user lists and chat panes, driven through the real
// widgets: when their entries are enabled, the commands they send, adding to
// the custom list, the double-click, right-button selection, drops onto the
// custom list, the current pane of "&Clear", the menu headings and the reorder
// window of "&Reorder Custom List...".
#include <gtest/gtest.h>

#include <QAction>
#include <QDropEvent>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>

#include "controls/RichPane.h"
#include "controls/TabEdit.h"
#include "dialogs/EditList.h"
#include "support/FakePlatform.h"
#include "ui/Chat.h"
#include "ui/ChatPopups.h"
#include "ui/NameDrag.h"
#include "ui/WidgetTestSupport.h"
#include "ui/WindowFixture.h"

namespace verdo {
namespace {

using testing::FakePlatform;

class UserPopupsTest : public testing::WindowFixture {
  protected:
    void setCustomList(const tStringList& names) {
        window->form().document().lists().UserDef = names;
        window->showCustomList(std::nullopt);
    }
    QAction* entry(const char* name) const {
        auto* action = window->findChild<QAction*>(name);
        if (action == nullptr) ADD_FAILURE() << name;
        return action;
    }
    // The names of `menu`'s enabled entries while it is open.
    QStringList enabledEntries(QMenu* menu) {
        menu->popup(window->mapToGlobal(QPoint(10, 10)));
        QStringList names;
        for (const QAction* action : menu->actions()) {
            if (action->isEnabled() && !action->isSeparator()) names << action->objectName();
        }
        menu->close();
        return names;
    }
    QPoint rowCentre(QListWidget* list, int row) {
        return list->visualItemRect(list->item(row)).center();
    }
    void dropOnCustom(QListWidget* from, const QString& name, QPoint at) {
        std::unique_ptr<QMimeData> mime(userNameMime(*from, name.toStdString()));
        QDragEnterEvent enter(at, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window->lstDef->viewport(), &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window->lstDef->viewport(), &drop);
    }
    const tStringList& custom() { return window->form().document().lists().UserDef; }
};

TEST_F(UserPopupsTest, EntriesAreEnabledByTheSelectionAndTheLogOn) {
    const QStringList rosterAlways{"mnUserInfo", "mnUserAccount"};
    const QStringList rosterAll{"mnCopy",          "mnWhois",    "mnSCStats",     "mnBWStats",
                                "mnUserWar2Stats", "mnUserInfo", "mnUserAccount", "mnSquelch",
                                "mnUnsquelch",     "mnKick",     "mnBan",         "mnDesignate",
                                "mnChatWindow",    "mnSendURL",  "mnAddtoCustom"};
    const QStringList customAlways{"mnDefUserInformation", "mnAdd", "mnDelete", "mnEditUser",
                                   "mnEditList"};
    const QStringList customAll{"mnDefCopy",          "mnDefWhois",   "mnDefStarcraftStats",
                                "mnDefBroodwarStats", "mnWar2stats",  "mnDefUserInformation",
                                "mnDefChatWindow",    "mnDefSendURL", "mnAdd",
                                "mnDelete",           "mnEditUser",   "mnEditList"};
    setCustomList({"Eve"});
    window->lstDef->item(0)->setSelected(true);
    EXPECT_EQ(enabledEntries(window->popups->mnuDef), customAlways);  // logged off
    EXPECT_EQ(enabledEntries(window->popups->mnuUser), rosterAlways);

    logOn();
    EXPECT_EQ(enabledEntries(window->popups->mnuDef), customAll);
    window->lstUser->item(1)->setSelected(true);  // clears the custom list's
    EXPECT_EQ(enabledEntries(window->popups->mnuDef), customAlways);
    EXPECT_EQ(enabledEntries(window->popups->mnuUser), rosterAll);
    // "&Play Sound" follows the sound folder, which this run has none of.
    EXPECT_FALSE(entry("mnUserSound")->menu()->menuAction()->isEnabled());
    EXPECT_EQ(window->mnPlaySound, entry("mnUserSound")->menu());
}

TEST_F(UserPopupsTest, CommandsSendTheSelectedName) {
    logOn();
    setCustomList({"Eve"});
    window->lstUser->item(1)->setSelected(true);
    const std::pair<const char*, std::string> rosterCases[] = {
        {"mnBWStats", "/stats Bob sexp\r"},
        {"mnSCStats", "/stats Bob star\r"},
        {"mnUserWar2Stats", "/stats Bob w2bn\r"},
        {"mnDesignate", "/designate Bob\r"}};
    for (const auto& [name, line] : rosterCases) {
        entry(name)->trigger();
        EXPECT_EQ(sent(), line) << name;
    }
    window->lstDef->item(0)->setSelected(true);
    entry("mnDefBroodwarStats")->trigger();
    EXPECT_EQ(sent(), "/stats Eve sexp\r");
    entry("mnTime")->trigger();
    EXPECT_EQ(sent(), "/time\r");
    EXPECT_TRUE(window->edEntry->hasFocus());
    window->lstDef->clearSelection();
    entry("mnDefWhois")->trigger();  // nothing selected: nothing sent
    EXPECT_EQ(sent(), "");
}

TEST_F(UserPopupsTest, AddToCustomComparesWithoutRegardToCase) {
    logOn();
    setCustomList({"bob"});
    window->lstUser->item(1)->setSelected(true);
    entry("mnAddtoCustom")->trigger();
    EXPECT_EQ(custom(), tStringList{"bob"});
    EXPECT_FALSE(window->form().document().modified());
    window->lstUser->item(2)->setSelected(true);
    entry("mnAddtoCustom")->trigger();
    EXPECT_EQ(custom(), (tStringList{"bob", "Cid"}));
    EXPECT_EQ(window->lstDef->count(), 2);
    EXPECT_TRUE(window->form().document().modified());
}

TEST_F(UserPopupsTest, DoubleClickSquelchesOrUnsquelchesByTheRowsMark) {
    logOn();
    receive("1009 USER Bob 0030");
    window->form().document().options().setDoubleClickAction(0);
    for (const auto& [row, line] : {std::pair{1, "/unsquelch Bob\r"}, {0, "/squelch Ann\r"}}) {
        QTest::mouseClick(window->lstUser->viewport(), Qt::LeftButton, {},
                          rowCentre(window->lstUser, row));
        QTest::mouseDClick(window->lstUser->viewport(), Qt::LeftButton, {},
                           rowCentre(window->lstUser, row));
        EXPECT_EQ(sent(), line);
    }
    EXPECT_TRUE(window->edEntry->hasFocus());
}

TEST_F(UserPopupsTest, RightButtonSelectsTheRowUnderThePointerInOneList) {
    logOn();
    setCustomList({"Eve", "Fay"});
    window->lstUser->item(0)->setSelected(true);
    QTest::mousePress(window->lstDef->viewport(), Qt::RightButton, {},
                      rowCentre(window->lstDef, 1));
    EXPECT_TRUE(window->lstUser->selectedItems().isEmpty());
    ASSERT_EQ(window->lstDef->selectedItems().size(), 1);
    EXPECT_EQ(window->lstDef->selectedItems().front()->text(), QStringLiteral("Fay"));
    EXPECT_TRUE(window->edEntry->hasFocus());
    window->popups->mnuDef->close();
}

TEST_F(UserPopupsTest, DropsOntoTheCustomListInsertOrMove) {
    logOn();
    setCustomList({"A", "B", "C"});
    window->lstUser->item(2)->setSelected(true);
    dropOnCustom(window->lstUser, "Cid", rowCentre(window->lstDef, 1));
    EXPECT_EQ(custom(), (tStringList{"A", "Cid", "B", "C"}));
    window->lstDef->item(0)->setSelected(true);
    dropOnCustom(window->lstDef, "A", rowCentre(window->lstDef, 3));
    EXPECT_EQ(custom(), (tStringList{"Cid", "B", "A", "C"}));
    EXPECT_EQ(window->lstDef->currentItem()->text(), QStringLiteral("A"));
    EXPECT_TRUE(window->form().document().modified());
}

TEST_F(UserPopupsTest, ClearEmptiesTheWhisperPaneUntilTheChatViewIsRightClicked) {
    for (PaneId pane : {ChatPane, WhisperPane})
        window->addChatLine(pane, ChatLine{ChatSegment{"line", 0}, {}, {}});
    const QString chat = window->reChat->toPlainText();  // the start hint, then the line
    entry("mnClear")->trigger();
    EXPECT_TRUE(window->reWhisper->toPlainText().isEmpty());
    EXPECT_EQ(window->reChat->toPlainText(), chat);
    EXPECT_TRUE(chat.endsWith(QStringLiteral("line")));
    QTest::mousePress(window->reChat->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    window->popups->mnuChat->close();
    entry("mnClear")->trigger();
    EXPECT_TRUE(window->reChat->toPlainText().isEmpty());
}

TEST_F(UserPopupsTest, ReorderFromTheUsersMenuKeepsTheNewOrderOnlyOnOk) {
    QStringList headings;
    for (const QAction* menu : window->menuBar()->actions())
        headings << menu->text();
    EXPECT_EQ(headings,
              (QStringList{"&File", "&Edit", "&Options", "&Users", "&Window", "&Sounds", "&Help"}));
    EXPECT_TRUE(window->findChild<QMenu*>("mnUsers")->actions().contains(
        window->action(ChatAction::Reorder)));

    setCustomList({"A", "B", "C"});
    for (const bool ok : {false, true}) {
        window->form().document().setModified(false);
        testing::answerNextModal([ok](QWidget* modal) {
            auto* dialog = qobject_cast<TfrmEditList*>(modal);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Reorder List"));
            dialog->lstCustom->setCurrentRow(2);
            dialog->btnUp->click();
            dialog->btnUp->click();
            dialog->btnUp->click();  // the first row stays
            (ok ? dialog->btnOk : dialog->btnCancel)->click();
        });
        window->action(ChatAction::Reorder)->trigger();
        EXPECT_EQ(custom(), ok ? (tStringList{"C", "A", "B"}) : (tStringList{"A", "B", "C"}));
        EXPECT_EQ(window->lstDef->item(0)->text(), ok ? QStringLiteral("C") : QStringLiteral("A"));
        EXPECT_TRUE(window->form().document().modified());  // the moves, even when cancelled
    }
}

}  // namespace
}  // namespace verdo
