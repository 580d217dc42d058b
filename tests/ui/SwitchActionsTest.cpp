// The keys of the main window's actions with real key presses on the
// offscreen window: every shortcut of the action table from each control that
// can hold the focus, and a switch's key through to its option.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

#include "chat/ChatActions.h"
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
        window = std::make_unique<TfrmChat>(std::make_unique<testing::FakePlatform>());
        ASSERT_TRUE(testing::showActive(*window));
    }
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window.get(), static_cast<Qt::Key>(key), modifiers);
        QCoreApplication::processEvents();
    }

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

// Which option each switch flips is the action table's; here a switch's key
// reaches the logic, and its check follows the logic, not the click.
TEST_F(SwitchActionsTest, ASwitchKeyFlipsItsOptionAndItsCheck) {
    const tOptions& options = window->form().document().options();
    QAction* master = window->action(ChatAction::Master);
    const bool before = options.masterSwitch();
    ASSERT_EQ(master->isChecked(), before);
    press(Qt::Key_F1, Qt::ControlModifier);
    EXPECT_NE(options.masterSwitch(), before);
    EXPECT_EQ(master->isChecked(), options.masterSwitch());
    press(Qt::Key_F1, Qt::ControlModifier);
    EXPECT_EQ(options.masterSwitch(), before);
    EXPECT_EQ(master->isChecked(), before);
}

}  // namespace
}  // namespace verdo
