// Whisper windows: reuse by name, sending, the pane's pop-up menu, the size
// lock while minimised, and the session's routing of whispers to a window.
#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "chat/SessionFixture.h"
#include "controls/TabEdit.h"
#include "dialogs/Whisper.h"
#include "dialogs/WhisperWindows.h"
#include "support/FakeDialogHost.h"
#include "support/Named.h"
#include "ui/WidgetTestSupport.h"

namespace verdo {
namespace {

using testing::named;

// The session on fakes with the windows wired the way the main window wires them.
class WhisperWindowsTest : public testing::SessionFixture {
  protected:
    WhisperWindowsTest() : windows(form.document().options(), host) {
        QObject::connect(&windows, &tWhisperWindows::lineToSend,
                         [this](const std::string& line) { sent.push_back(line); });
        QObject::connect(&windows, &tWhisperWindows::paneRegistered,
                         [this](const std::string& user, PaneId pane) {
                             form.incoming().registerWhisperPane(user, pane);
                         });
        QObject::connect(&windows, &tWhisperWindows::paneUnregistered,
                         [this](PaneId pane) { form.incoming().unregisterWhisperPane(pane); });
        QObject::connect(&windows, &tWhisperWindows::listChanged, [this] { ++listChanges; });
    }

    TfrmWhisper* open(const std::string& user) {
        TfrmWhisper* window = windows.OpenWhisperWindow(user);
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        return window;
    }
    // The pane the last line went to.
    PaneId lastPane() const { return view.lines.empty() ? -1 : view.lines.back().pane; }

    testing::FakeDialogHost host;
    tWhisperWindows windows;
    std::vector<std::string> sent;
    int listChanges = 0;
};

TEST_F(WhisperWindowsTest, ANameInOtherLetterCaseShowsTheOpenWindow) {
    TfrmWhisper* bob = open("Bob");
    open("Ann");
    bob->showMinimized();
    EXPECT_EQ(windows.OpenWhisperWindow("bOB"), bob);
    EXPECT_FALSE(bob->isMinimized());
    EXPECT_EQ(bob->windowTitle(), "Bob");
    EXPECT_EQ(windows.windows().size(), 2u);
    EXPECT_EQ(listChanges, 2);
}

TEST_F(WhisperWindowsTest, EnterAndSendWhisperTheEntryEvenWhenEmpty) {
    TfrmWhisper* window = open("Bob");
    QTest::keyClicks(named<TTabEdit>(*window, "edWEnter"), "hello there");
    QTest::keyClick(named<TTabEdit>(*window, "edWEnter"), Qt::Key_Return);
    QTest::mouseClick(named<QPushButton>(*window, "btnSend"), Qt::LeftButton);
    EXPECT_EQ(sent, (std::vector<std::string>{"/msg Bob hello there\r", "/msg Bob \r"}));
    EXPECT_EQ(named<TTabEdit>(*window, "edWEnter")->itemText(1), "hello there");
    EXPECT_TRUE(named<TTabEdit>(*window, "edWEnter")->entryText().isEmpty());
    EXPECT_TRUE(named<TTabEdit>(*window, "edWEnter")->hasFocus());
    EXPECT_TRUE(named<RichPane>(*window, "scWhisper")->document()->isEmpty())
        << "the window shows nothing itself";
}

TEST_F(WhisperWindowsTest, WhispersGoToTheOpenWindowAndAfterClosingToTheMainPane) {
    logOn();
    TfrmWhisper* window = open("Bob");
    receive("1004 WHISPER bob 0010 \"psst\"");
    EXPECT_EQ(windows.window(lastPane()), window);

    QTest::keyClick(named<TTabEdit>(*window, "edWEnter"), Qt::Key_Escape);
    EXPECT_TRUE(windows.windows().empty());
    receive("1004 WHISPER Bob 0010 \"still there?\"");
    EXPECT_EQ(lastPane(), WhisperPane);
}

TEST_F(WhisperWindowsTest, RecolouredFromTheOptions) {
    TfrmWhisper* window = open("Bob");
    form.document().options().setWhisperBackground(0x00336699);
    form.document().options().setEntryColor(0x000000FF);
    windows.ApplyAppearance();
    EXPECT_EQ(named<RichPane>(*window, "scWhisper")->palette().color(QPalette::Base),
              QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(named<TTabEdit>(*window, "edWEnter")->palette().color(QPalette::Text),
              QColor(Qt::red));
}

TEST_F(WhisperWindowsTest, MinimisedWindowsKeepTheirSize) {
    TfrmWhisper* window = open("Bob");
    const QSize size = window->size();
    window->showMinimized();
    EXPECT_FALSE(window->resizeAllowed());
    window->resize(size + QSize(50, 50));
    EXPECT_EQ(window->size(), size);
    window->showNormal();
    EXPECT_TRUE(window->resizeAllowed());
    window->resize(size + QSize(50, 50));
    EXPECT_EQ(window->size(), size + QSize(50, 50));
}

TEST_F(WhisperWindowsTest, PopupClearsAndSavesThePane) {
    TfrmWhisper* window = open("Bob");
    const std::vector<PaneSegment> first{{"<FROM: Bob> ", Qt::yellow}, {"one", Qt::white}};
    const std::vector<PaneSegment> second{{"two", Qt::white}};
    window->addLine(first);
    named<QAction>(*window, "mnClear")->trigger();
    window->addLine(second);
    window->addLine(first);
    QTemporaryDir folder;
    const QString path = folder.filePath("pane.txt");
    host.nextFile = path;
    named<QAction>(*window, "mnSave")->trigger();
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), "two\n<FROM: Bob> one\n");

    host.nextFile = folder.path();
    QString message;
    testing::answerNextModal([&message](QWidget* box) {
        if (auto* messageBox = qobject_cast<QMessageBox*>(box)) message = messageBox->text();
        box->close();
    });
    named<QAction>(*window, "mnSave")->trigger();
    EXPECT_EQ(message, "Unable to save file");
}

}  // namespace
}  // namespace verdo
