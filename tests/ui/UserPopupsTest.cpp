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
#include "support/Named.h"
#include "ui/Chat.h"
#include "ui/ChatPopups.h"
#include "ui/MainWindowParts.h"
#include "ui/NameDrag.h"
#include "ui/WidgetTestSupport.h"
#include "ui/WindowFixture.h"

namespace verdo {
namespace {

using namespace testing;  // the window's parts by name

using testing::FakePlatform;

class UserPopupsTest : public testing::WindowFixture {
  protected:
    void setCustomList(const tStringList& names) {
        window->form().document().lists().UserDef = names;
        window->optionsChanged();
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
        QApplication::sendEvent(lstDef(*window)->viewport(), &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(lstDef(*window)->viewport(), &drop);
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
    lstDef(*window)->item(0)->setSelected(true);
    openUserPopups(*window);
    EXPECT_EQ(enabledEntries(menu(*window, "mnuDef")), customAlways);  // logged off
    EXPECT_EQ(enabledEntries(menu(*window, "mnuUser")), rosterAlways);

    logOn();
    EXPECT_EQ(enabledEntries(menu(*window, "mnuDef")), customAll);
    lstUser(*window)->item(1)->setSelected(true);  // clears the custom list's
    EXPECT_EQ(enabledEntries(menu(*window, "mnuDef")), customAlways);
    EXPECT_EQ(enabledEntries(menu(*window, "mnuUser")), rosterAll);
    // "&Play Sound" follows the sound folder, which this run has none of.
    EXPECT_FALSE(entry("mnUserSound")->menu()->menuAction()->isEnabled());
}

TEST_F(UserPopupsTest, CommandsSendTheSelectedName) {
    logOn();
    setCustomList({"Eve"});
    lstUser(*window)->item(1)->setSelected(true);
    const std::pair<const char*, std::string> rosterCases[] = {
        {"mnBWStats", "/stats Bob sexp\r"},
        {"mnSCStats", "/stats Bob star\r"},
        {"mnUserWar2Stats", "/stats Bob w2bn\r"},
        {"mnDesignate", "/designate Bob\r"}};
    openUserPopups(*window);
    for (const auto& [name, line] : rosterCases) {
        entry(name)->trigger();
        EXPECT_EQ(sent(), line) << name;
    }
    lstDef(*window)->item(0)->setSelected(true);
    openUserPopups(*window);
    entry("mnDefBroodwarStats")->trigger();
    EXPECT_EQ(sent(), "/stats Eve sexp\r");
    entry("mnTime")->trigger();
    EXPECT_EQ(sent(), "/time\r");
    EXPECT_TRUE(edEntry(*window)->hasFocus());
    lstDef(*window)->clearSelection();
    entry("mnDefWhois")->trigger();  // nothing selected: nothing sent
    EXPECT_EQ(sent(), "");
}

TEST_F(UserPopupsTest, DoubleClickSquelchesOrUnsquelchesByTheRowsMark) {
    logOn();
    receive("1009 USER Bob 0030");
    window->form().document().options().setDoubleClickAction(0);
    for (const auto& [row, line] : {std::pair{1, "/unsquelch Bob\r"}, {0, "/squelch Ann\r"}}) {
        QTest::mouseClick(lstUser(*window)->viewport(), Qt::LeftButton, {},
                          rowCentre(lstUser(*window), row));
        QTest::mouseDClick(lstUser(*window)->viewport(), Qt::LeftButton, {},
                           rowCentre(lstUser(*window), row));
        EXPECT_EQ(sent(), line);
    }
    EXPECT_TRUE(edEntry(*window)->hasFocus());
}

TEST_F(UserPopupsTest, RightButtonSelectsTheRowUnderThePointerInOneList) {
    logOn();
    setCustomList({"Eve", "Fay"});
    lstUser(*window)->item(0)->setSelected(true);
    QTest::mousePress(lstDef(*window)->viewport(), Qt::RightButton, {},
                      rowCentre(lstDef(*window), 1));
    EXPECT_TRUE(lstUser(*window)->selectedItems().isEmpty());
    ASSERT_EQ(lstDef(*window)->selectedItems().size(), 1);
    EXPECT_EQ(lstDef(*window)->selectedItems().front()->text(), QStringLiteral("Fay"));
    EXPECT_TRUE(edEntry(*window)->hasFocus());
    openUserPopups(*window);  // the menu the press leads to
}

TEST_F(UserPopupsTest, RightButtonBelowTheLastRowKeepsThatListsSelection) {
    logOn();
    setCustomList({"Eve", "Fay"});
    QListWidget* custom = lstDef(*window);
    const QPoint below(5, custom->viewport()->height() - 3);
    ASSERT_EQ(custom->itemAt(below), nullptr);
    const auto pressBelow = [&] {
        custom->setFocus();
        QTest::mousePress(custom->viewport(), Qt::RightButton, {}, below);
        EXPECT_TRUE(edEntry(*window)->hasFocus());
        openUserPopups(*window);  // the menu the press leads to
    };

    custom->item(0)->setSelected(true);
    pressBelow();
    ASSERT_EQ(custom->selectedItems().size(), 1);
    EXPECT_EQ(custom->selectedItems().front()->text(), QStringLiteral("Eve"));
    EXPECT_TRUE(enabledEntries(menu(*window, "mnuDef")).contains("mnDefWhois"));

    lstUser(*window)->item(0)->setSelected(true);
    pressBelow();
    EXPECT_TRUE(lstUser(*window)->selectedItems().isEmpty());
    EXPECT_TRUE(custom->selectedItems().isEmpty());
    EXPECT_FALSE(enabledEntries(menu(*window, "mnuDef")).contains("mnDefWhois"));
}

TEST_F(UserPopupsTest, DropsOntoTheCustomListInsertOrMove) {
    logOn();
    setCustomList({"A", "B", "C"});
    lstUser(*window)->item(2)->setSelected(true);
    dropOnCustom(lstUser(*window), "Cid", rowCentre(lstDef(*window), 1));
    EXPECT_EQ(custom(), (tStringList{"A", "Cid", "B", "C"}));
    lstDef(*window)->item(0)->setSelected(true);
    dropOnCustom(lstDef(*window), "A", rowCentre(lstDef(*window), 3));
    EXPECT_EQ(custom(), (tStringList{"Cid", "B", "A", "C"}));
    EXPECT_EQ(lstDef(*window)->currentItem()->text(), QStringLiteral("A"));
    EXPECT_TRUE(window->form().document().modified());
}

TEST_F(UserPopupsTest, ClearEmptiesTheWhisperPaneUntilTheChatViewIsRightClicked) {
    for (PaneId pane : {ChatPane, WhisperPane})
        window->addChatLine(pane, ChatLine{ChatSegment{"line", 0}, {}, {}});
    const QString chat = reChat(*window)->toPlainText();  // the start hint, then the line
    openUserPopups(*window);
    entry("mnClear")->trigger();
    EXPECT_TRUE(reWhisper(*window)->toPlainText().isEmpty());
    EXPECT_EQ(reChat(*window)->toPlainText(), chat);
    EXPECT_TRUE(chat.endsWith(QStringLiteral("line")));
    QTest::mousePress(reChat(*window)->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    menu(*window, "mnuChat")->close();
    entry("mnClear")->trigger();
    EXPECT_TRUE(reChat(*window)->toPlainText().isEmpty());
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
            named<QListWidget>(*dialog, "lstCustom")->setCurrentRow(2);
            named<QPushButton>(*dialog, "btnUp")->click();
            named<QPushButton>(*dialog, "btnUp")->click();
            named<QPushButton>(*dialog, "btnUp")->click();  // the first row stays
            (ok ? named<QPushButton>(*dialog, "btnOk") : named<QPushButton>(*dialog, "btnCancel"))
                ->click();
        });
        window->action(ChatAction::Reorder)->trigger();
        EXPECT_EQ(custom(), ok ? (tStringList{"C", "A", "B"}) : (tStringList{"A", "B", "C"}));
        EXPECT_EQ(lstDef(*window)->item(0)->text(), ok ? QStringLiteral("C") : QStringLiteral("A"));
        EXPECT_TRUE(window->form().document().modified());  // the moves, even when cancelled
    }
}

}  // namespace
}  // namespace verdo
