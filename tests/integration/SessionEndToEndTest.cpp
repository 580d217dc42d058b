// The main window's logic on the real Qt platform against the local gateway on
// 127.0.0.1: connect, log on, join the home channel, disconnect; a dead server
// entry before a live one; the other gateway style's greeting and refusal; the
// roster following other clients who join, are squelched and leave.
#include <gtest/gtest.h>

#include <QTcpServer>

#include "GatewayServer.h"
#include "chat/ChatForm.h"
#include "chat/Roster.h"
#include "platform/qt/QtPlatform.h"
#include "support/RecordingView.h"
#include "support/WaitFor.h"

namespace verdo {
namespace {

using testing::RecordingView;
using testing::waitFor;

class SessionEndToEndTest : public ::testing::Test {
  protected:
    void startGateway(gateway::StyleKind style = gateway::StyleKind::Default) {
        gateway::GatewayOptions options;
        options.port = 0;
        options.style = style;
        server = std::make_unique<gateway::GatewayServer>(options);
        std::string error;
        ASSERT_TRUE(server->start(error)) << error;
        live = "127.0.0.1:" + std::to_string(server->port());
        form.FormShow();
        form.document().options().setUserName("Verdo");
        form.document().options().setPassword("secret");
        form.document().options().setHomeChannel("Op Verdo");
        form.session().applyLogonOptions();
    }
    // Logs on once (so the name holds its password), then tries a wrong one
    // until the refusal's message box.
    void retryWithWrongPassword() {
        form.document().lists().ServerList = {live};
        form.session().acConnectExecute();
        ASSERT_TRUE(waitFor([&] { return form.session().LoggedOn(); }));
        form.session().acConnectExecute();
        form.document().options().setPassword("wrong");
        form.session().applyLogonOptions();
        form.session().acConnectExecute();
        ASSERT_TRUE(waitFor([&] { return !view.messages.empty(); }));
    }
    static std::string deadEntry() {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        return "127.0.0.1:" + std::to_string(probe.serverPort());  // closed on return
    }

