// The bot's own saves: one save a few seconds after the first change of a
// burst, nothing without a change, and a slower retry after a failed save.
#include <gtest/gtest.h>

#include "app/headless/AutoSave.h"
#include "chat/ChatDocument.h"
#include "support/FakeTimer.h"
#include "support/RecordingView.h"

namespace verdo {
namespace {

class AutoSaveTest : public ::testing::Test {
  protected:
    AutoSaveTest() {
        auto owned = std::make_unique<testing::FakeTimer>();
        timer = owned.get();
        autoSave = std::make_unique<AutoSave>(document, std::move(owned), [this] {
            ++saves;
            if (saveWorks) document.setModified(false);
            return saveWorks;
        });
    }
    // A remote command changed the settings; the batch of events ends.
    void change() {
        document.setModified(true);
        autoSave->check();
    }

    testing::RecordingView view;
    ChatDocument document{view, view};
    testing::FakeTimer* timer = nullptr;
    std::unique_ptr<AutoSave> autoSave;
    int saves = 0;
    bool saveWorks = true;
};

TEST_F(AutoSaveTest, OneSaveAFewSecondsAfterABurstOfChanges) {
    autoSave->check();
    EXPECT_FALSE(timer->enabled());
    change();
    ASSERT_TRUE(timer->enabled());
    EXPECT_EQ(timer->interval(), AutoSave::DelayMs);
    const int started = timer->periodStarts;
    change();
    change();
    EXPECT_EQ(timer->periodStarts, started);  // the wait is not pushed back
    EXPECT_EQ(saves, 0);
    timer->tick();
    EXPECT_EQ(saves, 1);
    EXPECT_FALSE(document.modified());
    EXPECT_FALSE(timer->enabled());
    autoSave->check();
    EXPECT_FALSE(timer->tick());
    EXPECT_EQ(saves, 1);
}

TEST_F(AutoSaveTest, ChangesGoneBeforeTheWaitEndsAreNotSaved) {
    change();
    document.setModified(false);  // re-read from disk meanwhile
    timer->tick();
    EXPECT_EQ(saves, 0);
}

TEST_F(AutoSaveTest, AFailedSaveIsTriedAgainAfterALongerWaitThenAsUsual) {
    saveWorks = false;
    change();
    timer->tick();
    EXPECT_EQ(saves, 1);
    autoSave->check();
    ASSERT_TRUE(timer->enabled());
    EXPECT_EQ(timer->interval(), AutoSave::RetryMs);
    saveWorks = true;
    timer->tick();
    EXPECT_EQ(saves, 2);
    change();
    EXPECT_EQ(timer->interval(), AutoSave::DelayMs);
}

TEST_F(AutoSaveTest, StoppedItSavesNoMore) {
    change();
    autoSave->stop();
    EXPECT_FALSE(timer->tick());
    EXPECT_EQ(saves, 0);
}

}  // namespace
}  // namespace verdo
