// The user information window: filling, editing in place, the list buttons,
// the sound choosers and the colour swatches.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

#include "controls/ColorSwatch.h"
#include "dialogs/DialogAnswers.h"
#include "dialogs/Users.h"

namespace verdo {
namespace {

class UsersDialogTest : public ::testing::Test {
  protected:
    void add(const std::string& name, const std::string& notes = {},
             const std::string& greeting = {}) {
        auto user = std::make_unique<tUser>();
        user->setName(name);
        user->setNotes(notes);
        user->setGreeting(greeting);
        users.Add(std::move(user));
    }
    void open(const std::string& name = {}) {
        window.ShowUserInfo(name);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    bool editing() const {
        for (QWidget* w : std::initializer_list<QWidget*>{window.pnlNotes, window.pnlSounds,
                                                          window.pnlColors, window.cmUser})
            if (!w->isEnabled()) return false;
        return true;
    }
    tUser& user(int i) { return *users.Items(i); }

    tUserList users;
    int modified = 0;
    std::vector<std::string> topics;
    QTemporaryDir folder;
    TfrmUsers window{
        users,
        {[this] { ++modified; }, [this](const std::string& topic) { topics.push_back(topic); },
         [this] { return folder.path(); }},
        nullptr};
};

TEST_F(UsersDialogTest, AnEmptyDatabaseDisablesTheFieldsAndAddEnablesThem) {
    open("Zed");
    EXPECT_EQ(window.windowTitle(), QStringLiteral("User Information"));
    EXPECT_FALSE(window.isModal());
    EXPECT_FALSE(window.pnlNotes->isEnabled());
    EXPECT_FALSE(window.cmUser->isEnabled());
    EXPECT_FALSE(window.btnDelete->isEnabled());
    testing::answerInput("Zed");
    QTest::mouseClick(window.btnAdd, Qt::LeftButton);
    EXPECT_TRUE(editing());
    ASSERT_EQ(users.Count(), 1);
    EXPECT_EQ(user(0).Name(), "Zed");
    EXPECT_EQ(window.cmUser->currentText(), QStringLiteral("Zed"));
    EXPECT_EQ(modified, 1);
}

TEST_F(UsersDialogTest, AddingANameTwiceGivesTwoRecordsWithoutSorting) {
    add("Zed");
    open();
    for (const char* name : {"Ann", "Ann"}) {
        testing::answerInput(name);
        QTest::mouseClick(window.btnAdd, Qt::LeftButton);
    }
    ASSERT_EQ(users.Count(), 3);
    EXPECT_EQ(user(1).Name(), "Ann");
    EXPECT_EQ(user(2).Name(), "Ann");
    EXPECT_EQ(window.cmUser->count(), 3);
    EXPECT_EQ(window.cmUser->currentIndex(), 2);
}

TEST_F(UsersDialogTest, AnEmptiedListEmptiesTheDropDownAndAddEditsTheNewName) {
    add("Ann");
    add("Bob");
    open();
    users.Clear();  // a chat file without users was read
    window.Refill({});
    EXPECT_EQ(window.cmUser->count(), 0);
    testing::answerInput("Zed");
    QTest::mouseClick(window.btnAdd, Qt::LeftButton);
    EXPECT_EQ(window.cmUser->currentText(), QStringLiteral("Zed"));
    QTest::keyClicks(window.mNotes, "new");
    ASSERT_EQ(users.Count(), 1);
    EXPECT_EQ(user(0).Notes(), "new");
}

TEST_F(UsersDialogTest, OpensSortedAtTheNamedRecordElseTheFirst) {
    add("zed");
    add("Ann");
    add("bob");
    const std::pair<std::string, QString> cases[] = {
        {"BOB", "bob"}, {"nobody", "Ann"}, {"", "Ann"}, {"ZED", "zed"}};
    for (const auto& [name, shown] : cases) {
        open(name);
        EXPECT_EQ(window.cmUser->currentText(), shown) << name;
    }
    EXPECT_EQ(user(0).Name(), "Ann");
    EXPECT_TRUE(editing());
    EXPECT_EQ(modified, 0);
}

TEST_F(UsersDialogTest, ShowsTheRecordWithGreetingPresetsForItsName) {
    add("Zed", "first\r\nsecond", "hello Zed");
    user(0).setJoinSound("/s/join.wav");
    user(0).setWhisperColor(0x00010203);
    open("zed");
    EXPECT_EQ(window.mNotes->toPlainText(), QStringLiteral("first\nsecond"));
    EXPECT_EQ(window.edGreeting->currentText(), QStringLiteral("hello Zed"));
    EXPECT_EQ(window.edJoinSound->text(), QStringLiteral("/s/join.wav"));
    EXPECT_EQ(window.edLeaveSound->text(), QStringLiteral("None"));
    EXPECT_EQ(window.pnlNameColor->color(), 0x0000FFFFu);
    EXPECT_EQ(window.pnlWhisperColor->color(), 0x00010203u);
    QStringList presets;
    for (int i = 0; i < window.edGreeting->count(); ++i)
        presets << window.edGreeting->itemText(i);
    EXPECT_EQ(presets, QStringList({"/msg Zed ", "/squelch Zed ", "/ban Zed ", "/kick Zed ",
                                    "/designate Zed ", "/stats Zed star", "/stats Zed sexp"}));
    EXPECT_EQ(modified, 0);
}

TEST_F(UsersDialogTest, TypingGoesIntoTheSelectedRecordOnly) {
    add("Ann", "ann notes", "ann greets");
    add("Bob", "bob notes", "bob greets");
    open("Ann");
    window.mNotes->moveCursor(QTextCursor::End);
    QTest::keyClicks(window.mNotes, "!");
    QTest::keyClick(window.mNotes, Qt::Key_Return);
    QTest::keyClicks(window.mNotes, "x");
    window.edGreeting->lineEdit()->selectAll();
    QTest::keyClicks(window.edGreeting->lineEdit(), "/kick Ann ");
    window.cmUser->setCurrentIndex(1);
    EXPECT_EQ(window.mNotes->toPlainText(), QStringLiteral("bob notes"));
    EXPECT_EQ(user(0).Notes(), "ann notes!\r\nx");
    EXPECT_EQ(user(0).Greeting(), "/kick Ann ");
    EXPECT_EQ(user(1).Notes(), "bob notes");
    EXPECT_EQ(user(1).Greeting(), "bob greets");
    EXPECT_GT(modified, 0);
}

TEST_F(UsersDialogTest, NotesStopAtWhatTheRecordHolds) {
    add("Ann");
    open();
    QTest::keyClicks(window.mNotes, QString(250, 'a'));
    QTest::keyClick(window.mNotes, Qt::Key_Return);
    QTest::keyClicks(window.mNotes, QString(10, 'b'));
    EXPECT_EQ(user(0).Notes(), std::string(250, 'a') + "\r\nbbb");
}

TEST_F(UsersDialogTest, DeleteAndClearAskFirst) {
    add("Ann");
    add("Bob");
    open("Bob");
    QString asked;
    testing::answerQuestion(false, &asked);
    QTest::mouseClick(window.btnDelete, Qt::LeftButton);
    EXPECT_EQ(asked, QStringLiteral("Are you sure you want to delete Bob?"));
    EXPECT_EQ(users.Count(), 2);
    testing::answerQuestion(true);
    QTest::mouseClick(window.btnDelete, Qt::LeftButton);
    ASSERT_EQ(users.Count(), 1);
    EXPECT_EQ(window.cmUser->currentText(), QStringLiteral("Ann"));
    EXPECT_EQ(modified, 1);

    user(0).setJoinSound("/s/a.wav");
    testing::answerQuestion(true, &asked);
    QTest::mouseClick(window.btnClear, Qt::LeftButton);
    EXPECT_EQ(asked, QStringLiteral("Are you sure you want to ALL user information?"));
    EXPECT_EQ(users.Count(), 0);
    EXPECT_EQ(window.cmUser->count(), 0);
    EXPECT_EQ(window.edJoinSound->text(), QStringLiteral("None"));
    EXPECT_EQ(window.edLeaveSound->text(), QStringLiteral("None"));
    for (const TColorSwatch* swatch :
         {window.pnlNameColor, window.pnlTextColor, window.pnlWhisperColor})
        EXPECT_EQ(swatch->color(), 0u);
    EXPECT_FALSE(editing());
    EXPECT_EQ(modified, 2);
}

TEST_F(UsersDialogTest, SoundsComeFromTheFileDialogOrAreNone) {
    add("Ann");
    open();
    const QString wave = folder.filePath("ding.wav");
    QFile(wave).open(QIODevice::WriteOnly);
    QString title;
    testing::answerFile(std::nullopt, &title);
    QTest::mouseClick(window.btnLeaveSound, Qt::LeftButton);
    EXPECT_EQ(title, QStringLiteral("Select Sound..."));
    EXPECT_EQ(user(0).LeaveSound(), "None");
    EXPECT_EQ(modified, 0);
    testing::answerFile(wave);
    QTest::mouseClick(window.btnLeaveSound, Qt::LeftButton);
    EXPECT_EQ(user(0).LeaveSound(), wave.toStdString());
    EXPECT_EQ(window.edLeaveSound->text(), wave);
    QTest::mouseClick(window.btnLeaveNone, Qt::LeftButton);
    EXPECT_EQ(user(0).LeaveSound(), "None");
    EXPECT_EQ(window.edLeaveSound->text(), QStringLiteral("None"));
    EXPECT_EQ(modified, 2);
}

TEST_F(UsersDialogTest, ASwatchOpensTheColourDialogAndStoresTheChoice) {
    add("Ann");
    open();
    testing::answerColor(QColor(1, 2, 3));
    QTest::mouseClick(window.pnlTextColor, Qt::LeftButton);
    EXPECT_EQ(user(0).TextColor(), 0x00030201u);
    EXPECT_EQ(window.pnlTextColor->color(), 0x00030201u);
    EXPECT_EQ(modified, 1);
}

TEST_F(UsersDialogTest, HelpKeyComingBackAndEmptying) {
    add("Ann");
    open();
    QTest::keyClick(&window, Qt::Key_F1);
    EXPECT_EQ(topics, std::vector<std::string>{"User Information Screen  "});
    // A record added by the main window while the window is in the background.
    add("Bob");
    QWidget other;
    ASSERT_TRUE(testing::showActive(other));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(window.cmUser->count(), 2);
    EXPECT_EQ(window.cmUser->currentText(), QStringLiteral("Ann"));
    window.EmptyAndClose();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.cmUser->count(), 0);
    EXPECT_TRUE(window.mNotes->toPlainText().isEmpty());
}

}  // namespace
}  // namespace verdo
