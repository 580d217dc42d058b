// The configuration dialog: its tabs, texts and help topics, the log-on
// drop-downs, the server list, the ranges, the command and timer tabs, and
// what "&Ok" and "&Cancel" hand back.
#include "dialogs/Setup.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <memory>

#include "engine/CommandTable.h"
#include "controls/DSStringListEdit.h"
#include "ui/WidgetTestSupport.h"

namespace verdo {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class SetupDialogTest : public ::testing::Test {
  protected:
    SetupDialogTest() {
        ResetOptions(options, lists.ProductActions);
        options.setUserName("Verdo");
        options.setPassword("secret");
        lists.NameList = {"Verdo", "Other"};
        lists.PasswordList = {"p1", "p2"};
        lists.ServerList = {"a.example", "b.example", "c.example"};
        lists.TimerList = {"hello", "tick"};
        lists.IntervalList = {"30", "20000"};
        lists.CommandList = {"/hi", "/odd"};
        lists.CommandRes = {"<say>", "<join>"};
        lists.CommandLevel = {"0", "x"};
        lists.PhraseList = {"a", "b"};
        lists.PhraseRes = {tStringList{"a1", "b1"}, tStringList{"a2", "b2"},
                           tStringList{"a3", "b3"}};
    }

    void open(bool modified = false) {
        dialog = std::make_unique<TfrmSetup>(nullptr, options, lists, modified,
                                             dir.path().toStdString());
        dialog->OnHelp = [this](const std::string& topic) { topics.push_back(topic); };
        dialog->OnLogFileChosen = [this](const std::string& path) { chosenLogs.push_back(path); };
        ASSERT_TRUE(testing::showActive(*dialog));
    }

    // A check box takes clicks on its box and caption only: click near its left edge.
    void click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
    }

    void selectRow(QListWidget* list, int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }

    // Clicks `button`, answering its Yes/No question with `answer`.
    void answerQuestion(QAbstractButton* button, const QString& question,
                        QMessageBox::StandardButton answer) {
        testing::answerNextModal([=](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->text(), question);
            box->button(answer)->click();
        });
        click(button);
    }

    tOptions options;
    ChatLists lists;
    QTemporaryDir dir;
    std::unique_ptr<TfrmSetup> dialog;
    std::vector<std::string> topics;
    std::vector<std::string> chosenLogs;
};

TEST_F(SetupDialogTest, EightTabsInOrderWithTheirHelpTopics) {
    open();
    EXPECT_EQ(dialog->windowTitle(), "VerdoChat Configuration");
    EXPECT_TRUE(dialog->isModal());
    const QStringList captions = {"General Options", "Log File/Owners", "Responses", "User Join",
                                  "Banning",         "Product Actions", "Commands",  "Timers"};
    const std::vector<std::string> expected = {
        "General Options Tab ", "Log File/Owners Tab", "Responses Tab",         "User Join Tab",
        "Banning Tab",          "Product Action Tab",  "User Defined Commands", "Timers Tab"};
    ASSERT_EQ(dialog->pcSetup->count(), 8);
    EXPECT_EQ(dialog->pcSetup->currentIndex(), 0);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(dialog->pcSetup->tabText(i), captions[i]);
        dialog->pcSetup->setCurrentIndex(i);
        if (i % 2 == 0) {
            click(dialog->btnHelp);
        } else {
            QTest::keyClick(dialog->pcSetup->currentWidget(), Qt::Key_F1);
        }
    }
    EXPECT_EQ(topics, expected);
    EXPECT_EQ(TfrmSetup::helpTopic(8), "Chat Configuration");
    EXPECT_EQ(dialog->btnOk->text(), "&Ok");
    EXPECT_TRUE(dialog->btnOk->isDefault());
    EXPECT_EQ(dialog->btnCancel->text(), "&Cancel");
    EXPECT_EQ(dialog->btnHelp->text(), "&Help");
}

