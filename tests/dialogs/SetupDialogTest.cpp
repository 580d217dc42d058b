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
#include <functional>
#include <memory>
#include <set>
#include <stdexcept>
#include <utility>

#include "controls/DSStringListEdit.h"
#include "engine/CommandTable.h"
#include "engine/ListEditing.h"
#include "records/OptionFields.h"
#include "support/FakeDialogHost.h"
#include "support/Named.h"
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

    // A control of the open dialog, found by its name.
    template <class Widget>
    Widget* widget(const char* name) const {
        return testing::named<Widget>(*dialog, name);
    }

    void open(bool modified = false) {
        dialog = std::make_unique<TfrmSetup>(nullptr, options, lists, modified,
                                             dir.path().toStdString(), host);
        QObject::connect(dialog.get(), &TfrmSetup::logFileChosen,
                         [this](const std::string& path) { chosenLogs.push_back(path); });
        ASSERT_TRUE(testing::showActive(*dialog));
    }

    // A check box takes clicks on its box and caption only: click near its left edge.
    void click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
    }

    void click(const char* buttonName) { click(widget<QPushButton>(buttonName)); }

    void showTab(int position) { widget<QTabWidget>("pcSetup")->setCurrentIndex(position); }

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
    testing::FakeDialogHost host;
    std::vector<std::string> chosenLogs;
};

TEST_F(SetupDialogTest, EightTabsInOrderWithTheirHelpTopics) {
    open();
    auto* pcSetup = widget<QTabWidget>("pcSetup");
    EXPECT_EQ(dialog->windowTitle(), "VerdoChat Configuration");
    EXPECT_TRUE(dialog->isModal());
    const QStringList captions = {"General Options", "Log File/Owners", "Responses", "User Join",
                                  "Banning",         "Product Actions", "Commands",  "Timers"};
    const std::vector<std::string> expected = {
        "General Options Tab ", "Log File/Owners Tab", "Responses Tab",         "User Join Tab",
        "Banning Tab",          "Product Action Tab",  "User Defined Commands", "Timers Tab"};
    ASSERT_EQ(pcSetup->count(), 8);
    EXPECT_EQ(pcSetup->currentIndex(), 0);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(pcSetup->tabText(i), captions[i]);
        pcSetup->setCurrentIndex(i);
        if (i % 2 == 0) {
            click("btnHelp");
        } else {
            QTest::keyClick(pcSetup->currentWidget(), Qt::Key_F1);
        }
    }
    EXPECT_EQ(host.helpTopics, expected);
    EXPECT_EQ(TfrmSetup::helpTopic(8), "Chat Configuration");
    EXPECT_EQ(widget<QPushButton>("btnOk")->text(), "&Ok");
    EXPECT_TRUE(widget<QPushButton>("btnOk")->isDefault());
    EXPECT_EQ(widget<QPushButton>("btnCancel")->text(), "&Cancel");
    EXPECT_EQ(widget<QPushButton>("btnHelp")->text(), "&Help");
}

// Every list editor shows one list of the chat file and stores what it shows
// back into that list; no two editors share a list.
TEST_F(SetupDialogTest, EachListEditorShowsAndStoresItsOwnList) {
    for (const ChatListShape& shape : ListEditing::lists()) {
        for (const ListColumn& column : shape.columns)
            column.in(lists) = {std::string(shape.name)};
    }
    open();
    const QList<TDSStringListEdit*> editors = dialog->findChildren<TDSStringListEdit*>();
    ASSERT_FALSE(editors.isEmpty());
    std::set<std::string> shown;
    for (TDSStringListEdit* edit : editors) {
        ASSERT_EQ(edit->entries().size(), 1u) << edit->objectName().toStdString();
        const std::string list = edit->entries()[0];
        EXPECT_TRUE(shown.insert(list).second) << list;
        const tResponseLists responses = edit->responses();
        edit->setLists({list + " edited"}, responses);
    }
    click("btnOk");
    for (const std::string& list : shown) {
        EXPECT_THAT(ListEditing::find(list)->columns[0].of(dialog->values().lists),
                    ElementsAre(list + " edited"));
    }
}

