// The main window with the session logic on fake services: F4, the connecting
// dialog, the Connect action's caption and check, the entry line, and lines,
// colours and fonts of the panes.
#include <gtest/gtest.h>

#include <QAction>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSplitter>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>

#include "controls/RichPane.h"
#include "controls/TabEdit.h"
#include "dialogs/Connect.h"
#include "support/FakePlatform.h"
#include "support/Named.h"
#include "support/WaitFor.h"
#include "ui/Chat.h"
#include "ui/MainWindowParts.h"
#include "ui/WidgetTestSupport.h"

namespace verdo {
namespace {

using namespace testing;  // the window's parts by name

using testing::FakePlatform;
using testing::FakeTcpClient;

// Counts the idle updates: each one sets the Connect action's caption once.
class CountingChatWindow : public TfrmChat {
  public:
    using TfrmChat::TfrmChat;
    void setActionCaption(ChatAction action, const std::string& caption) override {
        if (action == ChatAction::Connect) ++captionUpdates;
        TfrmChat::setActionCaption(action, caption);
    }
    int captionUpdates = 0;
};

class ChatWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        auto services = std::make_unique<FakePlatform>();
        platform = services.get();
        window = std::make_unique<CountingChatWindow>(std::move(services));
        ASSERT_TRUE(testing::showActive(*window));
        // Chat files: without the built-in servers the record's server is tried.
        window->form().document().lists().ServerList.clear();
    }

    FakeTcpClient& client() { return *platform->clients.at(0); }
    void settle() { QCoreApplication::processEvents(); }

    void pressF4() {
        QTest::keyClick(window.get(), Qt::Key_F4);
        settle();
    }
    void logOn() {
        pressF4();
        client().accept();
        client().receive("2010 NAME Guest\r\n1018 INFO \"Welcome to Battle.net!\"\r\n");
        settle();
        ASSERT_TRUE(window->form().session().LoggedOn());
    }

    FakePlatform* platform = nullptr;
    std::unique_ptr<CountingChatWindow> window;
};

TEST_F(ChatWindowTest, HasItsTitlePartsAndDefaultLayout) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("VerdoChat Version 6"));
    EXPECT_EQ(window->action(ChatAction::Connect)->shortcut(), QKeySequence(Qt::Key_F4));
    EXPECT_EQ(window->action(ChatAction::Connect)->toolTip(),
              QStringLiteral("Connect to the server"));
    EXPECT_EQ(btnConnect(*window)->defaultAction(), window->action(ChatAction::Connect));
    EXPECT_EQ(btnEmote(*window)->text(), QStringLiteral("Emo&te"));
    EXPECT_EQ(btnWhisper(*window)->text(), QStringLiteral("&Whisper"));
    EXPECT_TRUE(btnSend(*window)->isDefault());
    EXPECT_FALSE(btnSend(*window)->isEnabled());
    EXPECT_FALSE(window->action(ChatAction::Away)->isEnabled());
    EXPECT_TRUE(reChat(*window)->isReadOnly());
    EXPECT_TRUE(edChannel(*window)->isReadOnly());
    EXPECT_EQ(statusPanel(*window, 0)->width(), 400);
    EXPECT_GE(statusPanel(*window, 1)->width(), 50);
    EXPECT_EQ(splitter(*window, "mainSplitter")->sizes().at(1), 162);
    EXPECT_EQ(splitter(*window, "chatSplitter")->sizes().at(1), 132);
    EXPECT_EQ(splitter(*window, "userSplitter")->sizes().at(1), 132);
    EXPECT_TRUE(edEntry(*window)->hasFocus());
}

TEST_F(ChatWindowTest, F4ShowsTheConnectingDialogAndBlocksTheWindow) {
    pressF4();
    EXPECT_EQ(client().connectCalls, 1);
    EXPECT_EQ(client().lastHost, "battle.net");
    EXPECT_TRUE(frmConnect(*window)->isVisible());
    EXPECT_EQ(named<QLabel>(*frmConnect(*window), "lblServer")->text(),
              QStringLiteral("Trying Server: battle.net"));
    EXPECT_FALSE(window->centralWidget()->isEnabled());
    EXPECT_FALSE(window->menuBar()->isEnabled());
    EXPECT_FALSE(ToolBar(*window)->isEnabled());
    EXPECT_FALSE(window->action(ChatAction::Connect)->isEnabled());
    EXPECT_TRUE(frmConnect(*window)->isEnabled());
}

TEST_F(ChatWindowTest, CancelHidesTheDialogAndGivesTheWindowBack) {
    pressF4();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frmConnect(*window)));
    QTest::mouseClick(named<QPushButton>(*frmConnect(*window), "btnCancel"), Qt::LeftButton);
    settle();
    EXPECT_FALSE(frmConnect(*window)->isVisible());
    EXPECT_TRUE(window->centralWidget()->isEnabled());
    EXPECT_TRUE(window->action(ChatAction::Connect)->isEnabled());
}

TEST_F(ChatWindowTest, WelcomeHidesTheDialogAndTheConnectActionFollowsTheSession) {
    logOn();
    EXPECT_FALSE(frmConnect(*window)->isVisible());
    EXPECT_TRUE(window->centralWidget()->isEnabled());
    EXPECT_TRUE(window->action(ChatAction::Connect)->isChecked());
    EXPECT_TRUE(btnConnect(*window)->isChecked());
    EXPECT_TRUE(btnSend(*window)->isEnabled());
    EXPECT_EQ(statusPanel(*window, 0)->text(), QStringLiteral("Logged on to battle.net"));

    // F4 again disconnects; the check is the logic's, not the click's.
    pressF4();
    EXPECT_FALSE(window->action(ChatAction::Connect)->isChecked());
    EXPECT_EQ(window->action(ChatAction::Connect)->text(), QStringLiteral("&Connect"));
    EXPECT_FALSE(btnSend(*window)->isEnabled());
    EXPECT_FALSE(frmConnect(*window)->isVisible());
}