TEST_F(SetupDialogTest, ListEditorsCarryTheirCaptionsTextsAndPresets) {
    open();
    struct Expected {
        TDSStringListEdit* edit;
        const char* main;
        const char* editCaption;
        const char* newEntry;
        const char* newResponse;
        bool multi;
        QStringList presets;
    };
    const QStringList a = {"/msg <user> ", "/squelch <user>", "/unsquelch <user>", "/kick <user> ",
                           "/ban <user> ", "/unban <user>",   "/designate <user>"};
    const QStringList b = {"/msg <user> ", "/squelch <user>", "/kick <user>", "/ban <user>",
                           "/designate <user>"};
    const std::vector<Expected> editors = {
        {dialog->slOwners, "Owners:", "Edit Owner Name:", "New User", "New", false, {}},
        {dialog->slMembers, "Members:", "Edit Member Name:", "New User", "New", false, {}},
        {dialog->slPhrase, "Phrase to Respond to:", "Edit Phrase:", "New Phrase", "New Response",
         true, a},
        {dialog->slWhisper, "Whisper to Respond to:", "Edit Whisper:", "New Whisper",
         "New Response", true, a},
        {dialog->slUserJoin, "User Name:", "Edit User Name:", "New User", "New Response", true, b},
        {dialog->slBan, "Ban These Users:", "Edit User Name:", "New", "New", false, {}},
        {dialog->slNoBan, "Do NOT Ban These Users:", "Edit User Name:", "New", "New", false, {}},
    };
    for (const Expected& e : editors) {
        SCOPED_TRACE(e.main);
        EXPECT_EQ(e.edit->mainCaption(), e.main);
        EXPECT_EQ(e.edit->editCaption(), e.editCaption);
        EXPECT_EQ(e.edit->newEntryText(), e.newEntry);
        EXPECT_EQ(e.edit->newResponseText(), e.newResponse);
        EXPECT_EQ(e.edit->multiList(), e.multi);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(e.edit->presets(i), e.presets);
            EXPECT_EQ(e.edit->responseCaption(i), QString("Response #%1:").arg(i + 1));
        }
    }
}

TEST_F(SetupDialogTest, CancelAfterEditsHandsNothingBackButTheChosenLogFile) {
    open(false);
    QTest::keyClicks(dialog->cmUserName, "x");
    click(dialog->checkBox("cbAllEvents"));
    click(dialog->btnDeleteName);
    const QString log = dir.filePath("chat.txt");
    testing::answerNextModal([&](QWidget* modal) {
        auto* files = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(files, nullptr);
        EXPECT_EQ(files->windowTitle(), "Select Log File");
        EXPECT_EQ(files->defaultSuffix(), "txt");
        files->selectFile(log);
        QMetaObject::invokeMethod(files, "accept");
    });
    dialog->pcSetup->setCurrentIndex(1);
    dialog->checkBox("cbLog")->setChecked(true);
    click(dialog->btnChange);
    EXPECT_EQ(dialog->edLogFIle->text(), log);
    EXPECT_THAT(chosenLogs, ElementsAre(log.toStdString()));

    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(dialog->modified());
}

TEST_F(SetupDialogTest, OkHandsBackTheEditsAndTheModifiedFlag) {
    open(false);
    click(dialog->checkBox("cbAllEvents"));
    dialog->checkBox("cbDirectSound")->setChecked(true);
    click(dialog->btnOk);
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(dialog->modified());
    EXPECT_TRUE(dialog->values().options.masterSwitch());
    EXPECT_FALSE(dialog->values().options.useDirectSound());
    EXPECT_EQ(dialog->values().options.userName(), "Verdo");
    EXPECT_THAT(dialog->values().lists.PhraseRes[1], ElementsAre("a2", "b2"));
}

TEST_F(SetupDialogTest, OpeningChangesNothingSoOkWithoutEditsKeepsTheFlag) {
    for (bool modified : {false, true}) {
        open(modified);
        click(dialog->btnOk);
        EXPECT_EQ(dialog->modified(), modified);
        EXPECT_EQ(dialog->values().lists.IntervalList, lists.IntervalList);
        EXPECT_EQ(dialog->values().lists.CommandLevel, lists.CommandLevel);
    }
}