// Each option row that names a control has it on a page, with the row's
// caption; a switch's check box stores into its option ("Use DirectSound"
// always off).
TEST_F(SetupDialogTest, EveryOptionWithAControlIsShownAndItsSwitchStored) {
    open();
    std::vector<std::pair<const OptionField*, bool>> flipped;
    for (const OptionField& field : OptionFields::options()) {
        if (field.control.empty()) continue;
        const QString name =
            QString::fromLatin1(field.control.data(), static_cast<qsizetype>(field.control.size()));
        SCOPED_TRACE(name.toStdString());
        auto* control = dialog->findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr);
        if (field.kind != OptionKind::Flag) continue;
        auto* box = qobject_cast<QCheckBox*>(control);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text().toStdString(), field.caption);
        box->setChecked(!box->isChecked());
        flipped.emplace_back(&field, box->isChecked());
    }
    ASSERT_FALSE(flipped.empty());
    click("btnOk");
    for (const auto& [field, on] : flipped) {
        const bool expected = on && field->control != "cbDirectSound";
        EXPECT_EQ(field->isOn(dialog->values().options.data()), expected) << field->name;
    }
}

TEST_F(SetupDialogTest, CancelAfterEditsHandsNothingBackButTheChosenLogFile) {
    open(false);
    QTest::keyClicks(widget<QComboBox>("cmUserName"), "x");
    click(widget<QCheckBox>("cbAllEvents"));
    click("btnDeleteName");
    const QString log = dir.filePath("chat.txt");
    // The name does not exist yet: the chooser asks, "No" goes back to it.
    QStringList asked;
    const auto answer = [&](bool create) {
        return [&, create](QWidget* question) {
            auto* box = qobject_cast<QMessageBox*>(question);
            ASSERT_NE(box, nullptr);
            asked << box->text();
            box->button(create ? QMessageBox::Yes : QMessageBox::No)->click();
        };
    };
    host.nextFile = log;
    testing::answerNextModal([&](QWidget* question) {
        host.nextFile = log;
        testing::answerNextModal(answer(true));
        answer(false)(question);
    });
    showTab(1);
    widget<QCheckBox>("cbLog")->setChecked(true);
    click("btnChange");
    ASSERT_EQ(host.fileRequests.size(), 2u);
    for (const FileRequest& request : host.fileRequests) {
        EXPECT_EQ(request.title, "Select Log File");
        EXPECT_EQ(request.defaultSuffix, "txt");
        EXPECT_TRUE(request.mayBeNew);
    }
    EXPECT_EQ(host.fileRequests[0].folder, dir.path());
    ASSERT_EQ(asked.size(), 2);
    EXPECT_TRUE(asked[0].contains("This file does not exist.")) << asked[0].toStdString();
    EXPECT_EQ(widget<QLineEdit>("edLogFIle")->text(), log);
    EXPECT_THAT(chosenLogs, ElementsAre(log.toStdString()));

    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(dialog->modified());
}

TEST_F(SetupDialogTest, OkHandsBackTheEditsAndTheModifiedFlag) {
    open(false);
    click(widget<QCheckBox>("cbAllEvents"));
    widget<QCheckBox>("cbDirectSound")->setChecked(true);
    click("btnOk");
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
        click("btnOk");
        EXPECT_EQ(dialog->modified(), modified);
        EXPECT_EQ(dialog->values().lists.IntervalList, lists.IntervalList);
        EXPECT_EQ(dialog->values().lists.CommandLevel, lists.CommandLevel);
    }
}

