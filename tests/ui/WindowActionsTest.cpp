// The main window's other windows are wired: each action of the menus opens
// its window (the modal ones are closed again from inside their loop), the
// channel and URL dialogs send their lines, the launcher starts through the
// platform, whispers of a whisper window's user reach its pane, and the
// whisper windows end with the main window.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include "chat/ChatActions.h"
#include "controls/RichPane.h"
#include "dialogs/Channel.h"
#include "dialogs/Help.h"
#include "dialogs/Launch.h"
#include "dialogs/Url.h"
#include "dialogs/Users.h"
#include "dialogs/Whisper.h"
#include "dialogs/WhisperWindows.h"
#include "scripting/SessionScripts.h"
#include "support/FakePlatform.h"
#include "support/Named.h"
#include "support/TempFolder.h"
#include "ui/Chat.h"
#include "ui/MainWindowParts.h"
#include "ui/WidgetTestSupport.h"
#include "ui/WindowFixture.h"

namespace verdo {
namespace {

using namespace testing;  // the window's parts by name

using testing::FakePlatform;

class WindowActionsTest : public testing::WindowFixture {
  protected:
    // Triggers `id` and returns the object name of the modal dialog it opened,
    // after `answer` ran on it (the default closes it).
    QString modalOf(ChatAction id, std::function<void(QWidget*)> answer = {}) {
        QString opened;
        testing::answerNextModal([&opened, answer](QWidget* modal) {
            opened = modal->objectName();
            if (answer) answer(modal);
            if (modal->isVisible()) modal->close();
        });
        window->action(id)->trigger();
        settle();
        return opened;
    }
    QStringList menuEntries(const char* menu) const {
        QStringList entries;
        for (QAction* entry : window->menuBar()->findChild<QMenu*>(menu)->actions())
            entries << entry->text();
        return entries;
    }
};

TEST_F(WindowActionsTest, EachModalActionOpensItsDialog) {
    logOn();  // the text file and channel dialogs need a session
    const struct {
        ChatAction action;
        const char* dialog;
    } cases[] = {
        {ChatAction::Setup, "frmSetup"},     {ChatAction::Fonts, "frmColor"},
        {ChatAction::Macros, "frmMacros"},   {ChatAction::Accounts, "frmAccount"},
        {ChatAction::Text, "frmText"},       {ChatAction::Join, "frmChannel"},
        {ChatAction::List, "frmChannel"},    {ChatAction::About, "frmAbout"},
        {ChatAction::Scripts, "frmScripts"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(modalOf(c.action), c.dialog) << actionInfo(c.action).objectName;
        EXPECT_TRUE(window->isEnabled());
    }
    EXPECT_EQ(sent(), "");  // cancelled channel dialogs send nothing
}

TEST_F(WindowActionsTest, ReloadScriptsLoadsTheScriptsAgain) {
    testing::TempFolder folder;
    const std::filesystem::path script = folder.write("hello.lua", "verdo.log('hello')");
    window->scripts().setExtraFiles({script});
    window->action(ChatAction::ReloadScripts)->trigger();
    ASSERT_EQ(window->scripts().host().scripts().size(), 1u);
    EXPECT_EQ(window->scripts().host().scripts()[0].path, script);
}

TEST_F(WindowActionsTest, ModelessWindowsAreShownAndMadeAtFirstUse) {
    EXPECT_EQ(window->findChild<TfrmHelp*>(), nullptr);  // its file is there to read
    EXPECT_EQ(window->findChild<TfrmUsers*>(), nullptr);
    EXPECT_EQ(window->findChild<TfrmLaunch*>(), nullptr);
    window->action(ChatAction::UserInfo)->trigger();
    EXPECT_TRUE(frmUsers(*window)->isVisible());
    window->action(ChatAction::Launch)->trigger();
    EXPECT_TRUE(frmLaunch(*window)->isVisible());
    window->action(ChatAction::HelpScreen)->trigger();
    EXPECT_TRUE(frmHelp(*window)->isVisible());
    // New empties and closes the user information window.
    window->action(ChatAction::New)->trigger();
    EXPECT_FALSE(frmUsers(*window)->isVisible());
}

TEST_F(WindowActionsTest, ADialogsHelpButtonOpensTheHelpWindow) {
    window->action(ChatAction::UserInfo)->trigger();
    EXPECT_EQ(window->findChild<TfrmHelp*>(), nullptr);
    named<QPushButton>(*frmUsers(*window), "btnHelp")->click();
    EXPECT_TRUE(frmHelp(*window)->isVisible());
}

TEST_F(WindowActionsTest, SessionActionsAreEnabledOnlyWhileLoggedOn) {
    for (ChatAction id : {ChatAction::Text, ChatAction::Join, ChatAction::List})
        EXPECT_FALSE(window->action(id)->isEnabled()) << actionInfo(id).objectName;
    logOn();
    settle();
    for (ChatAction id : {ChatAction::Text, ChatAction::Join, ChatAction::List})
        EXPECT_TRUE(window->action(id)->isEnabled()) << actionInfo(id).objectName;
}

TEST_F(WindowActionsTest, ChannelAndUrlDialogsSendTheirLines) {
    logOn();
    const auto choose = [](const char* channel) {
        return [channel](QWidget* modal) {
            auto* dialog = qobject_cast<TfrmChannel*>(modal);
            named<QLineEdit>(*dialog, "edChannel")->setText(channel);
            dialog->accept();
        };
    };
    modalOf(ChatAction::Join, choose("Town"));
    EXPECT_EQ(sent(), "/Join Town\r");
    modalOf(ChatAction::List, choose("Op Bots"));
    EXPECT_EQ(sent(), "/who Op Bots\r");

    testing::answerNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<TfrmUrl*>(modal);
        named<QLineEdit>(*dialog, "edUrl")->setText("example.org");
        dialog->accept();
    });
    lstUser(*window)->item(0)->setSelected(true);
    openUserPopups(*window);
    named<QAction>(*window, "mnSendURL")->trigger();
    EXPECT_EQ(sent(), "/msg Ann /url http://example.org\r");
}

// This run has no sounds folder, so the sound chooser starts beside the program.
TEST_F(WindowActionsTest, TheSoundChooserStartsBesideTheProgramWithoutASoundsFolder) {
    auto user = std::make_unique<tUser>();
    user->setName("Ann");
    window->form().document().users().Add(std::move(user));
    window->action(ChatAction::UserInfo)->trigger();
    const QString before = QDir::currentPath();
    QDir::setCurrent(QDir::tempPath());
    QString started;
    testing::answerNextModal([&started](QWidget* modal) {
        if (auto* files = qobject_cast<QFileDialog*>(modal))
            started = files->directory().absolutePath();
        modal->close();
    });
    named<QPushButton>(*frmUsers(*window), "btnJoinSound")->click();
    QDir::setCurrent(before);
    EXPECT_EQ(started, QDir(QCoreApplication::applicationDirPath()).absolutePath());
}

TEST_F(WindowActionsTest, LauncherStartsThroughThePlatform) {
    window->action(ChatAction::Launch)->trigger();
    named<QToolButton>(*frmLaunch(*window), "imDiablo")->click();  // a game
    ASSERT_EQ(platform->startedProcesses.started.size(), 1u);
    EXPECT_EQ(platform->startedProcesses.started[0].at(0), "wine");
}

TEST_F(WindowActionsTest, AWhisperWindowIsListedAndGetsItsUsersWhispers) {
    logOn();  // the menu bar was disabled while connecting
    QAction* windowMenu = menu(*window, "mnWindow")->menuAction();
    EXPECT_FALSE(windowMenu->isEnabled());
    lstUser(*window)->item(0)->setSelected(true);
    openUserPopups(*window);
    named<QAction>(*window, "mnChatWindow")->trigger();
    TfrmWhisper* ann = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* whisper = qobject_cast<TfrmWhisper*>(top); whisper && whisper->isVisible())
            ann = whisper;
    }
    ASSERT_NE(ann, nullptr);
    EXPECT_EQ(menuEntries("mnWindow"), QStringList{"Ann"});
    EXPECT_TRUE(windowMenu->isEnabled());

    receive("1004 WHISPER ann 0010 \"psst\"");
    EXPECT_TRUE(named<RichPane>(*ann, "scWhisper")->toPlainText().contains("psst"));

    ann->close();
    settle();
    EXPECT_TRUE(menuEntries("mnWindow").isEmpty());
    EXPECT_FALSE(windowMenu->isEnabled());
    receive("1004 WHISPER Ann 0010 \"again\"");
    EXPECT_TRUE(reWhisper(*window)->toPlainText().contains("again"));
}

TEST_F(WindowActionsTest, ExitEndsTheProgramWithAMinimisedWhisperWindowOpen) {
    logOn();
    lstUser(*window)->item(0)->setSelected(true);
    openUserPopups(*window);
    named<QAction>(*window, "mnChatWindow")->trigger();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (qobject_cast<TfrmWhisper*>(top) != nullptr) top->showMinimized();
    }
    settle();
    // The event loop runs as the program's does; it ends only when no window
    // is left, or fails when the time is up.
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    giveUp.start(5000);
    QTimer::singleShot(0, window.get(), [this] { window->action(ChatAction::Exit)->trigger(); });
    EXPECT_EQ(QApplication::exec(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(menuEntries("mnWindow").isEmpty());
}

}  // namespace
}  // namespace verdo
