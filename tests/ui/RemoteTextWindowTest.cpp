// Markup from the server and from other users, through the main window's
// surfaces a remote user reaches: the URL bar, the status panels, a message
// box, the panes, the channel. It shows as the characters it is, never laid out.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QWindow>

#include "controls/DSHyperLink.h"
#include "controls/RichPane.h"
#include "dialogs/Whisper.h"
#include "ui/MainWindowParts.h"
#include "ui/WindowFixture.h"

namespace verdo {
namespace {

using namespace testing;

class RemoteTextWindowTest : public WindowFixture {};

TEST_F(RemoteTextWindowTest, AWhisperedUrlShowsItsMarkupAsText) {
    logOn();
    receive(
        R"(1004 WHISPER <i>Ann</i> 0010 "/url <b>BOLD</b> <i>italic</i> <font color=red>red</font>")");
    auto* sender = named<QLabel>(*window, "lblUserUrl");
    auto* link = named<TDSHyperLink>(*window, "lblUrl");
    ASSERT_TRUE(link->isVisible());
    EXPECT_EQ(sender->textFormat(), Qt::PlainText);
    EXPECT_EQ(sender->text(), QStringLiteral("<i>Ann</i> has sent the following URL: "));
    EXPECT_EQ(link->textFormat(), Qt::PlainText);
    EXPECT_TRUE(
        link->text().contains(QStringLiteral("<b>BOLD</b> <i>italic</i> <font color=red>")));
    EXPECT_TRUE(QTextDocumentFragment::fromHtml(link->toolTip())
                    .toPlainText()
                    .contains(QStringLiteral("<b>BOLD</b>")));
}

TEST_F(RemoteTextWindowTest, PanesAndTheChannelShowMarkupAsText) {
    logOn();
    receive(R"(1004 WHISPER Ann 0010 "<b>hi</b> <img src=no-such-picture.png>")");
    receive(R"(1005 TALK Bob 0010 "<font color=red>red</font>")");
    receive(R"(1007 CHANNEL "<i>Chan</i>")");
    EXPECT_TRUE(reWhisper(*window)->document()->toPlainText().contains(
        QStringLiteral("<b>hi</b> <img src=no-such-picture.png>")));
    EXPECT_TRUE(reChat(*window)->document()->toPlainText().contains(
        QStringLiteral("<font color=red>red</font>")));
    EXPECT_TRUE(edChannel(*window)->text().startsWith(QStringLiteral("<i>Chan</i> (")));
}

// A name's "&" and "[*]" are characters in the Window menu and the window's title.
TEST_F(RemoteTextWindowTest, AWhisperWindowShowsItsUsersNameAsIs) {
    logOn();
    receive("1002 JOIN A&B[*] 0010 [CHAT]");
    QListWidget* roster = lstUser(*window);
    const QList<QListWidgetItem*> rows = roster->findItems("A&B[*]", Qt::MatchExactly);
    ASSERT_EQ(rows.size(), 1);
    rows.first()->setSelected(true);
    openUserPopups(*window);
    named<QAction>(*window, "mnChatWindow")->trigger();
    const QList<QAction*> entries = window->menuBar()->findChild<QMenu*>("mnWindow")->actions();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries.first()->text(), QStringLiteral("A&&B[*]"));
    TfrmWhisper* whisper = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* shown = qobject_cast<TfrmWhisper*>(top); shown && shown->isVisible())
            whisper = shown;
    ASSERT_NE(whisper, nullptr);
    ASSERT_NE(whisper->windowHandle(), nullptr);
    EXPECT_EQ(whisper->windowHandle()->title(), QStringLiteral("A&B[*]"));
}

TEST_F(RemoteTextWindowTest, StatusPanelsAndMessagesShowMarkupAsText) {
    window->setStatusText(StatusPanel::Step, "Logged on to <img src=\"no-such-picture.png\">");
    QLabel* panel = statusPanel(*window, 0);
    EXPECT_EQ(panel->textFormat(), Qt::PlainText);
    EXPECT_EQ(panel->text(), QStringLiteral("Logged on to <img src=\"no-such-picture.png\">"));
    EXPECT_EQ(statusPanel(*window, 1)->textFormat(), Qt::PlainText);

    Qt::TextFormat format = Qt::AutoText;
    QString text;
    answerNextModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        format = box->textFormat();
        text = box->text();
        box->accept();
    });
    window->showMessage("<b>Ann</b> is banned", MessageKind::Warning);
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(text, QStringLiteral("<b>Ann</b> is banned"));
}

}  // namespace
}  // namespace verdo
