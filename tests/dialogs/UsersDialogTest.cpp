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
#include "support/FakeDialogHost.h"
#include "support/Named.h"

namespace verdo {
namespace {

using testing::named;

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
        for (QWidget* w : std::initializer_list<QWidget*>{
                 named<QFrame>(window, "pnlNotes"), named<QFrame>(window, "pnlSounds"),
                 named<QFrame>(window, "pnlColors"), named<QComboBox>(window, "cmUser")})
            if (!w->isEnabled()) return false;
        return true;
    }
    tUser& user(int i) { return *users.Items(i); }

    tUserList users;
    QTemporaryDir folder;
    testing::FakeDialogHost host;
    TfrmUsers window{users, host, nullptr};
    int modified() const { return host.modified; }
};

TEST_F(UsersDialogTest, AnEmptyDatabaseDisablesTheFieldsAndAddEnablesThem) {
    open("Zed");
    EXPECT_EQ(window.windowTitle(), QStringLiteral("User Information"));
    EXPECT_FALSE(window.isModal());
    EXPECT_FALSE(named<QFrame>(window, "pnlNotes")->isEnabled());
    EXPECT_FALSE(named<QComboBox>(window, "cmUser")->isEnabled());
    EXPECT_FALSE(named<QPushButton>(window, "btnDelete")->isEnabled());
    testing::answerInput("Zed");
    QTest::mouseClick(named<QPushButton>(window, "btnAdd"), Qt::LeftButton);
    EXPECT_TRUE(editing());
    ASSERT_EQ(users.Count(), 1);
    EXPECT_EQ(user(0).Name(), "Zed");
    EXPECT_EQ(named<QComboBox>(window, "cmUser")->currentText(), QStringLiteral("Zed"));
    EXPECT_EQ(modified(), 1);
}

TEST_F(UsersDialogTest, AddingANameTwiceGivesTwoRecordsWithoutSorting) {
    add("Zed");
    open();
    for (const char* name : {"Ann", "Ann"}) {
        testing::answerInput(name);
        QTest::mouseClick(named<QPushButton>(window, "btnAdd"), Qt::LeftButton);
    }
    ASSERT_EQ(users.Count(), 3);
    EXPECT_EQ(user(1).Name(), "Ann");
    EXPECT_EQ(user(2).Name(), "Ann");
    EXPECT_EQ(named<QComboBox>(window, "cmUser")->count(), 3);
    EXPECT_EQ(named<QComboBox>(window, "cmUser")->currentIndex(), 2);
}

TEST_F(UsersDialogTest, AnEmptiedListEmptiesTheDropDownAndAddEditsTheNewName) {
    add("Ann");
    add("Bob");
    open();
    users.Clear();  // a chat file without users was read
    window.Refill({});
    EXPECT_EQ(named<QComboBox>(window, "cmUser")->count(), 0);
    testing::answerInput("Zed");
    QTest::mouseClick(named<QPushButton>(window, "btnAdd"), Qt::LeftButton);
    EXPECT_EQ(named<QComboBox>(window, "cmUser")->currentText(), QStringLiteral("Zed"));
    QTest::keyClicks(named<QPlainTextEdit>(window, "mNotes"), "new");
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
        EXPECT_EQ(named<QComboBox>(window, "cmUser")->currentText(), shown) << name;
    }
    EXPECT_EQ(user(0).Name(), "Ann");
    EXPECT_TRUE(editing());
    EXPECT_EQ(modified(), 0);
}