    QtPlatform platform;
    RecordingView view;
    ChatForm form{platform, view, view};
    std::unique_ptr<gateway::GatewayServer> server;
    std::string live;
};

TEST_F(SessionEndToEndTest, LogsOnJoinsTheHomeChannelAndDisconnects) {
    startGateway();
    form.document().lists().ServerList = {live};
    form.session().acConnectExecute();
    EXPECT_TRUE(view.dialogShown);
    ASSERT_TRUE(waitFor([&] { return view.channel == "Op Verdo (1)"; }));
    EXPECT_TRUE(form.session().LoggedOn());
    EXPECT_EQ(form.session().UniqueName(), "Verdo");
    EXPECT_FALSE(view.dialogShown);
    EXPECT_EQ(view.status[0], "Logged on to " + live);
    EXPECT_EQ(view.status[1], "Connected to: " + live);
    form.session().acConnectExecute();
    EXPECT_FALSE(form.session().LoggedOn());
    EXPECT_FALSE(form.session().ChatInterface().Connected());
    EXPECT_EQ(view.channel, "");
    EXPECT_TRUE(form.roster().rosterNames().empty());
}

TEST_F(SessionEndToEndTest, DeadEntryFirstThenTheLiveOne) {
    startGateway();
    const std::string dead = deadEntry();
    form.document().lists().ServerList = {dead, live};
    form.session().acConnectExecute();
    ASSERT_TRUE(waitFor([&] { return form.session().LoggedOn(); }));
    EXPECT_TRUE(view.hasLine("Unable to connect to " + dead + ": Connection refused."));
    EXPECT_EQ(form.session().CurrentServer(), live);
}

TEST_F(SessionEndToEndTest, SecondLogOnOfTheSameNameGetsAUniqueName) {
    startGateway();
    form.document().lists().ServerList = {live};
    RecordingView otherView;
    ChatForm other(platform, otherView, otherView);
    other.FormShow();
    other.document().options().setUserName("Verdo");
    other.document().options().setPassword("secret");
    other.session().applyLogonOptions();
    other.document().lists().ServerList = {live};
    form.session().acConnectExecute();
    ASSERT_TRUE(waitFor([&] { return form.session().LoggedOn(); }));
    other.session().acConnectExecute();
    ASSERT_TRUE(waitFor([&] { return other.session().LoggedOn(); }));
    EXPECT_EQ(other.session().UniqueName(), "Verdo#2");
}

TEST_F(SessionEndToEndTest, WrongPasswordEndsTheConnectLoop) {
    startGateway();
    retryWithWrongPassword();
    ASSERT_FALSE(view.messages.empty());
    EXPECT_EQ(view.messages[0].rfind("Log on failed.", 0), 0u);
    EXPECT_FALSE(form.session().connectLoopRunning());
    EXPECT_FALSE(form.session().LoggedOn());
}

TEST_F(SessionEndToEndTest, OtherStyleGreetingInAnErrorLineLogsOn) {
    startGateway(gateway::StyleKind::Pvpgn);
    form.document().lists().ServerList = {live};
    form.session().acConnectExecute();
    ASSERT_TRUE(waitFor([&] { return form.session().LoggedOn(); }));
    ASSERT_TRUE(waitFor([&] { return form.roster().channelName() == "Op Verdo"; }));
}

TEST_F(SessionEndToEndTest, OtherStyleRefusalEndsTheConnectLoop) {
    startGateway(gateway::StyleKind::Pvpgn);
    retryWithWrongPassword();
    ASSERT_FALSE(view.messages.empty());
    EXPECT_FALSE(form.session().connectLoopRunning());
    EXPECT_FALSE(form.session().LoggedOn());
}

// Another client of the same gateway, logged on and in the home channel.
struct OtherClient {
    OtherClient(Platform& platform, const std::string& name, const std::string& server)
        : form(platform, view, view) {
        form.FormShow();
        form.document().options().setUserName(name);
        form.document().options().setPassword("pw");
        form.document().options().setHomeChannel("Op Verdo");
        form.session().applyLogonOptions();
        form.document().lists().ServerList = {server};
        form.session().acConnectExecute();
    }
    RecordingView view;
    ChatForm form;
};

TEST_F(SessionEndToEndTest, RosterFollowsOthersJoiningSquelchedAndLeaving) {
    startGateway();
    form.document().options().setPlainTextDump(true);
    form.document().lists().ServerList = {live};
    form.session().acConnectExecute();
    ASSERT_TRUE(
        waitFor([&] { return form.roster().rosterNames() == std::vector<std::string>{"Verdo"}; }));
    EXPECT_EQ(form.roster().roster().row(0).icon, UserIcon::Gavel);  // first in: the operator

    auto amy = std::make_unique<OtherClient>(platform, "Amy", live);
    auto bob = std::make_unique<OtherClient>(platform, "Bob", live);
    ASSERT_TRUE(waitFor([&] { return form.roster().roster().size() == 3; }));
    EXPECT_EQ(form.roster().rosterNames(), (std::vector<std::string>{"Verdo", "Amy", "Bob"}));
    EXPECT_EQ(view.channel, "Op Verdo (3)");
    ASSERT_TRUE(waitFor([&] { return bob->form.roster().roster().size() == 3; }));
    // The server lists a newcomer first to itself.
    EXPECT_EQ(bob->form.roster().rosterNames(), (std::vector<std::string>{"Bob", "Verdo", "Amy"}));

    // Talk reaches the plain text dump as the raw line, in the Whisper Color.
    amy->form.session().bcChat().SendLine("hello all\r");
    auto rawTalk = [&] {
        for (const RecordingView::Line& line : view.lines) {
            if (line.text().rfind("1005 TALK Amy ", 0) == 0 &&
                line.text().find("hello all") != std::string::npos)
                return line.segments[0].color == form.document().options().whisperColor();
        }
        return false;
    };
    EXPECT_TRUE(waitFor(rawTalk));

    form.session().bcChat().SendLine("/squelch Amy\r");
    const auto amyRow = [&] { return form.roster().roster().find("amy"); };
    ASSERT_TRUE(
        waitFor([&] { return amyRow() && form.roster().roster().SquelchMarks()[*amyRow()]; }));
    form.session().bcChat().SendLine("/unsquelch Amy\r");
    ASSERT_TRUE(waitFor([&] { return !form.roster().roster().SquelchMarks()[*amyRow()]; }));

    bob.reset();  // disconnects
    ASSERT_TRUE(waitFor([&] { return form.roster().roster().size() == 2; }));
    EXPECT_EQ(form.roster().rosterNames(), (std::vector<std::string>{"Verdo", "Amy"}));
    EXPECT_EQ(view.channel, "Op Verdo (2)");
    amy->form.session().bcChat().SendLine("/join Elsewhere\r");
    ASSERT_TRUE(waitFor([&] { return form.roster().roster().size() == 1; }));
    EXPECT_EQ(amy->form.roster().channelName(), "Elsewhere");
    EXPECT_EQ(form.roster().roster().UserCount(), 1);
}

}  // namespace
}  // namespace verdo