TEST_F(SetupDialogTest, TheMaskedPasswordWinsWhileMultiplePasswordsAreOff) {
    open();
    auto* edUniquePass = widget<QLineEdit>("edUniquePass");
    EXPECT_FALSE(edUniquePass->isHidden());
    EXPECT_TRUE(widget<QComboBox>("cmPassword")->isHidden());
    EXPECT_TRUE(widget<QPushButton>("btnDeletePassword")->isHidden());
    EXPECT_EQ(edUniquePass->displayText(), "******");
    widget<QComboBox>("cmPassword")->setEditText("other");
    edUniquePass->clear();
    QTest::keyClicks(edUniquePass, "masked");
    click("btnOk");
    EXPECT_EQ(dialog->values().options.password(), "masked");
    EXPECT_THAT(dialog->values().lists.PasswordList, ElementsAre("p1", "p2"));
}

TEST_F(SetupDialogTest, SwitchingMultiplePasswordsOnEmptiesTheDropDownAndItsList) {
    open();
    auto* cmPassword = widget<QComboBox>("cmPassword");
    click(widget<QCheckBox>("cbAllowMulti"));
    EXPECT_TRUE(widget<QLineEdit>("edUniquePass")->isHidden());
    EXPECT_FALSE(cmPassword->isHidden());
    EXPECT_FALSE(widget<QPushButton>("btnDeletePassword")->isHidden());
    EXPECT_EQ(cmPassword->count(), 0);
    EXPECT_EQ(cmPassword->currentText(), "");
    QTest::keyClicks(cmPassword, "newpass");
    click("btnOk");
    EXPECT_TRUE(dialog->modified());
    EXPECT_TRUE(dialog->values().options.allowMultiplePasswords());
    EXPECT_EQ(dialog->values().options.password(), "newpass");
    EXPECT_THAT(dialog->values().lists.PasswordList, ElementsAre("newpass"));
}

TEST_F(SetupDialogTest, ANameIsAddedOnLeavingTheFieldUnlessListedInAnyCase) {
    open();
    auto* cmUserName = widget<QComboBox>("cmUserName");
    cmUserName->setFocus();
    cmUserName->setEditText("");
    QTest::keyClicks(cmUserName, "vERDO");
    widget<QSpinBox>("seDelay")->setFocus();
    EXPECT_EQ(cmUserName->count(), 2);
    cmUserName->setFocus();
    cmUserName->setEditText("");
    QTest::keyClicks(cmUserName, "Third");
    widget<QSpinBox>("seDelay")->setFocus();
    EXPECT_EQ(cmUserName->count(), 3);
    // "Delete" removes the item the field shows.
    cmUserName->setCurrentIndex(0);
    click("btnDeleteName");
    click("btnDeleteName");  // nothing shown any more: nothing removed
    click("btnOk");
    EXPECT_THAT(dialog->values().lists.NameList, ElementsAre("Other", "Third"));
}

TEST_F(SetupDialogTest, ServersAreAddedAtTheTopAndMoveWithinTheList) {
    open();
    auto* lstServer = widget<QListWidget>("lstServer");
    testing::answerNextModal([](QWidget* modal) {
        auto* input = qobject_cast<QInputDialog*>(modal);
        ASSERT_NE(input, nullptr);
        EXPECT_EQ(input->windowTitle(), "New Server");
        EXPECT_EQ(input->labelText(), "Enter address of new server:");
        input->setTextValue("new.example");
        input->accept();
    });
    click("btnAddServer");
    EXPECT_EQ(lstServer->currentRow(), 0);
    click("btnMoveUp");  // the first cannot move up
    selectRow(lstServer, 3);
    click("btnMoveDown");  // the last cannot move down
    click("btnMoveUp");
    EXPECT_EQ(lstServer->currentRow(), 2);
    click("btnDeleteServer");
    EXPECT_EQ(lstServer->selectedItems().size(), 0);
    click("btnOk");
    EXPECT_THAT(dialog->values().lists.ServerList,
                ElementsAre("new.example", "a.example", "b.example"));
}