TEST_F(SetupDialogTest, TheMaskedPasswordWinsWhileMultiplePasswordsAreOff) {
    open();
    EXPECT_FALSE(dialog->edUniquePass->isHidden());
    EXPECT_TRUE(dialog->cmPassword->isHidden());
    EXPECT_TRUE(dialog->btnDeletePassword->isHidden());
    EXPECT_EQ(dialog->edUniquePass->displayText(), "******");
    dialog->cmPassword->setEditText("other");
    dialog->edUniquePass->clear();
    QTest::keyClicks(dialog->edUniquePass, "masked");
    click(dialog->btnOk);
    EXPECT_EQ(dialog->values().options.password(), "masked");
    EXPECT_THAT(dialog->values().lists.PasswordList, ElementsAre("p1", "p2"));
}

TEST_F(SetupDialogTest, SwitchingMultiplePasswordsOnEmptiesTheDropDownAndItsList) {
    open();
    click(dialog->checkBox("cbAllowMulti"));
    EXPECT_TRUE(dialog->edUniquePass->isHidden());
    EXPECT_FALSE(dialog->cmPassword->isHidden());
    EXPECT_FALSE(dialog->btnDeletePassword->isHidden());
    EXPECT_EQ(dialog->cmPassword->count(), 0);
    EXPECT_EQ(dialog->cmPassword->currentText(), "");
    QTest::keyClicks(dialog->cmPassword, "newpass");
    click(dialog->btnOk);
    EXPECT_TRUE(dialog->modified());
    EXPECT_TRUE(dialog->values().options.allowMultiplePasswords());
    EXPECT_EQ(dialog->values().options.password(), "newpass");
    EXPECT_THAT(dialog->values().lists.PasswordList, ElementsAre("newpass"));
}

TEST_F(SetupDialogTest, ANameIsAddedOnLeavingTheFieldUnlessListedInAnyCase) {
    open();
    dialog->cmUserName->setFocus();
    dialog->cmUserName->setEditText("");
    QTest::keyClicks(dialog->cmUserName, "vERDO");
    dialog->seDelay->setFocus();
    EXPECT_EQ(dialog->cmUserName->count(), 2);
    dialog->cmUserName->setFocus();
    dialog->cmUserName->setEditText("");
    QTest::keyClicks(dialog->cmUserName, "Third");
    dialog->seDelay->setFocus();
    EXPECT_EQ(dialog->cmUserName->count(), 3);
    // "Delete" removes the item the field shows.
    dialog->cmUserName->setCurrentIndex(0);
    click(dialog->btnDeleteName);
    click(dialog->btnDeleteName);  // nothing shown any more: nothing removed
    click(dialog->btnOk);
    EXPECT_THAT(dialog->values().lists.NameList, ElementsAre("Other", "Third"));
}

TEST_F(SetupDialogTest, ServersAreAddedAtTheTopAndMoveWithinTheList) {
    open();
    testing::answerNextModal([](QWidget* modal) {
        auto* input = qobject_cast<QInputDialog*>(modal);
        ASSERT_NE(input, nullptr);
        EXPECT_EQ(input->windowTitle(), "New Server");
        EXPECT_EQ(input->labelText(), "Enter address of new server:");
        input->setTextValue("new.example");
        input->accept();
    });
    click(dialog->btnAddServer);
    EXPECT_EQ(dialog->lstServer->currentRow(), 0);
    click(dialog->btnMoveUp);  // the first cannot move up
    selectRow(dialog->lstServer, 3);
    click(dialog->btnMoveDown);  // the last cannot move down
    click(dialog->btnMoveUp);
    EXPECT_EQ(dialog->lstServer->currentRow(), 2);
    click(dialog->btnDeleteServer);
    EXPECT_EQ(dialog->lstServer->selectedItems().size(), 0);
    click(dialog->btnOk);
    EXPECT_THAT(dialog->values().lists.ServerList,
                ElementsAre("new.example", "a.example", "b.example"));
}