TEST_F(UsersDialogTest, ShowsTheRecordWithGreetingPresetsForItsName) {
    add("Zed", "first\r\nsecond", "hello Zed");
    user(0).setJoinSound("/s/join.wav");
    user(0).setWhisperColor(0x00010203);
    open("zed");
    EXPECT_EQ(named<QPlainTextEdit>(window, "mNotes")->toPlainText(),
              QStringLiteral("first\nsecond"));
    EXPECT_EQ(named<QComboBox>(window, "edGreeting")->currentText(), QStringLiteral("hello Zed"));
    EXPECT_EQ(named<QLineEdit>(window, "edJoinSound")->text(), QStringLiteral("/s/join.wav"));
    EXPECT_EQ(named<QLineEdit>(window, "edLeaveSound")->text(), QStringLiteral("None"));
    EXPECT_EQ(named<TColorSwatch>(window, "pnlNameColor")->color(), 0x0000FFFFu);
    EXPECT_EQ(named<TColorSwatch>(window, "pnlWhisperColor")->color(), 0x00010203u);
    QStringList presets;
    for (int i = 0; i < named<QComboBox>(window, "edGreeting")->count(); ++i)
        presets << named<QComboBox>(window, "edGreeting")->itemText(i);
    EXPECT_EQ(presets, QStringList({"/msg Zed ", "/squelch Zed ", "/ban Zed ", "/kick Zed ",
                                    "/designate Zed ", "/stats Zed star", "/stats Zed sexp"}));
    EXPECT_EQ(modified(), 0);
}

TEST_F(UsersDialogTest, TypingGoesIntoTheSelectedRecordOnly) {
    add("Ann", "ann notes", "ann greets");
    add("Bob", "bob notes", "bob greets");
    open("Ann");
    named<QPlainTextEdit>(window, "mNotes")->moveCursor(QTextCursor::End);
    QTest::keyClicks(named<QPlainTextEdit>(window, "mNotes"), "!");
    QTest::keyClick(named<QPlainTextEdit>(window, "mNotes"), Qt::Key_Return);
    QTest::keyClicks(named<QPlainTextEdit>(window, "mNotes"), "x");
    named<QComboBox>(window, "edGreeting")->lineEdit()->selectAll();
    QTest::keyClicks(named<QComboBox>(window, "edGreeting")->lineEdit(), "/kick Ann ");
    named<QComboBox>(window, "cmUser")->setCurrentIndex(1);
    EXPECT_EQ(named<QPlainTextEdit>(window, "mNotes")->toPlainText(), QStringLiteral("bob notes"));
    EXPECT_EQ(user(0).Notes(), "ann notes!\r\nx");
    EXPECT_EQ(user(0).Greeting(), "/kick Ann ");
    EXPECT_EQ(user(1).Notes(), "bob notes");
    EXPECT_EQ(user(1).Greeting(), "bob greets");
    EXPECT_GT(modified(), 0);
}

TEST_F(UsersDialogTest, NotesStopAtWhatTheRecordHolds) {
    add("Ann");
    open();
    QTest::keyClicks(named<QPlainTextEdit>(window, "mNotes"), QString(250, 'a'));
    QTest::keyClick(named<QPlainTextEdit>(window, "mNotes"), Qt::Key_Return);
    QTest::keyClicks(named<QPlainTextEdit>(window, "mNotes"), QString(10, 'b'));
    EXPECT_EQ(user(0).Notes(), std::string(250, 'a') + "\r\nbbb");
}

TEST_F(UsersDialogTest, DeleteAndClearAskFirst) {
    add("Ann");
    add("Bob");
    open("Bob");
    QString asked;
    testing::answerQuestion(false, &asked);
    QTest::mouseClick(named<QPushButton>(window, "btnDelete"), Qt::LeftButton);
    EXPECT_EQ(asked, QStringLiteral("Are you sure you want to delete Bob?"));
    EXPECT_EQ(users.Count(), 2);
    testing::answerQuestion(true);
    QTest::mouseClick(named<QPushButton>(window, "btnDelete"), Qt::LeftButton);
    ASSERT_EQ(users.Count(), 1);
    EXPECT_EQ(named<QComboBox>(window, "cmUser")->currentText(), QStringLiteral("Ann"));
    EXPECT_EQ(modified(), 1);

    user(0).setJoinSound("/s/a.wav");
    testing::answerQuestion(true, &asked);
    QTest::mouseClick(named<QPushButton>(window, "btnClear"), Qt::LeftButton);
    EXPECT_EQ(asked, QStringLiteral("Are you sure you want to ALL user information?"));
    EXPECT_EQ(users.Count(), 0);
    EXPECT_EQ(named<QComboBox>(window, "cmUser")->count(), 0);
    EXPECT_EQ(named<QLineEdit>(window, "edJoinSound")->text(), QStringLiteral("None"));
    EXPECT_EQ(named<QLineEdit>(window, "edLeaveSound")->text(), QStringLiteral("None"));
    for (const TColorSwatch* swatch :
         {named<TColorSwatch>(window, "pnlNameColor"), named<TColorSwatch>(window, "pnlTextColor"),
          named<TColorSwatch>(window, "pnlWhisperColor")})
        EXPECT_EQ(swatch->color(), 0u);
    EXPECT_FALSE(editing());
    EXPECT_EQ(modified(), 2);
}