TEST_F(SetupDialogTest, StoredValuesOutsideTheirRangesAreBroughtIn) {
    options.setReciteDelay(0);
    options.setConnectionTimeout(500);
    options.setLoginTimeout(-3);
    open();
    EXPECT_EQ(widget<QSpinBox>("seDelay")->value(), 2);
    EXPECT_EQ(widget<QSpinBox>("seConnect")->value(), 100);
    EXPECT_EQ(widget<QSpinBox>("seLogin")->value(), 2);
    showTab(7);
    selectRow(widget<QListWidget>("lstTimers"), 1);
    EXPECT_EQ(widget<QSpinBox>("seInterval")->value(), 10000);
    EXPECT_EQ(widget<QLineEdit>("edTimer")->text(), "tick");
    click("btnOk");
    const tOptions& stored = dialog->values().options;
    EXPECT_EQ(stored.reciteDelay(), 2);
    EXPECT_EQ(stored.connectionTimeout(), 100);
    EXPECT_EQ(stored.loginTimeout(), 2);
    EXPECT_THAT(dialog->values().lists.IntervalList, ElementsAre("30", "10000"));
    EXPECT_TRUE(dialog->modified());
}

TEST_F(SetupDialogTest, TimersAreAddedEditedAndDeletedTogetherWithTheirIntervals) {
    open();
    auto* seInterval = widget<QSpinBox>("seInterval");
    auto* edTimer = widget<QLineEdit>("edTimer");
    showTab(7);
    click("btnAddTimer");
    EXPECT_EQ(widget<QListWidget>("lstTimers")->currentRow(), 2);
    EXPECT_EQ(seInterval->value(), 60);
    EXPECT_EQ(edTimer->selectedText(), "New Response");
    QTest::keyClicks(edTimer, "Hourly");
    seInterval->setValue(3600);
    selectRow(widget<QListWidget>("lstTimers"), 0);
    click("btnDeleteTimer");
    EXPECT_EQ(edTimer->text(), "");
    EXPECT_EQ(seInterval->value(), 0);
    click("btnOk");
    EXPECT_THAT(dialog->values().lists.TimerList, ElementsAre("tick", "Hourly"));
    EXPECT_THAT(dialog->values().lists.IntervalList, ElementsAre("20000", "3600"));
}

// The response is clipped 64 pixels short of the right edge and the interval
// starts 60 pixels from it.
TEST_F(SetupDialogTest, TimerRowsShowTheResponseLeftAndTheIntervalAtTheRight) {
    lists.TimerList = {std::string(200, 'W')};
    lists.IntervalList = {"88"};
    open();
    auto* lstTimers = widget<QListWidget>("lstTimers");
    showTab(7);
    const QImage image = lstTimers->viewport()->grab().toImage();
    const QRect row = lstTimers->visualItemRect(lstTimers->item(0));
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
    answerQuestion(widget<QPushButton>("btnClearTimers"), "Clear all timer responses?",
                   QMessageBox::No);
    answerQuestion(widget<QPushButton>("btnClearCommands"), "Clear all commands?", QMessageBox::No);
    answerQuestion(testing::named<QPushButton>(*widget<TDSStringListEdit>("slPhrase"), "btnClear"),
                   "Are you sure you want to clear all entries?", QMessageBox::No);
    EXPECT_EQ(widget<QListWidget>("lstTimers")->count(), 2);
    EXPECT_EQ(widget<QListWidget>("lstCommand")->count(), 2);
    click("btnOk");
    EXPECT_FALSE(dialog->modified());
    EXPECT_EQ(dialog->values().lists.TimerList, lists.TimerList);
    EXPECT_EQ(dialog->values().lists.CommandList, lists.CommandList);
    EXPECT_EQ(dialog->values().lists.PhraseList, lists.PhraseList);
}

