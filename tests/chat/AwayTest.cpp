// Away and do-not-disturb: the input box, the commands sent and the check marks.
#include <gmock/gmock.h>

#include "chat/SessionFixture.h"

namespace verdo::testing {
namespace {

using ::testing::ElementsAre;

class AwayTest : public SessionFixture {
  protected:
    void SetUp() override {
        logOn();
        form.document().options().setAwayReason("lunch");
    }
    // Lets the paced sender put out everything it holds.
    std::string sent() {
        for (int i = 0; i < 5; ++i)
            flood->tick();
        return peer->sent;
    }
};

TEST_F(AwayTest, ConfirmedReasonSwitchesAwayOn) {
    view.answers.push_back("gone fishing");
    form.away().acAwayExecute();
    EXPECT_THAT(view.inputBoxes, ElementsAre("Away|Enter reason why you will be away:|lunch"));
    EXPECT_TRUE(form.away().AwayOn());
    EXPECT_TRUE(view.checked[ChatAction::Away]);
    EXPECT_EQ(form.document().options().awayReason(), "gone fishing");
    EXPECT_TRUE(form.document().modified());
    EXPECT_EQ(sent(), "/away gone fishing\r");
    EXPECT_GT(view.focusCount, 0);
}

TEST_F(AwayTest, SameReasonDoesNotMarkTheSettingsModified) {
    view.answers.push_back("lunch");
    form.away().acAwayExecute();
    EXPECT_TRUE(form.away().AwayOn());
    EXPECT_FALSE(form.document().modified());
}

TEST_F(AwayTest, LongReasonIsCutTo255) {
    view.answers.push_back(std::string(300, 'r'));
    form.away().acAwayExecute();
    EXPECT_EQ(sent(), "/away " + std::string(255, 'r') + "\r");
}

TEST_F(AwayTest, EmptyReasonChangesNothing) {
    view.answers.push_back("");
    form.away().acAwayExecute();
    EXPECT_FALSE(form.away().AwayOn());
    EXPECT_FALSE(view.checked.count(ChatAction::Away));
    EXPECT_EQ(sent(), "");
}

TEST_F(AwayTest, CancelledBoxUnchecks) {
    view.answers.push_back(std::nullopt);
    form.away().acAwayExecute();
    EXPECT_FALSE(form.away().AwayOn());
    EXPECT_FALSE(view.checked[ChatAction::Away]);
    EXPECT_EQ(sent(), "");
}

TEST_F(AwayTest, SecondRunSwitchesOffWithTheBareCommand) {
    view.answers.push_back("out");
    form.away().acAwayExecute();
    form.away().acAwayExecute();
    EXPECT_FALSE(form.away().AwayOn());
    EXPECT_FALSE(view.checked[ChatAction::Away]);
    EXPECT_EQ(sent(), "/away out\r/away\r");
    EXPECT_EQ(view.inputBoxes.size(), 1u);
}

TEST_F(AwayTest, ServerLinesMoveTheCheckMarkButNotTheMode) {
    view.answers.push_back("out");
    form.away().acAwayExecute();
    receive("1018 INFO \"You are no longer marked as away.\"");
    EXPECT_FALSE(view.checked[ChatAction::Away]);
    EXPECT_TRUE(form.away().AwayOn());
    form.away().acAwayExecute();  // AwayOn still set: switches off without asking
    EXPECT_EQ(sent(), "/away out\r/away\r");
    receive("1018 INFO \"You are now marked as being away.\"");
    EXPECT_TRUE(view.checked[ChatAction::Away]);
    EXPECT_FALSE(form.away().AwayOn());
}

TEST_F(AwayTest, DoNotDisturbUsesItsOwnTextsAndReason) {
    form.document().options().setDndReason("busy");
    view.answers.push_back("meeting");
    form.away().acDNDExecute();
    EXPECT_THAT(view.inputBoxes, ElementsAre("DND|Enter reason why you will be in DND mode:|busy"));
    EXPECT_TRUE(form.away().DNDOn());
    EXPECT_FALSE(form.away().AwayOn());
    EXPECT_TRUE(view.checked[ChatAction::DND]);
    form.away().acDNDExecute();
    EXPECT_EQ(sent(), "/DND meeting\r/DND\r");
    EXPECT_EQ(form.document().options().dndReason(), "meeting");
}

}  // namespace
}  // namespace verdo::testing
