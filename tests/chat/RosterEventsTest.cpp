// The roster's events on the main window's logic with fakes: the channel box
// and its count, flag changes, joins with greeting, sound,
// notes, whois, notifications and the join automation, leaves, the log lines
// and the plain text dump.
#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "chat/SessionFixture.h"

namespace verdo::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class RosterEventsTest : public SessionFixture {
  protected:
    RosterEventsTest() { logOn(); }

    const Roster& roster() { return form.roster().roster(); }
    tUser& addUser(const std::string& name) {
        auto user = std::make_unique<tUser>();
        user->setName(name);
        tUser* kept = user.get();
        form.document().users().Add(std::move(user));
        return *kept;
    }
    // Lets the paced sender put out everything it holds.
    std::string sent() {
        for (int i = 0; i < 10; ++i)
            flood->tick();
        return peer->sent;
    }
    int iconOf(const std::string& name) {
        const auto row = roster().find(name);
        EXPECT_TRUE(row.has_value()) << name;
        return row ? roster().row(*row).icon : -1;
    }
    bool squelched(const std::string& name) {
        return roster().SquelchMarks().at(*roster().find(name));
    }
};

TEST_F(RosterEventsTest, ChannelShowsTheOldCountUntilUsersArrive) {
    receive("1001 USER a 0010 [STAR]");
    receive("1001 USER b 0010 [STAR]");
    EXPECT_EQ(view.channel, "Chat (2)");
    receive("1007 CHANNEL \"Next Door\"");
    EXPECT_EQ(view.channel, "Next Door (2)");
    EXPECT_TRUE(roster().empty());
    EXPECT_EQ(roster().UserCount(), 0);
    EXPECT_EQ(form.roster().channelName(), "Next Door");
    EXPECT_TRUE(view.hasLine("Joining channel Next Door."));
    EXPECT_EQ(view.lines.back().segments[0].color, form.document().options().infoColor());
    receive("1001 USER c 0010 [CHAT]");
    EXPECT_EQ(view.channel, "Next Door (1)");
    EXPECT_THAT(form.roster().rosterNames(), ElementsAre("c"));
}

TEST_F(RosterEventsTest, UsersInChannelKeepServerOrderAndRunNoAutomation) {
    form.document().options().setWhoisOnJoin(true);
    form.document().options().setEnterLeaveNotifications(true);
    addUser("zed").setGreeting("hello zed");
    const std::size_t linesBefore = view.lines.size();
    receive("1001 USER zed 0010 [STAR]");
    receive("1001 USER Amy 0010 [CHAT]");
    EXPECT_THAT(form.roster().rosterNames(), ElementsAre("zed", "Amy"));
    EXPECT_EQ(sent(), "");
    EXPECT_EQ(view.lines.size(), linesBefore);
    EXPECT_THAT(platform.fakeSound.played, IsEmpty());
}

TEST_F(RosterEventsTest, SquelchDrawsTheCrossAndUnsquelchBringsTheIconBack) {
    receive("1001 USER bob 0010 [W2BN]");
    const int before = view.rosterChanges;
    receive("1009 USER bob 0020");
    EXPECT_TRUE(squelched("bob"));
    EXPECT_EQ(iconOf("bob"), UserIcon::Warcraft);  // the picture itself stays
    EXPECT_GT(view.rosterChanges, before);
    receive("1009 USER BOB 0000");
    EXPECT_FALSE(squelched("bob"));
    EXPECT_EQ(iconOf("bob"), UserIcon::Warcraft);
}

TEST_F(RosterEventsTest, FlagsForAnAbsentNameChangeNothingButRepaint) {
    receive("1001 USER bob 0010 [W2BN]");
    const int before = view.rosterChanges;
    receive("1009 USER nobody 0022");
    EXPECT_EQ(view.rosterChanges, before + 1);
    EXPECT_FALSE(squelched("bob"));
    EXPECT_EQ(iconOf("bob"), UserIcon::Warcraft);
}

TEST_F(RosterEventsTest, BuiltInNameShowsTheProgramsLogoWhateverTheProduct) {
    form.document().options().setMasterSwitch(true);
    form.document().lists().ProductActions[1] = "star action";  // STAR
    receive("1002 JOIN " + std::string(BuiltInUserName) + " 0010 [STAR]");
    EXPECT_EQ(iconOf(std::string(BuiltInUserName)), UserIcon::Verdo);
    EXPECT_EQ(sent(), "");  // no product action for VRDO
}