TEST_F(SetupDialogTest, ClearingTheTimersAndOkEmptiesBothListsWithoutMarkingModified) {
    open(false);
    answerQuestion(widget<QPushButton>("btnClearTimers"), "Clear all timer responses?",
                   QMessageBox::Yes);
    EXPECT_EQ(widget<QListWidget>("lstTimers")->count(), 0);
    click("btnOk");
    EXPECT_FALSE(dialog->modified());
    tOptions liveOptions = options;
    ChatLists live = lists;
    dialog->values().storeTo(liveOptions, live);
    EXPECT_THAT(live.TimerList, IsEmpty());
    EXPECT_THAT(live.IntervalList, IsEmpty());
}

TEST_F(SetupDialogTest, CommandsOfferTheTokensAndKeepTheirLevels) {
    open();
    auto* cmCommandRes = widget<QComboBox>("cmCommandRes");
    auto* cmLevel = widget<QComboBox>("cmLevel");
    auto* lstCommand = widget<QListWidget>("lstCommand");
    auto* edCommand = widget<QLineEdit>("edCommand");
    showTab(6);
    // The tokens offered are the responses of a new file's commands.
    ChatLists fresh;
    FillBuiltInCommands(fresh);
    ASSERT_EQ(cmCommandRes->count(), static_cast<int>(fresh.CommandRes.size()));
    for (std::size_t i = 0; i < fresh.CommandRes.size(); ++i)
        EXPECT_EQ(cmCommandRes->itemText(static_cast<int>(i)).toStdString(), fresh.CommandRes[i]);
    EXPECT_EQ(cmCommandRes->maxVisibleItems(), 30);
    EXPECT_EQ(cmLevel->itemText(0), "Any User");
    EXPECT_EQ(cmLevel->itemText(1), "Owners Only");
    EXPECT_EQ(cmLevel->itemText(2), "Members");

    selectRow(lstCommand, 1);
    EXPECT_EQ(cmLevel->currentText(), "Owners Only");  // a stored "x"
    EXPECT_EQ(cmCommandRes->currentText(), "<join>");
    selectRow(lstCommand, 0);
    EXPECT_EQ(cmLevel->currentText(), "Any User");
    EXPECT_EQ(edCommand->text(), "/hi");

    click("btnAddCommand");
    EXPECT_EQ(edCommand->text(), "New command");
    EXPECT_EQ(cmLevel->currentText(), "Owners Only");
    QTest::keyClicks(edCommand, "/greet");
    cmLevel->setCurrentIndex(2);
    emit cmLevel->activated(2);
    selectRow(lstCommand, 0);
    click("btnDeleteCommand");
    EXPECT_EQ(edCommand->text(), "");
    click("btnOk");
    const ChatLists& stored = dialog->values().lists;
    EXPECT_THAT(stored.CommandList, ElementsAre("/odd", "/greet"));
    EXPECT_THAT(stored.CommandRes, ElementsAre("<join>", "New Command Response"));
    EXPECT_THAT(stored.CommandLevel, ElementsAre("x", "2"));
}

TEST_F(SetupDialogTest, ProductActionsOfferTheirPresetsAndAreKeptWhole) {
    lists.ProductActions[1] = "/stats <user> STAR";
    open();
    QComboBox* starcraft = widget<QComboBox>("cmSCRetail");
    QComboBox* broodWar = widget<QComboBox>("cmBroodWar");
    EXPECT_EQ(starcraft->count(), 5);
    EXPECT_EQ(broodWar->itemText(4), "/stats <user> SEXP");
    EXPECT_EQ(widget<QComboBox>("cmChat")->count(), 4);
    EXPECT_EQ(starcraft->currentText(), "/stats <user> STAR");
    broodWar->setCurrentIndex(2);
    emit broodWar->activated(2);
    click("btnOk");
    EXPECT_EQ(dialog->values().lists.ProductActions[7], "/ban <user>");
    EXPECT_EQ(dialog->values().lists.ProductActions[0], "None");
    EXPECT_TRUE(dialog->modified());
}

}  // namespace
}  // namespace verdo