TEST_F(UsersDialogTest, SoundsComeFromTheFileDialogOrAreNone) {
    add("Ann");
    open();
    const QString wave = folder.filePath("ding.wav");
    QFile(wave).open(QIODevice::WriteOnly);
    host.sounds = folder.path();
    QTest::mouseClick(named<QPushButton>(window, "btnLeaveSound"), Qt::LeftButton);
    ASSERT_EQ(host.fileRequests.size(), 1u);
    EXPECT_EQ(host.fileRequests[0].title, QStringLiteral("Select Sound..."));
    EXPECT_EQ(host.fileRequests[0].folder, folder.path());
    EXPECT_EQ(user(0).LeaveSound(), "None");
    EXPECT_EQ(modified(), 0);
    host.nextFile = wave;
    QTest::mouseClick(named<QPushButton>(window, "btnLeaveSound"), Qt::LeftButton);
    EXPECT_EQ(user(0).LeaveSound(), wave.toStdString());
    EXPECT_EQ(named<QLineEdit>(window, "edLeaveSound")->text(), wave);
    QTest::mouseClick(named<QPushButton>(window, "btnLeaveNone"), Qt::LeftButton);
    EXPECT_EQ(user(0).LeaveSound(), "None");
    EXPECT_EQ(named<QLineEdit>(window, "edLeaveSound")->text(), QStringLiteral("None"));
    EXPECT_EQ(modified(), 2);
}

TEST_F(UsersDialogTest, ASwatchOpensTheColourChooserAndStoresTheChoice) {
    add("Ann");
    user(0).setTextColor(0x00332211);
    open();
    host.nextColor = QColor(1, 2, 3);
    QTest::mouseClick(named<TColorSwatch>(window, "pnlTextColor"), Qt::LeftButton);
    EXPECT_EQ(host.colorsOffered, std::vector<QColor>{QColor(0x11, 0x22, 0x33)});
    EXPECT_EQ(user(0).TextColor(), 0x00030201u);
    EXPECT_EQ(named<TColorSwatch>(window, "pnlTextColor")->color(), 0x00030201u);
    EXPECT_EQ(modified(), 1);
}

TEST_F(UsersDialogTest, HelpKeyComingBackAndEmptying) {
    add("Ann");
    open();
    QTest::keyClick(&window, Qt::Key_F1);
    EXPECT_EQ(host.helpTopics, std::vector<std::string>{"User Information Screen  "});
    // A record added by the main window while the window is in the background.
    add("Bob");
    QWidget other;
    ASSERT_TRUE(testing::showActive(other));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(named<QComboBox>(window, "cmUser")->count(), 2);
    EXPECT_EQ(named<QComboBox>(window, "cmUser")->currentText(), QStringLiteral("Ann"));
    window.EmptyAndClose();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(named<QComboBox>(window, "cmUser")->count(), 0);
    EXPECT_TRUE(named<QPlainTextEdit>(window, "mNotes")->toPlainText().isEmpty());
}

}  // namespace
}  // namespace verdo