TEST_F(RosterEventsTest, JoinAppendsCountsAndRefreshesTheBox) {
    receive("1001 USER a 0010 [STAR]");
    receive("1002 JOIN b 0010 [SEXP]");
    receive("1002 JOIN b 0010 [SEXP]");  // a second row for the same name
    EXPECT_THAT(form.roster().rosterNames(), ElementsAre("a", "b", "b"));
    EXPECT_EQ(view.channel, "Chat (3)");
    EXPECT_EQ(iconOf("b"), UserIcon::BroodWar);
}

TEST_F(RosterEventsTest, JoinOfAKnownUserGreetsPlaysAndShowsNotes) {
    tUser& bob = addUser("Bob");
    bob.setGreeting("Hi <user>!");
    bob.setJoinSound("/sounds/bob.wav");
    bob.setNotes("plays on Sundays");
    bob.setTextColor(0x00123456);
    receive("1002 JOIN bOB 0010 [STAR]");
    EXPECT_EQ(sent(), "Hi <user>!\r");  // as stored
    EXPECT_THAT(platform.fakeSound.played, ElementsAre("/sounds/bob.wav"));
    const RecordingView::Line& notes = view.lines.back();
    EXPECT_EQ(notes.text(), "User notes for bOB: plays on Sundays");
    EXPECT_EQ(notes.segments[0].text, "User notes for bOB: ");
    EXPECT_EQ(notes.segments[0].color, form.document().options().infoColor());
    EXPECT_EQ(notes.segments[1].color, 0x00123456u);
}

TEST_F(RosterEventsTest, KnownUserWithNothingSetGetsNothing) {
    addUser("bob").setJoinSound("");
    const std::size_t linesBefore = view.lines.size();
    receive("1002 JOIN bob 0010 [XXXX]");
    EXPECT_EQ(sent(), "");
    EXPECT_EQ(view.lines.size(), linesBefore);
}

TEST_F(RosterEventsTest, NoneSoundInAnyCasePlaysNothing) {
    addUser("a").setJoinSound("None");
    addUser("b").setJoinSound("NONE");
    addUser("c").setJoinSound("nOnE");
    addUser("d");  // the default is "None" for both
    for (const char* name : {"a", "b", "c", "d"})
        receive(std::string("1002 JOIN ") + name + " 0010 [CHAT]");
    for (const char* name : {"a", "b", "c", "d"})
        receive(std::string("1003 LEAVE ") + name + " 0010 [CHAT]");
    EXPECT_THAT(platform.fakeSound.played, IsEmpty());
    addUser("e").setLeaveSound("bye.wav");
    receive("1002 JOIN e 0010 [CHAT]");
    receive("1003 LEAVE E 0010 [CHAT]");
    EXPECT_THAT(platform.fakeSound.played, ElementsAre("bye.wav"));
}

TEST_F(RosterEventsTest, WhoisAndNotificationsFollowTheirSwitches) {
    form.document().options().setWhoisOnJoin(true);
    form.document().options().setEnterLeaveNotifications(true);
    form.document().options().setNameColor(0x00ABCDEF);
    receive("1002 JOIN Ann 0010 [CHAT]");
    receive("1003 LEAVE ann 0010 [CHAT]");
    EXPECT_EQ(sent(), "/whois Ann\r");
    ASSERT_GE(view.lines.size(), 2u);
    const RecordingView::Line& joined = view.lines[view.lines.size() - 2];
    EXPECT_EQ(joined.text(), "User Ann has joined the channel.");
    EXPECT_EQ(joined.segments[1].color, 0x00ABCDEFu);
    EXPECT_EQ(joined.segments[2].color, form.document().options().infoColor());
    EXPECT_EQ(view.lines.back().text(), "User ann has left the channel.");
}

TEST_F(RosterEventsTest, SwitchesOffMeanNoWhoisAndNoNotifications) {
    const std::size_t linesBefore = view.lines.size();
    receive("1002 JOIN Ann 0010 [CHAT]");
    receive("1003 LEAVE Ann 0010 [CHAT]");
    EXPECT_EQ(sent(), "");
    EXPECT_EQ(view.lines.size(), linesBefore);
}

