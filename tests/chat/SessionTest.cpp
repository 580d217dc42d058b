// The session: the connect loop and its time-outs, log-on, the welcome, lost
// connections, send errors, refused log-ons and the kick.
#include <gmock/gmock.h>

#include "chat/SessionFixture.h"
#include "support/TempFolder.h"

namespace verdo::testing {
namespace {

using ::testing::ElementsAre;

using ConnectLoopTest = SessionFixture;

TEST_F(ConnectLoopTest, ConnectShowsTheDialogAndTriesTheFirstServer) {
    form.connectLoop().acConnectExecute();
    EXPECT_TRUE(view.hasLine("Attempting to connect."));
    EXPECT_TRUE(view.dialogShown);
    EXPECT_FALSE(view.mainInputEnabled);
    EXPECT_FALSE(view.enabled[ChatAction::Connect]);
    EXPECT_EQ(view.status[0], "Trying Server: alpha:6200");
    EXPECT_EQ(view.dialogServer, "Trying Server: alpha:6200");
    EXPECT_EQ(view.dialogTimeout, "Timeout in: 5");
    EXPECT_EQ(peer->lastHost, "alpha");
    EXPECT_EQ(peer->lastPort, 6200);
    EXPECT_TRUE(serverTimer->enabled());
    EXPECT_TRUE(form.connectLoop().connectLoopRunning());
}

TEST_F(ConnectLoopTest, ConnectPhaseCountsDownFourToZeroAndGivesUpOnTheFifthTick) {
    form.connectLoop().acConnectExecute();
    tickServerTimer(4);
    EXPECT_EQ(peer->connectCalls, 1);
    tickServerTimer(1);
    EXPECT_THAT(view.dialogTimeoutHistory,
                ElementsAre("Timeout in: 5", "Timeout in: 4", "Timeout in: 3", "Timeout in: 2",
                            "Timeout in: 1", "Timeout in: 0", "Timeout in: 5"));
    EXPECT_THAT(view.detailHistory, ElementsAre("Timeout in: 4", "Timeout in: 3", "Timeout in: 2",
                                                "Timeout in: 1", "Timeout in: 0"));
    EXPECT_EQ(peer->connectCalls, 2);
    EXPECT_EQ(peer->lastHost, "beta");
    EXPECT_EQ(peer->lastPort, 6112);
}

TEST_F(ConnectLoopTest, LogonPhaseCountsTwentyTwentyDownToZeroAndGivesUpOnTheTwentyFirst) {
    connectAndAccept();
    EXPECT_EQ(view.status[0], "Attempting to log on to alpha:6200");
    EXPECT_EQ(view.dialogTimeout, "Timeout in: 20");
    view.dialogTimeoutHistory.clear();
    tickServerTimer(20);
    EXPECT_EQ(view.dialogTimeoutHistory.front(), "Timeout in: 20");
    EXPECT_EQ(view.dialogTimeoutHistory.back(), "Timeout in: 1");
    EXPECT_EQ(peer->connectCalls, 1);
    tickServerTimer(1);
    EXPECT_EQ(view.dialogTimeoutHistory[20], "Timeout in: 0");
    EXPECT_EQ(peer->connectCalls, 2);
    EXPECT_EQ(peer->lastHost, "beta");
    EXPECT_FALSE(form.session().ChatInterface().Connected());
}

TEST_F(ConnectLoopTest, OneEntryListIsRetriedUntilCancelled) {
    form.document().lists().ServerList = {"only"};
    form.connectLoop().acConnectExecute();
    tickServerTimer(15);
    EXPECT_EQ(peer->connectCalls, 4);
    EXPECT_EQ(peer->lastHost, "only");
    form.connectLoop().btnCancelClick();
    EXPECT_FALSE(form.connectLoop().connectLoopRunning());
    tickServerTimer(10);
    EXPECT_EQ(peer->connectCalls, 4);
}

TEST_F(ConnectLoopTest, EmptyServerListGetsTheDefaultWhichStays) {
    form.document().lists().ServerList.clear();
    form.connectLoop().acConnectExecute();
    EXPECT_EQ(peer->lastHost, "battle.net");
    form.connectLoop().btnCancelClick();
    EXPECT_THAT(form.document().lists().ServerList, ElementsAre("battle.net"));
}

TEST_F(ConnectLoopTest, CancelEndsTheLoopOffline) {
    form.connectLoop().acConnectExecute();
    form.connectLoop().btnCancelClick();
    EXPECT_FALSE(view.dialogShown);
    EXPECT_TRUE(view.mainInputEnabled);
    EXPECT_TRUE(view.enabled[ChatAction::Connect]);
    EXPECT_EQ(view.status[0], "");
    EXPECT_EQ(view.status[1], "");
    EXPECT_FALSE(serverTimer->enabled());
    EXPECT_FALSE(form.session().LoggedOn());
    EXPECT_FALSE(peer->open);
    EXPECT_GT(view.focusCount, 0);
    // Cancel left nothing that refuses the next attempt.
    form.connectLoop().acConnectExecute();
    EXPECT_EQ(peer->connectCalls, 2);
}

TEST_F(ConnectLoopTest, CancelDuringLogonDisconnects) {
    connectAndAccept();
    form.connectLoop().btnCancelClick();
    EXPECT_FALSE(form.session().ChatInterface().Connected());
    EXPECT_FALSE(form.connectLoop().connectLoopRunning());
}

TEST_F(ConnectLoopTest, NextMovesOnAndDropsTheAttemptInProgress) {
    connectAndAccept();
    form.connectLoop().btnNextClick();
    EXPECT_EQ(peer->connectCalls, 2);
    EXPECT_EQ(peer->lastHost, "beta");
    EXPECT_FALSE(form.session().ChatInterface().Connected());
    EXPECT_EQ(view.status[0], "Trying Server: beta");
    form.connectLoop().btnNextClick();
    EXPECT_EQ(peer->lastHost, "alpha");  // back to the first after the last
}

// Every round starts with the start server; the list and the saved file never
// hold it, and it is not tried twice when the list begins with it.
TEST_F(ConnectLoopTest, StartServerIsTriedFirstInEveryRoundAndNeverListed) {
    form.setStartServer("127.0.0.1:6300");
    form.connectLoop().acConnectExecute();
    EXPECT_EQ(peer->lastHost, "127.0.0.1");
    EXPECT_EQ(peer->lastPort, 6300);
    std::vector<std::string> tried;
    for (int i = 0; i < 3; ++i) {
        form.connectLoop().btnNextClick();
        tried.push_back(peer->lastHost);
    }
    EXPECT_THAT(tried, ElementsAre("alpha", "beta", "127.0.0.1"));
    EXPECT_THAT(form.document().lists().ServerList, ElementsAre("alpha:6200", "beta"));
    form.connectLoop().btnCancelClick();
    form.document().lists().ServerList = {"127.0.0.1:6300", "beta"};
    form.connectLoop().acConnectExecute();
    form.connectLoop().btnNextClick();
    EXPECT_EQ(peer->lastHost, "beta");
}

TEST_F(ConnectLoopTest, RefusedConnectionShowsAnErrorAndMovesOnAtOnce) {
    form.connectLoop().acConnectExecute();
    peer->refuse("Connection refused");
    EXPECT_TRUE(view.hasLine("Unable to connect to alpha:6200: Connection refused."));
    EXPECT_EQ(view.lines.back().segments[0].color, form.document().options().errorColor());
    EXPECT_EQ(peer->connectCalls, 2);
    EXPECT_EQ(peer->lastHost, "beta");
}

TEST_F(ConnectLoopTest, AListThatRefusesEverywhereIsRetriedOncePerTimeOut) {
    form.document().lists().ServerList = {"dead1", "dead2"};
    form.connectLoop().acConnectExecute();
    peer->refuse();  // dead1: on to dead2 at once
    EXPECT_EQ(peer->lastHost, "dead2");
    peer->refuse();  // every server refused: the round waits
    EXPECT_EQ(peer->connectCalls, 2);
    tickServerTimer(4);
    EXPECT_EQ(peer->connectCalls, 2);
    tickServerTimer(1);
    EXPECT_EQ(peer->connectCalls, 3);
    EXPECT_EQ(peer->lastHost, "dead1");
    peer->refuse();  // a new round goes fast again
    EXPECT_EQ(peer->connectCalls, 4);
}

TEST_F(ConnectLoopTest, SendErrorWhileLoggingOnMovesToTheNextServer) {
    form.connectLoop().acConnectExecute();
    peer->failSends = true;
    peer->accept();
    EXPECT_TRUE(view.hasLine("Send error:  Server may not be responding"));
    EXPECT_EQ(peer->connectCalls, 2);
    EXPECT_EQ(peer->lastHost, "beta");
}

TEST_F(ConnectLoopTest, LogonBytesUseTheOptionsName) {
    form.document().options().setUserName("Verdo");
    form.document().options().setPassword("pw");
    form.session().applyLogonOptions();
    connectAndAccept();
    EXPECT_EQ(peer->sent, std::string("\x03\x04Verdo\rpw\r\r"));
    EXPECT_TRUE(view.sendButtonsEnabled);
}

using WelcomeTest = SessionFixture;

TEST_F(WelcomeTest, WelcomeLogsOnAndJoinsTheDefaultChannel) {
    connectAndAccept();
    receive("2010 NAME Verdo#2");
    receive("1018 INFO \"Welcome to the test gateway!\"");
    EXPECT_TRUE(form.session().LoggedOn());
    EXPECT_EQ(form.session().UniqueName(), "Verdo#2");
    EXPECT_EQ(view.status[0], "Logged on to alpha:6200");
    EXPECT_EQ(view.status[1], "Connected to: alpha:6200");
    EXPECT_EQ(sentAfterLogon(), "/join Blizzard Chat Verdo-1\r");
    EXPECT_FALSE(view.dialogShown);
    EXPECT_TRUE(view.mainInputEnabled);
    EXPECT_FALSE(serverTimer->enabled());
    EXPECT_TRUE(view.hasLine("Welcome to the test gateway!"));
}

TEST_F(WelcomeTest, WelcomeInAnyLetterCaseJoinsTheHomeChannel) {
    form.document().options().setHomeChannel("Op Verdo");
    connectAndAccept();
    receive("1018 INFO \"WeLcOmE tO Battle.net!\"");
    EXPECT_TRUE(form.session().LoggedOn());
    EXPECT_EQ(sentAfterLogon(), "/join Op Verdo\r");
}

TEST_F(WelcomeTest, WelcomeInAnErrorLineAlsoLogsOn) {
    connectAndAccept();
    receive("1019 ERROR \"Hello Verdo, welcome to PvPGN Realm!\"");
    EXPECT_TRUE(form.session().LoggedOn());
    EXPECT_EQ(sentAfterLogon(), "/join Blizzard Chat Verdo-1\r");
}

// The welcome and the message of the day as error lines, as some servers send
// them: news until the log-on has completed, an error afterwards.
TEST_F(WelcomeTest, ErrorLinesOfTheGreetingAreInformationNotErrors) {
    TempFolder folder;
    tOptions& options = form.document().options();
    options.setKeepLog(true);
    options.setLogEvents(true);
    options.setLogTime(false);
    ASSERT_TRUE(form.chatLog().open((folder.path() / "chat.log").string()));
    connectAndAccept();
    // An empty text stands for the channel line that follows the welcome.
    const std::vector<std::pair<std::string, bool>> errors = {
        {"No guest account here.", true},       {"Hello Verdo, welcome to PvPGN Realm!", true},
        {"Message of the day: be nice.", true}, {"", false},
        {"That user is not logged on.", false},
    };
    std::string expectedLog;
    for (const auto& [text, greeting] : errors) {
        SCOPED_TRACE(text);
        view.lines.clear();
        if (text.empty()) {
            receive("1007 CHANNEL \"Chat\"");
            expectedLog += "[Joining] Chat\n";
            continue;
        }
        receive("1019 ERROR \"" + text + "\"");
        ASSERT_EQ(view.lines.size(), 1u);
        EXPECT_EQ(view.lines[0].segments[0].color,
                  greeting ? options.infoColor() : options.errorColor());
        expectedLog += (greeting ? "[Info] " : "[Error] ") + text + "\n";
    }
    form.chatLog().close();
    EXPECT_EQ(readFile(folder.path() / "chat.log"), expectedLog);
}

TEST_F(WelcomeTest, ALaterWelcomeJoinsAgain) {
    logOn();
    receive("1018 INFO \"welcome to the club\"");
    flood->tick();
    EXPECT_EQ(peer->sent, "/join Blizzard Chat Verdo-1\r");
}

TEST_F(WelcomeTest, InfoWithoutWelcomeDoesNotLogOn) {
    connectAndAccept();
    receive("1018 INFO \"Hello there\"");
    EXPECT_FALSE(form.session().LoggedOn());
    EXPECT_TRUE(form.connectLoop().connectLoopRunning());
}

TEST_F(WelcomeTest, IdleUpdateShowsTheSession) {
    form.ActionListUpdate();
    EXPECT_EQ(view.captions[ChatAction::Connect], "&Connect");
    EXPECT_FALSE(view.checked[ChatAction::Connect]);
    EXPECT_FALSE(view.enabled[ChatAction::Away]);
    logOn();
    form.ActionListUpdate();
    EXPECT_EQ(view.captions[ChatAction::Connect], "&Disconnect");
    EXPECT_TRUE(view.checked[ChatAction::Connect]);
    EXPECT_TRUE(view.enabled[ChatAction::Away]);
    EXPECT_TRUE(view.enabled[ChatAction::DND]);
    EXPECT_EQ(view.status[1], "Connected to: alpha:6200");
}

TEST_F(WelcomeTest, IdleUpdateNeverRunsDuringTheConnectLoop) {
    form.connectLoop().acConnectExecute();
    serverTimer->tick();
    form.ActionListUpdate();
    EXPECT_EQ(view.status[1], "Timeout in: 4");
}

TEST_F(WelcomeTest, FloodIntervalFollowsTheQueue) {
    logOn();
    flood->tick();  // the join went out; the sender is ready again
    form.ActionListUpdate();
    EXPECT_EQ(form.session().bcChat().FloodInterval(), 2500);
    auto send = [this] {
        view.entry = "line";
        form.text().btnSendClick(view.entry, view.selection());
    };
    send();  // goes out at once
    send();
    send();
    form.ActionListUpdate();
    EXPECT_EQ(form.session().bcChat().QueueCount(), 2);
    EXPECT_EQ(form.session().bcChat().FloodInterval(), 2500);
    send();
    form.ActionListUpdate();
    EXPECT_EQ(form.session().bcChat().FloodInterval(), 4000);
}

using LostConnectionTest = SessionFixture;

TEST_F(LostConnectionTest, ConnectActionWhileConnectedDisconnects) {
    logOn();
    form.connectLoop().acConnectExecute();
    EXPECT_FALSE(form.session().ChatInterface().Connected());
    EXPECT_FALSE(form.session().LoggedOn());
    EXPECT_EQ(view.status[0], "");
    EXPECT_EQ(view.channel, "");
    EXPECT_FALSE(view.checked[ChatAction::Connect]);
    EXPECT_FALSE(view.sendButtonsEnabled);
}

TEST_F(LostConnectionTest, CloseInChatWithoutAutoReconnectGoesOffline) {
    logOn();
    peer->peerClose();
    EXPECT_TRUE(view.hasLine("Connection was terminated."));
    EXPECT_FALSE(form.session().ChatInterface().Connected());
    EXPECT_FALSE(form.connectLoop().connectLoopRunning());
    EXPECT_EQ(peer->connectCalls, 1);
}

TEST_F(LostConnectionTest, CloseInChatWithAutoReconnectStartsFromTheFirstServer) {
    form.document().options().setAutoReconnect(true);
    form.document().lists().ServerList = {"beta", "alpha:6200"};
    logOn();
    form.connectLoop().btnNextClick();  // no loop: nothing happens
    peer->peerClose();
    EXPECT_TRUE(form.connectLoop().connectLoopRunning());
    EXPECT_EQ(peer->connectCalls, 2);
    EXPECT_EQ(peer->lastHost, "beta");
    EXPECT_TRUE(view.hasLine("Attempting to connect."));
}

TEST_F(LostConnectionTest, CloseDuringLogonWithAutoReconnectLeavesExactlyOneLoop) {
    form.document().options().setAutoReconnect(true);
    connectAndAccept();
    peer->peerClose();
    EXPECT_EQ(peer->connectCalls, 2);
    EXPECT_EQ(peer->lastHost, "alpha");  // a new loop, from the first server
    peer->accept();
    receive("1018 INFO \"Welcome to it\"");
    EXPECT_TRUE(form.session().LoggedOn());
    EXPECT_FALSE(form.connectLoop().connectLoopRunning());
    tickServerTimer(30);
    EXPECT_EQ(peer->connectCalls, 2);
}

TEST_F(LostConnectionTest, CloseDuringLogonWithoutAutoReconnectTriesTheNextServer) {
    connectAndAccept();
    peer->peerClose();
    EXPECT_EQ(peer->connectCalls, 2);
    EXPECT_EQ(peer->lastHost, "beta");
    EXPECT_TRUE(form.connectLoop().connectLoopRunning());
}

TEST_F(LostConnectionTest, SendErrorInChatDisconnectsWithoutReconnecting) {
    form.document().options().setAutoReconnect(true);
    logOn();
    peer->failSends = true;
    view.entry = "hello";
    form.text().btnSendClick(view.entry, view.selection());
    flood->tick();  // the paced line goes out and fails
    EXPECT_TRUE(view.hasLine("Send error:  Server may not be responding"));
    EXPECT_FALSE(form.session().LoggedOn());
    EXPECT_FALSE(form.session().ChatInterface().Connected());
    EXPECT_FALSE(form.connectLoop().connectLoopRunning());
    EXPECT_EQ(peer->connectCalls, 1);
    EXPECT_EQ(view.status[0], "");
}

TEST_F(LostConnectionTest, SocketErrorOnlyInforms) {
    logOn();
    peer->OnError();
    EXPECT_THAT(view.messages, ElementsAre("Socket Error"));
    EXPECT_TRUE(form.session().LoggedOn());
}

using RefusedLogonTest = SessionFixture;

TEST_F(RefusedLogonTest, LoginIncorrectInAnyCaseEndsTheLoop) {
    for (const char* notice :
         {"LOGIN INCORRECT", "Login incorrect.", "Login failed.", "account has no bot access."}) {
        SCOPED_TRACE(notice);
        view.messages.clear();
        const int before = peer->connectCalls;
        connectAndAccept();
        receive(notice);
        ASSERT_EQ(view.messages.size(), 1u);
        EXPECT_EQ(view.messages[0],
                  "Log on failed.  Please check your name and password\nand be sure you are using "
                  "a name and password\nyou have already set up with Diablo or Starcraft");
        EXPECT_FALSE(form.connectLoop().connectLoopRunning());
        EXPECT_FALSE(form.session().ChatInterface().Connected());
        EXPECT_FALSE(serverTimer->enabled());
        EXPECT_FALSE(view.dialogShown);
        tickServerTimer(30);
        EXPECT_EQ(peer->connectCalls, before + 1);
    }
}

TEST_F(RefusedLogonTest, OtherUnhandledLinesAreNeverShown) {
    connectAndAccept();
    const std::size_t before = view.lines.size();
    receive("LOGIN SOMETHING ELSE");
    receive("1020 whatever");
    EXPECT_EQ(view.lines.size(), before);
    EXPECT_TRUE(view.messages.empty());
}

using KickTest = SessionFixture;

// A kick notice naming the program rejoins the channel when Auto Rejoin is on;
// one naming someone else is only shown.
TEST_F(KickTest, KickRejoinsOnlyWhenItNamesUsAndRejoinIsOn) {
    struct Case {
        const char* name;
        bool rejoin;
        const char* notice;
        bool rejoins;
    };
    const Case cases[] = {
        {"Verdo", true, "Op kicked you out of the channel!", true},
        {"Verdo#2", true, "verdo#2 has been kicked by Op (bye).", true},
        {"Verdo", true, "Verdone has been kicked by Op.", false},
        {"Verdo", false, "Op kicked you out of the channel!", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.notice);
        form.document().options().setAutoRejoin(c.rejoin);
        view.lines.clear();
        logOn(c.name);
        flood->tick();  // the join of the log-on goes out
        peer->sent.clear();
        receive(std::string("1018 INFO \"") + c.notice + "\"");
        flood->tick();
        EXPECT_EQ(peer->sent, c.rejoins ? "/join Chat\r" : "");
        EXPECT_TRUE(view.hasLine(c.notice));
        EXPECT_EQ(view.hasLine("Rejoining Chat"), c.rejoins);
        form.connectLoop().acConnectExecute();  // disconnects for the next case
    }
}

// A line the server refuses for its length and that cannot be cut (a command).
TEST_F(WelcomeTest, ALineTheServerNeverTookIsShownAsNotDelivered) {
    logOn();
    view.lines.clear();
    receive("1019 ERROR \"Your line length quota has been exceeded!\"");
    ASSERT_TRUE(view.hasLine("Not delivered: /join Blizzard Chat Verdo-1"));
    EXPECT_EQ(view.lines.back().segments[0].color, form.document().options().infoColor());
}

TEST_F(WelcomeTest, DroppedAnswersAreShownAsAnInfoLine) {
    logOn();
    view.lines.clear();
    for (int i = 0; i < 501; ++i)
        form.session().bcChat().SendLine("answer\r", SendClass::Automatic);
    ASSERT_TRUE(
        view.hasLine("Too many lines waiting to be sent: dropped 1 automatic or timed line."));
    EXPECT_EQ(view.lines.back().segments[0].color, form.document().options().infoColor());
}

}  // namespace
}  // namespace verdo::testing