TEST_F(SetupDialogTest, StoredValuesOutsideTheirRangesAreBroughtIn) {
    options.setReciteDelay(0);
    options.setConnectionTimeout(500);
    options.setLoginTimeout(-3);
    open();
    EXPECT_EQ(dialog->seDelay->value(), 2);
    EXPECT_EQ(dialog->seConnect->value(), 100);
    EXPECT_EQ(dialog->seLogin->value(), 2);
    dialog->pcSetup->setCurrentIndex(7);
    selectRow(dialog->lstTimers, 1);
    EXPECT_EQ(dialog->seInterval->value(), 10000);
    EXPECT_EQ(dialog->edTimer->text(), "tick");
    click(dialog->btnOk);
    const tOptions& stored = dialog->values().options;
    EXPECT_EQ(stored.reciteDelay(), 2);
    EXPECT_EQ(stored.connectionTimeout(), 100);
    EXPECT_EQ(stored.loginTimeout(), 2);
    EXPECT_THAT(dialog->values().lists.IntervalList, ElementsAre("30", "10000"));
    EXPECT_TRUE(dialog->modified());
}

TEST_F(SetupDialogTest, TimersAreAddedEditedAndDeletedTogetherWithTheirIntervals) {
    open();
    dialog->pcSetup->setCurrentIndex(7);
    click(dialog->btnAddTimer);
    EXPECT_EQ(dialog->lstTimers->currentRow(), 2);
    EXPECT_EQ(dialog->seInterval->value(), 60);
    EXPECT_EQ(dialog->edTimer->selectedText(), "New Response");
    QTest::keyClicks(dialog->edTimer, "Hourly");
    dialog->seInterval->setValue(3600);
    selectRow(dialog->lstTimers, 0);
    click(dialog->btnDeleteTimer);
    EXPECT_EQ(dialog->edTimer->text(), "");
    EXPECT_EQ(dialog->seInterval->value(), 0);
    click(dialog->btnOk);
    EXPECT_THAT(dialog->values().lists.TimerList, ElementsAre("tick", "Hourly"));
    EXPECT_THAT(dialog->values().lists.IntervalList, ElementsAre("20000", "3600"));
}

// The response is clipped 64 pixels short of the right edge and the interval
// starts 60 pixels from it.
TEST_F(SetupDialogTest, TimerRowsShowTheResponseLeftAndTheIntervalAtTheRight) {
    lists.TimerList = {std::string(200, 'W')};
    lists.IntervalList = {"88"};
    open();
    dialog->pcSetup->setCurrentIndex(7);
    const QImage image = dialog->lstTimers->viewport()->grab().toImage();
    const QRect row = dialog->lstTimers->visualItemRect(dialog->lstTimers->item(0));
    const QRgb paper = image.pixel(row.right() - 1, row.center().y());
    const auto inked = [&](int from, int to) {
        for (int x = from; x < to; ++x) {
            for (int y = row.top(); y <= row.bottom(); ++y) {
                if (image.pixel(x, y) != paper) return true;
            }
        }
        return false;
    };
    const int edge = row.right() + 1;
    EXPECT_TRUE(inked(row.left(), edge - 64));
    EXPECT_FALSE(inked(edge - 64, edge - 60));
    EXPECT_TRUE(inked(edge - 60, edge - 40));
}

TEST_F(SetupDialogTest, ClearAnsweredNoChangesNothing) {
    open();
    answerQuestion(dialog->btnClearTimers, "Clear all timer responses?", QMessageBox::No);
    answerQuestion(dialog->btnClearCommands, "Clear all commands?", QMessageBox::No);
    EXPECT_EQ(dialog->lstTimers->count(), 2);
    EXPECT_EQ(dialog->lstCommand->count(), 2);
    click(dialog->btnOk);
    EXPECT_FALSE(dialog->modified());
    EXPECT_EQ(dialog->values().lists.TimerList, lists.TimerList);
    EXPECT_EQ(dialog->values().lists.CommandList, lists.CommandList);
}

