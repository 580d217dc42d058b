// The main window's logic on the real Qt platform against the local gateway on
// 127.0.0.1: log on to either gateway style, join the home channel,
// disconnect and be refused; a dead server entry before a live one; the
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
        form.document().options().setUserName("Verdo");
        form.document().options().setPassword("secret");
        form.document().options().setHomeChannel("Op Verdo");
        form.session().applyLogonOptions();
    }
    static std::string deadEntry() {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        return "127.0.0.1:" + std::to_string(probe.serverPort());  // closed on return
    }

    void SetUp() override { form.FormShow(); }

    QtPlatform platform;
    RecordingView view;
    ChatForm form{platform, view, view};
    std::unique_ptr<gateway::GatewayServer> server;
    std::string live;
};

// Each style of gateway greets and refuses in its own words; the session
// logs on to both and joins the home channel, and once the name holds its
// password, a wrong one ends the connect loop.
TEST_F(SessionEndToEndTest, EachGatewayStyleLogsOnAndEndsTheLoopOnARefusal) {
    for (const gateway::StyleKind style :
         {gateway::StyleKind::Default, gateway::StyleKind::Pvpgn}) {
        SCOPED_TRACE(static_cast<int>(style));
        startGateway(style);
        form.document().lists().ServerList = {live};
        form.connectLoop().acConnectExecute();
        ASSERT_TRUE(waitFor([&] { return view.channel == "Op Verdo (1)"; }));
        EXPECT_EQ(form.session().UniqueName(), "Verdo");
        form.connectLoop().acConnectExecute();
        EXPECT_FALSE(form.session().ChatInterface().Connected());

        form.document().options().setPassword("wrong");
        form.session().applyLogonOptions();
        view.messages.clear();
        form.connectLoop().acConnectExecute();
        ASSERT_TRUE(waitFor([&] { return !view.messages.empty(); }));
        EXPECT_FALSE(form.connectLoop().connectLoopRunning());
        EXPECT_FALSE(form.session().LoggedOn());
    }
}

TEST_F(SessionEndToEndTest, DeadEntryFirstThenTheLiveOne) {
    startGateway();
    const std::string dead = deadEntry();
    form.document().lists().ServerList = {dead, live};
    form.connectLoop().acConnectExecute();
    ASSERT_TRUE(waitFor([&] { return form.session().LoggedOn(); }));
    EXPECT_EQ(form.session().CurrentServer(), live);
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
        form.connectLoop().acConnectExecute();
    }
    RecordingView view;
    ChatForm form;
};

TEST_F(SessionEndToEndTest, RosterFollowsOthersJoiningSquelchedAndLeaving) {
    startGateway();
    form.document().lists().ServerList = {live};
    form.connectLoop().acConnectExecute();
    ASSERT_TRUE(
        waitFor([&] { return form.roster().rosterNames() == std::vector<std::string>{"Verdo"}; }));
    EXPECT_EQ(form.roster().roster().row(0).icon, UserIcon::Gavel);  // first in: the operator

    auto amy = std::make_unique<OtherClient>(platform, "Amy", live);
    auto bob = std::make_unique<OtherClient>(platform, "Bob", live);
    ASSERT_TRUE(waitFor([&] { return form.roster().roster().size() == 3; }));
    EXPECT_EQ(form.roster().rosterNames(), (std::vector<std::string>{"Verdo", "Amy", "Bob"}));
    EXPECT_EQ(view.channel, "Op Verdo (3)");

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
