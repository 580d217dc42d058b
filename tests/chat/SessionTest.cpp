// The session: the connect loop and its time-outs, log-on, the welcome, lost
// connections, send errors, refused log-ons and the kick.
#include <gmock/gmock.h>

#include "chat/SessionFixture.h"

namespace verdo::testing {
namespace {

using ::testing::ElementsAre;

using ConnectLoopTest = SessionFixture;

TEST_F(ConnectLoopTest, ConnectShowsTheDialogAndTriesTheFirstServer) {
    form.acConnectExecute();
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
    EXPECT_TRUE(form.connectLoopRunning());
}

TEST_F(ConnectLoopTest, ConnectPhaseCountsDownFourToZeroAndGivesUpOnTheFifthTick) {
    form.acConnectExecute();
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
    EXPECT_FALSE(form.ChatInterface().Connected());
}

TEST_F(ConnectLoopTest, OneEntryListIsRetriedUntilCancelled) {
    form.lists().ServerList = {"only"};
    form.acConnectExecute();
    tickServerTimer(15);
    EXPECT_EQ(peer->connectCalls, 4);
    EXPECT_EQ(peer->lastHost, "only");
    form.btnCancelClick();
    EXPECT_FALSE(form.connectLoopRunning());
    tickServerTimer(10);
    EXPECT_EQ(peer->connectCalls, 4);
}

TEST_F(ConnectLoopTest, EmptyServerListGetsTheDefaultWhichStays) {
    form.lists().ServerList.clear();
    form.acConnectExecute();
    EXPECT_EQ(peer->lastHost, "battle.net");
    form.btnCancelClick();
    EXPECT_THAT(form.lists().ServerList, ElementsAre("battle.net"));
}

TEST_F(ConnectLoopTest, CancelEndsTheLoopOffline) {
    form.acConnectExecute();
    form.btnCancelClick();
    EXPECT_FALSE(view.dialogShown);
    EXPECT_TRUE(view.mainInputEnabled);
    EXPECT_TRUE(view.enabled[ChatAction::Connect]);
    EXPECT_EQ(view.status[0], "");
    EXPECT_EQ(view.status[1], "");
    EXPECT_FALSE(serverTimer->enabled());
    EXPECT_FALSE(form.LoggedOn());
    EXPECT_FALSE(peer->open);
    EXPECT_GT(view.focusCount, 0);
    // Cancel left nothing that refuses the next attempt.
    form.acConnectExecute();
    EXPECT_EQ(peer->connectCalls, 2);
}

TEST_F(ConnectLoopTest, CancelDuringLogonDisconnects) {
    connectAndAccept();
    form.btnCancelClick();
    EXPECT_FALSE(form.ChatInterface().Connected());
    EXPECT_FALSE(form.connectLoopRunning());
}

TEST_F(ConnectLoopTest, NextMovesOnAndDropsTheAttemptInProgress) {
    connectAndAccept();
    form.btnNextClick();
    EXPECT_EQ(peer->connectCalls, 2);
    EXPECT_EQ(peer->lastHost, "beta");
    EXPECT_FALSE(form.ChatInterface().Connected());
    EXPECT_EQ(view.status[0], "Trying Server: beta");
    form.btnNextClick();
    EXPECT_EQ(peer->lastHost, "alpha");  // back to the first after the last
}

TEST_F(ConnectLoopTest, RefusedConnectionShowsAnErrorAndMovesOnAtOnce) {
    form.acConnectExecute();
    peer->refuse();
    EXPECT_TRUE(view.hasLine("Unable to connect to alpha:6200."));
    EXPECT_EQ(view.lines.back().segments[0].color, form.options().errorColor());
    EXPECT_EQ(peer->connectCalls, 2);
    EXPECT_EQ(peer->lastHost, "beta");
}

TEST_F(ConnectLoopTest, AListThatRefusesEverywhereIsRetriedOncePerTimeOut) {
    form.lists().ServerList = {"dead1", "dead2"};
    form.acConnectExecute();
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
    form.acConnectExecute();
    peer->failSends = true;
    peer->accept();
    EXPECT_TRUE(view.hasLine("Send error:  Server may not be responding"));
    EXPECT_EQ(peer->connectCalls, 2);
    EXPECT_EQ(peer->lastHost, "beta");
}

TEST_F(ConnectLoopTest, LogonBytesUseTheOptionsName) {
    form.options().setUserName("Verdo");
    form.options().setPassword("pw");
    form.applyLogonOptions();
    connectAndAccept();
    EXPECT_EQ(peer->sent, std::string("\x03\x04Verdo\rpw\r\r"));
    EXPECT_TRUE(view.enabled[ChatAction::SendButtons]);
}

using WelcomeTest = SessionFixture;

TEST_F(WelcomeTest, WelcomeLogsOnAndJoinsTheDefaultChannel) {
    connectAndAccept();
    receive("2010 NAME Verdo#2");
    receive("1018 INFO \"Welcome to the test gateway!\"");
    EXPECT_TRUE(form.LoggedOn());
    EXPECT_EQ(form.UniqueName(), "Verdo#2");
    EXPECT_EQ(view.status[0], "Logged on to alpha:6200");
    EXPECT_EQ(view.status[1], "Connected to: alpha:6200");
    EXPECT_EQ(sentAfterLogon(), "/join Blizzard Chat Verdo-1\r");
    EXPECT_FALSE(view.dialogShown);
    EXPECT_TRUE(view.mainInputEnabled);
    EXPECT_FALSE(serverTimer->enabled());
    EXPECT_TRUE(view.hasLine("Welcome to the test gateway!"));
}

TEST_F(WelcomeTest, WelcomeInAnyLetterCaseJoinsTheHomeChannel) {
    form.options().setHomeChannel("Op Verdo");
    connectAndAccept();
    receive("1018 INFO \"WeLcOmE tO Battle.net!\"");
    EXPECT_TRUE(form.LoggedOn());
    EXPECT_EQ(sentAfterLogon(), "/join Op Verdo\r");
}

TEST_F(WelcomeTest, WelcomeInAnErrorLineAlsoLogsOn) {
    connectAndAccept();
    receive("1019 ERROR \"Hello Verdo, welcome to PvPGN Realm!\"");
    EXPECT_TRUE(form.LoggedOn());
    EXPECT_EQ(view.lines.back().segments[0].color, form.options().errorColor());
    EXPECT_EQ(sentAfterLogon(), "/join Blizzard Chat Verdo-1\r");
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
    EXPECT_FALSE(form.LoggedOn());
    EXPECT_TRUE(form.connectLoopRunning());
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
    form.acConnectExecute();
    serverTimer->tick();
    form.ActionListUpdate();
    EXPECT_EQ(view.status[1], "Timeout in: 4");
}

TEST_F(WelcomeTest, FloodIntervalFollowsTheQueue) {
    logOn();
    flood->tick();  // the join went out; the sender is ready again
    form.ActionListUpdate();
    EXPECT_EQ(form.bcChat().FloodInterval(), 2500);
    auto send = [this] {
        view.entry = "line";
        form.btnSendClick();
    };
    send();  // goes out at once
    send();
    send();
    form.ActionListUpdate();
    EXPECT_EQ(form.bcChat().QueueCount(), 2);
    EXPECT_EQ(form.bcChat().FloodInterval(), 2500);
    send();
    form.ActionListUpdate();
    EXPECT_EQ(form.bcChat().FloodInterval(), 4000);
}

using LostConnectionTest = SessionFixture;

TEST_F(LostConnectionTest, ConnectActionWhileConnectedDisconnects) {
    logOn();
    form.acConnectExecute();
    EXPECT_FALSE(form.ChatInterface().Connected());
    EXPECT_FALSE(form.LoggedOn());
    EXPECT_EQ(view.status[0], "");
    EXPECT_EQ(view.channel, "");
    EXPECT_FALSE(view.checked[ChatAction::Connect]);
    EXPECT_FALSE(view.enabled[ChatAction::SendButtons]);
}

TEST_F(LostConnectionTest, CloseInChatWithoutAutoReconnectGoesOffline) {
    logOn();
    peer->peerClose();
    EXPECT_TRUE(view.hasLine("Connection was terminated."));
    EXPECT_FALSE(form.ChatInterface().Connected());
    EXPECT_FALSE(form.connectLoopRunning());
    EXPECT_EQ(peer->connectCalls, 1);
}

TEST_F(LostConnectionTest, CloseInChatWithAutoReconnectStartsFromTheFirstServer) {
    form.options().setAutoReconnect(true);
    form.lists().ServerList = {"beta", "alpha:6200"};
    logOn();
    form.btnNextClick();  // no loop: nothing happens
    peer->peerClose();
    EXPECT_TRUE(form.connectLoopRunning());
    EXPECT_EQ(peer->connectCalls, 2);
    EXPECT_EQ(peer->lastHost, "beta");
    EXPECT_TRUE(view.hasLine("Attempting to connect."));
}

TEST_F(LostConnectionTest, CloseDuringLogonWithAutoReconnectLeavesExactlyOneLoop) {
    form.options().setAutoReconnect(true);
    connectAndAccept();
    peer->peerClose();
    EXPECT_EQ(peer->connectCalls, 2);
    EXPECT_EQ(peer->lastHost, "alpha");  // a new loop, from the first server
    peer->accept();
    receive("1018 INFO \"Welcome to it\"");
    EXPECT_TRUE(form.LoggedOn());
    EXPECT_FALSE(form.connectLoopRunning());
    tickServerTimer(30);
    EXPECT_EQ(peer->connectCalls, 2);
}

TEST_F(LostConnectionTest, CloseDuringLogonWithoutAutoReconnectTriesTheNextServer) {
    connectAndAccept();
    peer->peerClose();
    EXPECT_EQ(peer->connectCalls, 2);
    EXPECT_EQ(peer->lastHost, "beta");
    EXPECT_TRUE(form.connectLoopRunning());
}

TEST_F(LostConnectionTest, SendErrorInChatDisconnectsWithoutReconnecting) {
    form.options().setAutoReconnect(true);
    logOn();
    peer->failSends = true;
    view.entry = "hello";
    form.btnSendClick();
    flood->tick();  // the paced line goes out and fails
    EXPECT_TRUE(view.hasLine("Send error:  Server may not be responding"));
    EXPECT_FALSE(form.LoggedOn());
    EXPECT_FALSE(form.ChatInterface().Connected());
    EXPECT_FALSE(form.connectLoopRunning());
    EXPECT_EQ(peer->connectCalls, 1);
    EXPECT_EQ(view.status[0], "");
}

TEST_F(LostConnectionTest, SocketErrorOnlyInforms) {
    logOn();
    peer->OnError();
    EXPECT_THAT(view.messages, ElementsAre("Socket Error"));
    EXPECT_TRUE(form.LoggedOn());
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
        EXPECT_EQ(view.messages[0].rfind("Log on failed.  Please check your name and password", 0),
                  0u);
        EXPECT_FALSE(form.connectLoopRunning());
        EXPECT_FALSE(form.ChatInterface().Connected());
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

TEST_F(KickTest, KickRejoinsTheChannelWhenOn) {
    logOn();
    receive("1018 INFO \"Op kicked you out of the channel!\"");
    flood->tick();
    EXPECT_EQ(peer->sent, "/join Chat\r");
    EXPECT_TRUE(view.hasLine("Rejoining Chat"));
}

TEST_F(KickTest, KickNoticeNamingUsAlsoRejoins) {
    logOn("Verdo#2");
    receive("1018 INFO \"verdo#2 has been kicked by Op (bye).\"");
    flood->tick();
    EXPECT_EQ(peer->sent, "/join Chat\r");
}

TEST_F(KickTest, KickOfSomeoneElseDoesNotRejoin) {
    logOn("Verdo");
    receive("1018 INFO \"Verdone has been kicked by Op.\"");
    flood->tick();
    EXPECT_EQ(peer->sent, "");
}

TEST_F(KickTest, KickWithRejoinOffIsOnlyShown) {
    form.options().setAutoRejoin(false);
    logOn();
    receive("1018 INFO \"Op kicked you out of the channel!\"");
    flood->tick();
    EXPECT_EQ(peer->sent, "");
    EXPECT_TRUE(view.hasLine("Op kicked you out of the channel!"));
    EXPECT_FALSE(view.hasLine("Rejoining Chat"));
}

}  // namespace
}  // namespace verdo::testing