TEST_F(RosterEventsTest, JoinAutomationRunsLastInItsOrder) {
    form.document().options().setMasterSwitch(true);
    form.document().options().setWhoisOnJoin(true);
    form.document().options().setRespondToJoins(true);
    form.document().options().setJoinResponse("welcome");
    form.document().options().setAutoBan(true);
    form.document().lists().BanList = {"pest"};
    form.document().lists().ProductActions[1] = "a star";  // STAR
    addUser("pest").setGreeting("stored greeting");
    receive("1002 JOIN pest 0010 [STAR]");
    EXPECT_EQ(sent(), "stored greeting\r/whois pest\rwelcome\r/ban pest AutoBan\ra star\r");
}

TEST_F(RosterEventsTest, LeaveRemovesTheFirstMatchOnly) {
    receive("1001 USER bob 0010 [STAR]");
    receive("1001 USER amy 0010 [STAR]");
    receive("1002 JOIN Bob 0010 [CHAT]");
    receive("1003 LEAVE BOB 0000 [STAR]");
    EXPECT_THAT(form.roster().rosterNames(), ElementsAre("amy", "Bob"));
    EXPECT_EQ(view.channel, "Chat (2)");
}

TEST_F(RosterEventsTest, LeaveOfAnAbsentNameChangesNothing) {
    form.document().options().setEnterLeaveNotifications(true);
    addUser("ghost").setLeaveSound("boo.wav");
    receive("1001 USER bob 0010 [STAR]");
    const std::size_t linesBefore = view.lines.size();
    receive("1003 LEAVE ghost 0010 [STAR]");
    EXPECT_EQ(roster().UserCount(), 1);
    EXPECT_EQ(view.channel, "Chat (1)");
    EXPECT_EQ(view.lines.size(), linesBefore);
    EXPECT_THAT(platform.fakeSound.played, IsEmpty());
}

TEST_F(RosterEventsTest, DisconnectEmptiesRowsAndBoxButKeepsTheChannelName) {
    receive("1001 USER bob 0010 [STAR]");
    form.connectLoop().acConnectExecute();
    EXPECT_TRUE(roster().empty());
    EXPECT_EQ(view.channel, "");
    EXPECT_EQ(form.roster().channelName(), "Chat");
    EXPECT_THAT(form.roster().rosterNames(), IsEmpty());
}

TEST_F(RosterEventsTest, EventLinesGoToTheLog) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("verdo-roster-log-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         ".txt");
    std::filesystem::remove(path);
    form.document().options().setKeepLog(true);
    form.document().options().setLogEvents(true);
    ASSERT_TRUE(form.chatLog().open(path.string()));
    receive("1007 CHANNEL \"Lobby\"");
    receive("1001 USER amy 0010 [STAR]");
    receive("1002 JOIN bob 0010 [STAR]");
    receive("1003 LEAVE bob 0010 [STAR]");
    receive("1003 LEAVE nobody 0010 [STAR]");
    form.chatLog().close();
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    std::filesystem::remove(path);
    EXPECT_THAT(lines, ElementsAre("[Joining] Lobby", "[User in channel] amy", "[User Join] bob",
                                   "[User Leave] bob", "[User Leave] nobody"));
}

TEST_F(RosterEventsTest, PlainTextDumpShowsEachRawLineInWhisperColor) {
    form.document().options().setWhisperColor(0x00C0FFEE);
    form.document().options().setPlainTextDump(true);
    receive("1005 TALK bob 0010 \"hi there\"");
    receive("1002 JOIN amy 0010 [STAR]");
    ASSERT_FALSE(view.lines.empty());
    EXPECT_TRUE(view.hasLine("1002 JOIN amy 0010 [STAR]"));
    EXPECT_EQ(view.lines.back().segments[0].color, 0x00C0FFEEu);
    EXPECT_EQ(view.lines.back().pane, ChatPane);
    int raw = 0;
    for (const RecordingView::Line& line : view.lines) {
        if (line.text() == "1005 TALK bob 0010 \"hi there\"") {
            ++raw;
            EXPECT_EQ(line.segments[0].color, 0x00C0FFEEu);
        }
    }
    EXPECT_EQ(raw, 1);
    EXPECT_THAT(form.roster().rosterNames(), ElementsAre("amy"));  // decoded as well
}

}  // namespace
}  // namespace verdo::testing
