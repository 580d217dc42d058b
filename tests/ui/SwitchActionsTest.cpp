// The keys of the main window's actions with real key presses on the
// offscreen window: every shortcut of the action table from each control that
// can hold the focus, the seven switches on Ctrl+F1 ... Ctrl+F7 and the chat
// pause on F12.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

#include "controls/RichPane.h"
#include "controls/TabEdit.h"

#include "support/FakePlatform.h"
#include "ui/Chat.h"
#include "ui/MainWindowParts.h"
#include "ui/WidgetTestSupport.h"

namespace verdo {
namespace {

using namespace testing;  // the window's parts by name

class SwitchActionsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        auto services = std::make_unique<testing::FakePlatform>();
        platform = services.get();
        window = std::make_unique<TfrmChat>(std::move(services));
        ASSERT_TRUE(testing::showActive(*window));
    }
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window.get(), static_cast<Qt::Key>(key), modifiers);
        QCoreApplication::processEvents();
    }

    testing::FakePlatform* platform = nullptr;
    std::unique_ptr<TfrmChat> window;
};

// A control's own use of a key (Select All on Ctrl+A in the entry line and the
// chat view) never hides the window's shortcut.
TEST_F(SwitchActionsTest, EveryShortcutFiresWhereverTheFocusIs) {
    window->focusEntry();
    QTest::keyClicks(edEntry(*window), "text");
    QWidget* const controls[] = {edEntry(*window), reChat(*window), reWhisper(*window),
                                 lstUser(*window)};
    for (const ChatActionInfo& info : chatActions()) {
        if (info.shortcut == nullptr) continue;
        QAction* action = window->action(info.id);
        // Only the key is under test, not what it runs.
        QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
        QSignalSpy fired(action, &QAction::triggered);
        for (QWidget* control : controls) {
            control->setFocus();
            ASSERT_TRUE(control->hasFocus());
            action->setEnabled(true);  // some are enabled only while logged on or focused
            QTest::keySequence(QApplication::focusWidget(), action->shortcut());
            EXPECT_EQ(fired.count(), 1)
                << info.shortcut << " from " << control->objectName().toStdString();
            fired.clear();
        }
    }
}

TEST_F(SwitchActionsTest, CtrlFunctionKeysFlipTheirOptions) {
    tOptions& options = window->form().document().options();
    const struct {
        int key;
        bool (tOptions::*option)() const;
    } switches[] = {
        {Qt::Key_F1, &tOptions::masterSwitch},      {Qt::Key_F2, &tOptions::respondToPhrases},
        {Qt::Key_F3, &tOptions::respondToWhispers}, {Qt::Key_F4, &tOptions::autoBan},
        {Qt::Key_F5, &tOptions::banEveryoneExcept}, {Qt::Key_F6, &tOptions::respondToTimers},
        {Qt::Key_F7, &tOptions::respondToJoins}};
    for (const auto& entry : switches) {
        const bool before = (options.*entry.option)();
        press(entry.key, Qt::ControlModifier);
        EXPECT_NE((options.*entry.option)(), before) << "Ctrl+F" << entry.key - Qt::Key_F1 + 1;
    }
    EXPECT_TRUE(window->action(ChatAction::Master)->isChecked());
    EXPECT_EQ(window->action(ChatAction::Master)->text(), QStringLiteral("Master Event Switch"));
    EXPECT_TRUE(window->form().document().modified());
}

TEST_F(SwitchActionsTest, F12PausesAndTheStatusBarSaysSo) {
    press(Qt::Key_F4);
    platform->clients.at(0)->accept();
    platform->clients.at(0)->receive("1018 INFO \"Welcome to it\"\r\n");
    QCoreApplication::processEvents();
    ASSERT_TRUE(window->form().session().LoggedOn());
    ASSERT_TRUE(window->action(ChatAction::Pause)->isEnabled());
    press(Qt::Key_F12);
    EXPECT_TRUE(window->form().pause().paused());
    EXPECT_EQ(statusPanel(*window, 1)->text(), QStringLiteral("CHAT PAUSED"));
    press(Qt::Key_F12);
    EXPECT_FALSE(window->form().pause().paused());
}

}  // namespace
}  // namespace verdo
