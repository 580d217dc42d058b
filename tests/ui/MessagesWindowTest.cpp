// The window side of talking: Enter, Emote and the whisper lock with real key
// events, Tab through recent whisperers, the keys that move the one selection
// of the two user lists, dropping a name into the entry, Alt+N, the flood
// interval at the idle update, the edit actions, the sound menus and the URL
// bar's link.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <filesystem>
#include <fstream>

#include "controls/DSHyperLink.h"
#include "controls/RichPane.h"
#include "controls/TabEdit.h"
#include "support/FakePlatform.h"
#include "ui/Chat.h"
#include "ui/MainWindowParts.h"
#include "ui/NameDrag.h"
#include "ui/WidgetTestSupport.h"
#include "ui/WindowFixture.h"

namespace verdo {
namespace {

using namespace testing;  // the window's parts by name

using testing::FakePlatform;
using testing::FakeTcpClient;

class MessagesWindowTest : public testing::WindowFixture {
  protected:
    QLineEdit& entry() { return *edEntry(*window)->lineEdit(); }
    // Keys go where the keyboard would send them: the focused control.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        settle();
    }
    void type(const QString& text) {
        window->focusEntry();
        QTest::keyClicks(edEntry(*window), text);
    }
    void fillCustomList(const QStringList& names) { lstDef(*window)->addItems(names); }
    // The selected row as "lstUser:Bob", or "" when nothing is selected; fails
    // the test when both lists have one.
    QString selection() const {
        const auto users = lstUser(*window)->selectedItems();
        const auto custom = lstDef(*window)->selectedItems();
        EXPECT_LE(users.size() + custom.size(), 1);
        if (!users.isEmpty()) return "lstUser:" + users.front()->text();
        if (!custom.isEmpty()) return "lstDef:" + custom.front()->text();
        return {};
    }
};

// What the outgoing text makes of a line is its own; here: each key and button
// of the entry row hands over the entry's text and the selected user, and the
// text, history and focus it gives back show in the entry.
TEST_F(MessagesWindowTest, EntryRowHandsTheTextAndSelectionToTheOutgoingText) {
    logOn();
    type("hello there");
    press(Qt::Key_Return);
    EXPECT_EQ(sent(), "hello there\r");
    EXPECT_TRUE(entry().text().isEmpty());
    ASSERT_EQ(edEntry(*window)->count(), 1);
    EXPECT_EQ(edEntry(*window)->itemText(0), QStringLiteral("hello there"));

    type("waves");
    QTest::mouseClick(btnEmote(*window), Qt::LeftButton);
    EXPECT_EQ(sent(), "/me waves\r");
    EXPECT_TRUE(edEntry(*window)->hasFocus());

    lstUser(*window)->item(1)->setSelected(true);
    type("psst");
    QTest::mouseClick(btnWhisper(*window), Qt::LeftButton);
    EXPECT_EQ(sent(), "/w Bob psst\r");

    receive("1004 WHISPER Cid 0010 \"hi\"");
    window->focusEntry();
    press(Qt::Key_Tab);
    EXPECT_EQ(entry().text(), QStringLiteral("/msg Cid "));
    EXPECT_EQ(entry().cursorPosition(), entry().text().size());
    EXPECT_TRUE(edEntry(*window)->hasFocus());
}

TEST_F(MessagesWindowTest, UpAndDownWrapWithinTheListThatHasTheSelection) {
    logOn();
    fillCustomList({"Eve", "Fay"});
    window->focusEntry();
    press(Qt::Key_Down);  // nothing selected: the roster's first row
    EXPECT_EQ(selection(), QStringLiteral("lstUser:Ann"));
    press(Qt::Key_Up);
    EXPECT_EQ(selection(), QStringLiteral("lstUser:Cid"));
    press(Qt::Key_Down);
    EXPECT_EQ(selection(), QStringLiteral("lstUser:Ann"));
    press(Qt::Key_Down);
    EXPECT_EQ(selection(), QStringLiteral("lstUser:Bob"));

    lstDef(*window)->item(1)->setSelected(true);  // clears the roster's
    EXPECT_EQ(selection(), QStringLiteral("lstDef:Fay"));
    press(Qt::Key_Down);
    EXPECT_EQ(selection(), QStringLiteral("lstDef:Eve"));
    press(Qt::Key_Up);
    EXPECT_EQ(selection(), QStringLiteral("lstDef:Fay"));
    // The keys never reach the entry's history.
    EXPECT_TRUE(entry().text().isEmpty());
    EXPECT_TRUE(edEntry(*window)->hasFocus());
}

TEST_F(MessagesWindowTest, PageKeysMoveTheSelectionBetweenTheLists) {
    logOn();
    fillCustomList({"Eve", "Fay"});
    lstUser(*window)->setFocus();  // the keys act wherever the focus is
    press(Qt::Key_PageDown);
    EXPECT_EQ(selection(), QStringLiteral("lstUser:Ann"));
    press(Qt::Key_PageDown);
    EXPECT_EQ(selection(), QStringLiteral("lstDef:Eve"));
    press(Qt::Key_PageUp);
    EXPECT_EQ(selection(), QStringLiteral("lstUser:Ann"));
    lstUser(*window)->clearSelection();
    press(Qt::Key_PageUp);
    EXPECT_EQ(selection(), QStringLiteral("lstUser:Ann"));
}

TEST_F(MessagesWindowTest, MacroKeysRunOnceAndOnlyWithExactlyCtrlAndAlt) {
    logOn();
    window->form().document().lists().MacroList = {"/ban <user>"};
    window->form().document().lists().MacroKeys = {"b"};
    lstUser(*window)->item(2)->setSelected(true);
    window->focusEntry();
    press(Qt::Key_B, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_EQ(sent(), "");
    press(Qt::Key_B, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(sent(), "/ban Cid\r");
    // From the list too, whose unused keys travel on to its parents.
    lstUser(*window)->setFocus();
    press(Qt::Key_B, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(sent(), "/ban Cid\r");
}

TEST_F(MessagesWindowTest, DroppedNameGoesToTheCharacterUnderThePointer) {
    logOn();
    entry().setText("hello world");
    entry().end(false);
    // A point over the gap before "world", far from the caret at the end.
    QPoint point(0, entry().height() / 2);
    while (entry().cursorPositionAt(point) < 6 && point.x() < entry().width())
        point.rx() += 1;
    ASSERT_EQ(entry().cursorPositionAt(point), 6);

    std::unique_ptr<QMimeData> mime(userNameMime(*lstUser(*window), "Bob"));
    QDragEnterEvent enter(point, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&entry(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(point, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&entry(), &drop);
    EXPECT_EQ(entry().text(), QStringLiteral("hello Bobworld"));
    EXPECT_EQ(entry().cursorPosition(), 9);
}

TEST_F(MessagesWindowTest, OnlyNamesFromTheUserListsAreDropped) {
    entry().setText("abc");
    const QPoint point = entry().rect().center();
    QListWidget stranger;
    stranger.setObjectName("lstOther");
    std::unique_ptr<QMimeData> foreign(userNameMime(stranger, "Zed"));
    QMimeData plain;
    plain.setText("Zed");
    for (const QMimeData* mime :
         {static_cast<const QMimeData*>(foreign.get()), static_cast<const QMimeData*>(&plain)}) {
        QDragEnterEvent enter(point, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&entry(), &enter);
        EXPECT_FALSE(enter.isAccepted());
        QDropEvent drop(point, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&entry(), &drop);
    }
    EXPECT_EQ(entry().text(), QStringLiteral("abc"));
    std::unique_ptr<QMimeData> custom(userNameMime(*lstDef(*window), "Eve"));
    EXPECT_EQ(draggedUserName(custom.get()), std::optional<std::string>("Eve"));
}

TEST_F(MessagesWindowTest, AltNInsertsTheSelectedNameAtTheCaret) {
    logOn();
    type("hi  there");
    entry().setCursorPosition(3);
    lstUser(*window)->item(0)->setSelected(true);
    press(Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(entry().text(), QStringLiteral("hi Ann there"));
    fillCustomList({"Eve"});
    lstDef(*window)->item(0)->setSelected(true);
    entry().setSelection(0, 2);  // a selection is replaced
    press(Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(entry().text(), QStringLiteral("Eve Ann there"));
}

TEST_F(MessagesWindowTest, ClicksOnTheEntryPanelAndStatusBarFocusTheEntry) {
    entry().setText("abc");
    reChat(*window)->setFocus();
    ASSERT_FALSE(edEntry(*window)->hasFocus());
    QTest::mouseClick(statusPanel(*window, 1), Qt::LeftButton);
    EXPECT_TRUE(edEntry(*window)->hasFocus());
    EXPECT_EQ(entry().cursorPosition(), 3);
    EXPECT_FALSE(entry().hasSelectedText());
    reChat(*window)->setFocus();
    QWidget* panel = edEntry(*window)->parentWidget();
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(panel->width() - 1, 0));
    EXPECT_TRUE(edEntry(*window)->hasFocus());
}

TEST_F(MessagesWindowTest, EditActionsFollowTheFocusAndTheClipboard) {
    EXPECT_EQ(window->action(ChatAction::Cut)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
    EXPECT_EQ(window->action(ChatAction::SelectAll)->text(), QStringLiteral("&Select All"));
    EXPECT_EQ(window->findChild<QMenu*>("mnEdit")->title(), QStringLiteral("&Edit"));
    QGuiApplication::clipboard()->setText("pasted");
    window->focusEntry();
    settle();
    EXPECT_TRUE(window->action(ChatAction::Undo)->isEnabled());
    EXPECT_TRUE(window->action(ChatAction::Cut)->isEnabled());
    EXPECT_TRUE(window->action(ChatAction::Copy)->isEnabled());
    EXPECT_TRUE(window->action(ChatAction::Paste)->isEnabled());
    EXPECT_TRUE(window->action(ChatAction::SelectAll)->isEnabled());
    QGuiApplication::clipboard()->clear();
    settle();
    EXPECT_FALSE(window->action(ChatAction::Paste)->isEnabled());

    reChat(*window)->setFocus();
    settle();
    EXPECT_FALSE(window->action(ChatAction::Undo)->isEnabled());
    EXPECT_FALSE(window->action(ChatAction::Cut)->isEnabled());
    EXPECT_TRUE(window->action(ChatAction::Copy)->isEnabled());
    EXPECT_FALSE(window->action(ChatAction::Paste)->isEnabled());
    lstUser(*window)->setFocus();
    settle();
    EXPECT_FALSE(window->action(ChatAction::Copy)->isEnabled());
    EXPECT_FALSE(window->action(ChatAction::SelectAll)->isEnabled());
}

TEST_F(MessagesWindowTest, EditActionsWorkOnTheFocusedControl) {
    window->addChatLine(ChatPane, ChatLine{ChatSegment{"line one", 0}, {}, {}});
    reChat(*window)->setFocus();
    window->action(ChatAction::SelectAll)->trigger();
    window->action(ChatAction::Copy)->trigger();
    // The whole pane: the hint shown when no chat file is open, then the line.
    EXPECT_EQ(QGuiApplication::clipboard()->text(), reChat(*window)->toPlainText());
    EXPECT_TRUE(QGuiApplication::clipboard()->text().endsWith(QStringLiteral("\nline one")));

    window->focusEntry();
    entry().setText("abc def");
    entry().setSelection(0, 4);
    window->action(ChatAction::Cut)->trigger();
    EXPECT_EQ(entry().text(), QStringLiteral("def"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("abc "));
    entry().end(false);
    QGuiApplication::clipboard()->setText("x\r\ny");  // a line break becomes a blank
    window->action(ChatAction::Paste)->trigger();
    EXPECT_EQ(entry().text(), QStringLiteral("defx y"));
    // Undo is the entry line's own.
    QGuiApplication::clipboard()->setText("z");
    window->action(ChatAction::Paste)->trigger();
    EXPECT_TRUE(window->action(ChatAction::Undo)->isEnabled());
    window->action(ChatAction::Undo)->trigger();
    EXPECT_EQ(entry().text(), QStringLiteral("defx y"));
}

// A "Sounds" folder beside a pretend program, with a subfolder and a text file.
class SoundFolderFixture {
  public:
    SoundFolderFixture() {
        const std::filesystem::path sounds = root() / "Sounds";
        std::filesystem::create_directories(sounds / "Fx");
        for (const auto& file : {sounds / "Beta.WAV", sounds / "alpha.wav", sounds / "notes.txt",
                                 sounds / "Fx" / "Zap.wav"})
            std::ofstream(file) << "RIFF";
    }
    std::filesystem::path root() const { return dir_.path().toStdString(); }

  private:
    QTemporaryDir dir_;
};

QStringList captions(const QMenu& menu) {
    QStringList out;
    for (const QAction* action : menu.actions())
        out << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return out;
}

TEST_F(MessagesWindowTest, SoundMenuListsTheFolderAndSendsTheChosenSound) {
    SoundFolderFixture folder;
    window->form().setProgramFolder(folder.root().string());
    window->action(ChatAction::RefreshSounds)->trigger();
    window->action(ChatAction::RefreshSounds)->trigger();  // rebuilding replaces, never adds
    const QStringList expected{"&Refresh Sound List", "Stop All Sounds", "-", "fx",
                               "alpha.wav",           "beta.wav"};
    ASSERT_EQ(captions(*menu(*window, "mnSounds")), expected);
    const QList<QAction*> actions = menu(*window, "mnSounds")->actions();
    ASSERT_NE(actions[3]->menu(), nullptr);
    EXPECT_EQ(captions(*actions[3]->menu()), QStringList{"zap.wav"});
    EXPECT_EQ(actions[5]->data().toString().toStdString(),
              (folder.root() / "Sounds" / "Beta.WAV").string());
    window->requestIdleUpdate();
    settle();
    EXPECT_TRUE(menu(*window, "mnSounds")->menuAction()->isEnabled());

    logOn();
    actions[4]->trigger();
    EXPECT_EQ(sent(), "~playsound alpha.wav\r");

    // "Stop All Sounds" silences the sound service.
    actions[1]->trigger();
    EXPECT_EQ(platform->fakeSound.stops, 1);
}

// After the start and after Setup the sound folder is read when a menu opens.
TEST_F(MessagesWindowTest, SoundMenusAreFilledWhenFirstOpened) {
    SoundFolderFixture folder;
    window->form().setProgramFolder(folder.root().string());
    testing::answerNextModal([](QWidget* modal) { modal->close(); });
    window->action(ChatAction::Setup)->trigger();
    QMenu& sounds = *menu(*window, "mnSounds");
    openUserPopups(*window);
    QMenu& playSound = *menu(*window, "mnUserSound");
    EXPECT_EQ(captions(sounds), (QStringList{"&Refresh Sound List", "Stop All Sounds", "-"}));
    EXPECT_TRUE(playSound.isEmpty());
    emit playSound.aboutToShow();
    EXPECT_EQ(captions(playSound), (QStringList{"fx", "alpha.wav", "beta.wav"}));
    EXPECT_EQ(captions(sounds).size(), 6);
}

TEST_F(MessagesWindowTest, PlaySoundSubmenuSendsToTheSelectedUser) {
    SoundFolderFixture folder;
    window->form().setProgramFolder(folder.root().string());
    openUserPopups(*window);
    QMenu& playSound = *menu(*window, "mnUserSound");
    window->action(ChatAction::RefreshSounds)->trigger();
    EXPECT_EQ(captions(playSound), (QStringList{"fx", "alpha.wav", "beta.wav"}));
    logOn();
    lstUser(*window)->item(0)->setSelected(true);
    playSound.actions().at(2)->trigger();
    EXPECT_EQ(sent(), "/w Ann ~playsound beta.wav\r");
}

// The user popup is made when first opened: its "&Play Sound" is filled then
// even when the sound menus were built before it.
TEST_F(MessagesWindowTest, PlaySoundMadeAfterTheSoundMenuIsFilledWhenOpened) {
    SoundFolderFixture folder;
    window->form().setProgramFolder(folder.root().string());
    window->action(ChatAction::RefreshSounds)->trigger();
    openUserPopups(*window);
    QMenu& playSound = *menu(*window, "mnUserSound");
    emit playSound.aboutToShow();
    EXPECT_EQ(captions(playSound), (QStringList{"fx", "alpha.wav", "beta.wav"}));
    EXPECT_EQ(captions(*menu(*window, "mnSounds")).size(), 6);  // rebuilt, not added to
}

TEST_F(MessagesWindowTest, WithoutASoundFolderTheMenuStaysEmptyAndDisabled) {
    QTemporaryDir empty;
    window->form().setProgramFolder(empty.path().toStdString());
    window->action(ChatAction::RefreshSounds)->trigger();
    window->requestIdleUpdate();
    settle();
    EXPECT_EQ(captions(*menu(*window, "mnSounds")),
              (QStringList{"&Refresh Sound List", "Stop All Sounds", "-"}));
    EXPECT_FALSE(menu(*window, "mnSounds")->menuAction()->isEnabled());
}

// Names keep the bytes the server sent, whether UTF-8 or Windows-1252, in every
// command that takes them from a list, also where the typed rest of the line
// goes out as UTF-8.
TEST_F(MessagesWindowTest, NamesFromTheListsKeepTheirBytes) {
    SoundFolderFixture folder;
    window->form().setProgramFolder(folder.root().string());
    openUserPopups(*window);
    QMenu& playSound = *menu(*window, "mnUserSound");
    window->action(ChatAction::RefreshSounds)->trigger();
    logOn();
    ChatLists& lists = window->form().document().lists();
    lists.MacroList = {"/whois <user>"};
    lists.MacroKeys = {"q"};
    const std::string tick = "\xE2\x9C\x93";  // typed as U+2713, which Windows-1252 lacks
    for (const std::string name : {"Zo\xC3\xAB", "Ren\xE9"}) {
        SCOPED_TRACE(name);
        receive("1002 JOIN " + name + " 0010 [CHAT]");
        lists.UserDef = {name};
        window->optionsChanged();
        for (QListWidget* list : {lstUser(*window), lstDef(*window)}) {
            SCOPED_TRACE(list->objectName().toStdString());
            list->item(list->count() - 1)->setSelected(true);
            type("hi ");
            entry().insert(QStringLiteral(u"\u2713"));  // key clicks carry Latin-1 only
            QTest::mouseClick(btnWhisper(*window), Qt::LeftButton);
            EXPECT_EQ(sent(), "/w " + name + " hi " + tick + "\r");
            window->focusEntry();
            press(Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier);
            EXPECT_EQ(sent(), "/whois " + name + "\r");
            entry().clear();  // the key travels on, and the test's key carries its letter
            press(Qt::Key_N, Qt::AltModifier);
            entry().insert(QStringLiteral(u" \u2713"));
            press(Qt::Key_Return);
            EXPECT_EQ(sent(), name + " " + tick + "\r");
            list->clearSelection();
        }
        lstUser(*window)->item(lstUser(*window)->count() - 1)->setSelected(true);
        playSound.actions().at(1)->trigger();
        EXPECT_EQ(sent(), "/w " + name + " ~playsound alpha.wav\r");

        std::unique_ptr<QMimeData> mime(userNameMime(*lstUser(*window), name));
        type("");
        entry().insert(QStringLiteral(u" \u2713"));
        entry().home(false);
        const QPoint start(1, entry().height() / 2);
        QDragEnterEvent enter(start, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&entry(), &enter);
        QDropEvent drop(start, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&entry(), &drop);
        press(Qt::Key_Return);
        EXPECT_EQ(sent(), name + " " + tick + "\r");

        receive("1004 WHISPER " + name + " 0010 \"hi\"");
        type("");
        press(Qt::Key_Tab);
        entry().insert(QStringLiteral(u"\u2713"));
        press(Qt::Key_Return);
        EXPECT_EQ(sent(), "/msg " + name + " " + tick + "\r");
    }
}

// The bar's link opens on a left click only: a right click there is no wish to open.
TEST_F(MessagesWindowTest, TheUrlBarsLinkOpensOnALeftClickOnly) {
    logOn();
    receive("1004 WHISPER Ann 0010 \"/url www.example.com\"");
    auto* link = named<TDSHyperLink>(*window, "lblUrl");
    ASSERT_TRUE(link->isVisible());
    const QPoint inside(2, link->height() / 2);
    QTest::mouseClick(link, Qt::RightButton, {}, inside);
    EXPECT_TRUE(platform->openedLinks.empty());
    QTest::mouseClick(link, Qt::LeftButton, {}, inside);
    EXPECT_EQ(platform->openedLinks, std::vector<std::string>{"http://www.example.com"});
}

}  // namespace
}  // namespace verdo