TEST_F(SetupDialogTest, ClearingTheTimersAndOkEmptiesBothListsWithoutMarkingModified) {
    open(false);
    answerQuestion(dialog->btnClearTimers, "Clear all timer responses?", QMessageBox::Yes);
    EXPECT_EQ(dialog->lstTimers->count(), 0);
    click(dialog->btnOk);
    EXPECT_FALSE(dialog->modified());
    tOptions liveOptions = options;
    ChatLists live = lists;
    dialog->values().storeTo(liveOptions, live);
    EXPECT_THAT(live.TimerList, IsEmpty());
    EXPECT_THAT(live.IntervalList, IsEmpty());
}

TEST_F(SetupDialogTest, CommandsOfferTheTokensAndKeepTheirLevels) {
    open();
    dialog->pcSetup->setCurrentIndex(6);
    ASSERT_EQ(dialog->cmCommandRes->count(), 21);
    for (std::size_t i = 0; i < BuiltInCommands.size(); ++i)
        EXPECT_EQ(dialog->cmCommandRes->itemText(static_cast<int>(i)).toStdString(),
                  BuiltInCommands[i].token);
    EXPECT_EQ(dialog->cmCommandRes->maxVisibleItems(), 30);
    EXPECT_EQ(dialog->cmLevel->itemText(0), "Any User");
    EXPECT_EQ(dialog->cmLevel->itemText(1), "Owners Only");
    EXPECT_EQ(dialog->cmLevel->itemText(2), "Members");

    selectRow(dialog->lstCommand, 1);
    EXPECT_EQ(dialog->cmLevel->currentText(), "Owners Only");  // a stored "x"
    EXPECT_EQ(dialog->cmCommandRes->currentText(), "<join>");
    selectRow(dialog->lstCommand, 0);
    EXPECT_EQ(dialog->cmLevel->currentText(), "Any User");
    EXPECT_EQ(dialog->edCommand->text(), "/hi");

    click(dialog->btnAddCommand);
    EXPECT_EQ(dialog->edCommand->text(), "New command");
    EXPECT_EQ(dialog->cmLevel->currentText(), "Owners Only");
    QTest::keyClicks(dialog->edCommand, "/greet");
    dialog->cmLevel->setCurrentIndex(2);
    emit dialog->cmLevel->activated(2);
    selectRow(dialog->lstCommand, 0);
    click(dialog->btnDeleteCommand);
    EXPECT_EQ(dialog->edCommand->text(), "");
    click(dialog->btnOk);
    const ChatLists& stored = dialog->values().lists;
    EXPECT_THAT(stored.CommandList, ElementsAre("/odd", "/greet"));
    EXPECT_THAT(stored.CommandRes, ElementsAre("<join>", "New Command Response"));
    EXPECT_THAT(stored.CommandLevel, ElementsAre("x", "2"));
}

TEST_F(SetupDialogTest, ProductActionsOfferTheirPresetsAndAreKeptWhole) {
    lists.ProductActions[1] = "/stats <user> STAR";
    open();
    QComboBox* starcraft = dialog->productActions[1];
    QComboBox* broodWar = dialog->productActions[7];
    EXPECT_EQ(starcraft->objectName(), "cmSCRetail");
    EXPECT_EQ(broodWar->objectName(), "cmBroodWar");
    EXPECT_EQ(starcraft->count(), 5);
    EXPECT_EQ(broodWar->itemText(4), "/stats <user> SEXP");
    EXPECT_EQ(dialog->productActions[0]->count(), 4);
    EXPECT_EQ(starcraft->currentText(), "/stats <user> STAR");
    broodWar->setCurrentIndex(2);
    emit broodWar->activated(2);
    click(dialog->btnOk);
    EXPECT_EQ(dialog->values().lists.ProductActions[7], "/ban <user>");
    EXPECT_EQ(dialog->values().lists.ProductActions[0], "None");
    EXPECT_TRUE(dialog->modified());
}

}  // namespace
}  // namespace verdo
