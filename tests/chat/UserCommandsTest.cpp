// The custom user list's rules (adding without duplicates, the insert-then-
// delete move of a drag within the list) and the session's side of the user
// popups: the custom list's questions, the modified flag, the user
// information question.
#include <gtest/gtest.h>

#include "chat/CustomUserList.h"
#include "chat/SessionFixture.h"

namespace verdo {
namespace {

struct MoveCase {
    std::size_t from;
    std::optional<std::size_t> target;
    tStringList expected;
    bool changed;
};

TEST(CustomUserListTest, DragWithinInsertsAtTheTargetThenDeletesTheOldRow) {
    const MoveCase cases[] = {
        {0, 2, {"B", "A", "C"}, true},
        {2, 0, {"C", "A", "B"}, true},
        {0, 1, {"A", "B", "C"}, true},  // onto the row below: rewritten, same order
        {0, 3, {"B", "C", "A"}, true},  // below the last row
        {1, 1, {"A", "B", "C"}, false},
        {1, std::nullopt, {"A", "B", "C"}, false},  // outside the list
    };
    for (const MoveCase& c : cases) {
        tStringList names{"A", "B", "C"};
        EXPECT_EQ(CustomUserList(names).moveRow(c.from, c.target), c.changed) << c.from;
        EXPECT_EQ(names, c.expected) << c.from;
    }
}

TEST(CustomUserListTest, NewNamesAreNeverEqualWithoutRegardToCase) {
    tStringList names{"Bob", "Cid"};
    CustomUserList list(names);
    EXPECT_FALSE(list.insertNew("bOB"));
    EXPECT_FALSE(list.insertNew(""));
    EXPECT_TRUE(list.insertNew("Ann", 0));
    EXPECT_TRUE(list.insertNew("Zed", 99));
    EXPECT_EQ(names, (tStringList{"Ann", "Bob", "Cid", "Zed"}));
}

class UserCommandsTest : public testing::SessionFixture {
  protected:
    tStringList& custom() { return form.document().lists().UserDef; }
    void run(UserAct act, std::optional<std::string> name, std::optional<std::size_t> row = {}) {
        form.userCommands().perform({act, nullptr, nullptr}, {std::move(name), row, false});
    }

    std::vector<std::optional<std::size_t>>& shownWith = view.customListShownWith;
    std::vector<std::string>& infoOpened = view.userInfoOpened;
};

TEST_F(UserCommandsTest, AddDeleteAndEditAskAndMarkTheSettingsModified) {
    custom() = {"Bob"};
    view.answers = {std::string("bob"), std::string("Ann")};
    run(UserAct::AddUser, std::nullopt);
    EXPECT_FALSE(form.document().modified());
    run(UserAct::AddUser, std::nullopt);
    EXPECT_EQ(custom(), (tStringList{"Bob", "Ann"}));
    EXPECT_EQ(view.inputBoxes.front(), "New Entry|Enter a name to add to list:|");
    EXPECT_TRUE(form.document().modified());

    // Cancelling the edit rewrites the row unchanged, and that is a change.
    form.document().setModified(false);
    run(UserAct::EditUser, "Ann", 1);
    EXPECT_EQ(view.inputBoxes.back(), "New Entry|Enter a name to add to list:|Ann");
    EXPECT_EQ(custom(), (tStringList{"Bob", "Ann"}));
    EXPECT_TRUE(form.document().modified());
    EXPECT_EQ(shownWith.back(), std::optional<std::size_t>(1));

    view.questionAnswers = {Answer::No, Answer::Yes};
    run(UserAct::DeleteUser, "Bob", 0);
    EXPECT_EQ(custom().size(), 2u);
    run(UserAct::DeleteUser, "Bob", 0);
    EXPECT_EQ(view.questions.back(), "Delete Bob?");
    EXPECT_EQ(custom(), tStringList{"Ann"});
    run(UserAct::DeleteUser, std::nullopt, std::nullopt);  // no selection: no question
    EXPECT_EQ(view.questions.size(), 2u);
}

TEST_F(UserCommandsTest, UserInformationOffersToAddAnUnknownUser) {
    view.questionAnswers = {Answer::No, Answer::Yes};
    run(UserAct::UserInfo, "Zed");
    EXPECT_EQ(view.questions.back(),
              "User Zed has no information.  Would you like to add this user?");
    EXPECT_TRUE(infoOpened.empty());
    run(UserAct::UserInfo, "Zed");
    EXPECT_EQ(form.document().users().IndexOfName("zed"), 0);
    EXPECT_TRUE(form.document().modified());
    run(UserAct::UserInfo, "ZED");  // known now: no question
    run(UserAct::UserInfo, std::nullopt);
    EXPECT_EQ(view.questions.size(), 2u);
    EXPECT_EQ(infoOpened, (std::vector<std::string>{"Zed", "ZED", ""}));
}

TEST_F(UserCommandsTest, DropsChangeTheListOnlyWhenTheyMoveOrAddAName) {
    custom() = {"A", "B", "C"};
    form.userCommands().dropFromRoster("b", 0);
    form.userCommands().dropWithin(1, 1);
    EXPECT_FALSE(form.document().modified());
    EXPECT_TRUE(shownWith.empty());
    form.userCommands().dropFromRoster("Dee", 1);
    form.userCommands().dropWithin(3, 0);
    EXPECT_EQ(custom(), (tStringList{"C", "A", "Dee", "B"}));
    EXPECT_EQ(shownWith.back(), std::optional<std::size_t>(0));
    EXPECT_TRUE(form.document().modified());
}

}  // namespace
}  // namespace verdo