TEST_F(ChatWindowTest, ConnectCaptionAndCheckFollowTheView) {
    window->setActionCaption(ChatAction::Connect, "&Disconnect");
    window->setActionChecked(ChatAction::Connect, true);
    EXPECT_EQ(window->action(ChatAction::Connect)->text(), QStringLiteral("&Disconnect"));
    EXPECT_TRUE(window->action(ChatAction::Connect)->isChecked());
    EXPECT_TRUE(btnConnect(*window)->isChecked());
    window->setActionChecked(ChatAction::Connect, false);
    EXPECT_FALSE(btnConnect(*window)->isChecked());
}

TEST_F(ChatWindowTest, ClickingConnectDoesNotFlipTheCheckByItself) {
    window->action(ChatAction::Connect)->trigger();  // starts the loop; nobody is logged on
    EXPECT_FALSE(window->action(ChatAction::Connect)->isChecked());
    EXPECT_TRUE(frmConnect(*window)->isVisible());
}

TEST_F(ChatWindowTest, IdleUpdatesCoalesce) {
    settle();
    window->captionUpdates = 0;
    window->requestIdleUpdate();
    window->requestIdleUpdate();
    window->requestIdleUpdate();
    EXPECT_EQ(window->captionUpdates, 0);
    settle();
    EXPECT_EQ(window->captionUpdates, 1);
    window->requestIdleUpdate();
    settle();
    EXPECT_EQ(window->captionUpdates, 2);
}

TEST_F(ChatWindowTest, LinesUseThePaneFontAndTheirColours) {
    tOptions& options = window->form().document().options();
    options.chatFont().setSize(15);
    options.chatFont().setStyle(FontItalic);
    options.whisperFont().setSize(9);
    window->addChatLine(ChatPane,
                        ChatLine{ChatSegment{"<Bob> ", 0x0000FFFFu},
                                 ChatSegment{"hi \x93there\x94", 0x00FFFFFFu}, ChatSegment{}});
    window->addChatLine(WhisperPane, ChatLine{ChatSegment{"caf\xC3\xA9", 0x80000008u},
                                              ChatSegment{}, ChatSegment{}});

    QTextCursor cursor(reChat(*window)->document()->lastBlock());
    cursor.movePosition(QTextCursor::NextCharacter);
    EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(Qt::yellow));
    EXPECT_EQ(cursor.charFormat().font().pointSize(), 15);
    EXPECT_TRUE(cursor.charFormat().font().italic());
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::MoveAnchor, 7);
    EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(Qt::white));

    QTextCursor whisper(reWhisper(*window)->document()->lastBlock());
    whisper.movePosition(QTextCursor::NextCharacter);
    EXPECT_EQ(whisper.charFormat().font().pointSize(), 9);
    EXPECT_EQ(whisper.charFormat().foreground().color(),
              window->palette().color(QPalette::Active, QPalette::Text));
}

TEST_F(ChatWindowTest, PaneAndEntryColoursComeFromTheOptions) {
    EXPECT_EQ(reChat(*window)->palette().color(QPalette::Base), QColor(Qt::black));
    EXPECT_EQ(edEntry(*window)->palette().color(QPalette::Text), QColor(Qt::cyan));
    tOptions& options = window->form().document().options();
    options.setChatBackground(0x00204060u);
    options.setWhisperBackground(0x8000000Fu);
    options.setEntryBackground(0x00FFFFFFu);
    window->optionsChanged();
    EXPECT_EQ(reChat(*window)->palette().color(QPalette::Base), QColor(0x60, 0x40, 0x20));
    EXPECT_EQ(reWhisper(*window)->palette().color(QPalette::Base),
              window->palette().color(QPalette::Active, QPalette::Button));
    EXPECT_EQ(edEntry(*window)->palette().color(QPalette::Base), QColor(Qt::white));
}

TEST_F(ChatWindowTest, InputBoxReturnsTheTextOrNothing) {
    testing::answerNextModal([](QWidget* modal) {
        auto* box = qobject_cast<QInputDialog*>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Away"));
        EXPECT_EQ(box->labelText(), QStringLiteral("Enter reason why you will be away:"));
        EXPECT_EQ(box->textValue(), QStringLiteral(u"caf\u00E9"));
        box->setTextValue(QStringLiteral(u"lunch \u20AC"));
        box->accept();
    });
    EXPECT_EQ(window->inputBox("Away", "Enter reason why you will be away:", "caf\xE9"),
              std::optional<std::string>("lunch \x80"));

    testing::answerNextModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(window->inputBox("DND", "Enter reason why you will be in DND mode:", ""),
              std::nullopt);
}

TEST_F(ChatWindowTest, MessagesShowTheirTextAndKind) {
    QString shownText;
    QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
    testing::answerNextModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        shownText = box->text();
        shownIcon = box->icon();
        box->accept();
    });
    window->showMessage("Socket Error", MessageKind::Error);
    EXPECT_EQ(shownText, QStringLiteral("Socket Error"));
    EXPECT_EQ(shownIcon, QMessageBox::Critical);
}

TEST_F(ChatWindowTest, ChannelTextAndRoster) {
    lstUser(*window)->addItem("someone");
    window->setChannelText("Blizzard Chat Verdo-1 (1)");
    window->rosterChanged();
    EXPECT_EQ(edChannel(*window)->text(), QStringLiteral("Blizzard Chat Verdo-1 (1)"));
    EXPECT_EQ(lstUser(*window)->count(), 0);
}

}  // namespace
}  // namespace verdo
