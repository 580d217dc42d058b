// The automation engine inside the main window's logic, against the local
// gateway on 127.0.0.1: a remote command by an owner, a phrase answered in
// the channel up to the cap on answers to one user, and a joining name banned
// by list.
#include <gtest/gtest.h>

#include <algorithm>

#include "GatewayServer.h"
#include "chat/ChatForm.h"
#include "chat/Roster.h"
#include "gateway/GatewayTestSupport.h"
#include "platform/qt/QtPlatform.h"
#include "support/RecordingView.h"
#include "support/WaitFor.h"

namespace verdo {
namespace {

using gateway::test::RawClient;
using testing::RecordingView;
using testing::waitFor;

constexpr const char* Home = "Op Verdo";
// Answers go through the program's paced sender (one line per 2.5 s).
constexpr int PacedMs = 10000;

class AutomationEndToEndTest : public ::testing::Test {
  protected:
    void SetUp() override {
        gateway::GatewayOptions gatewayOptions;
        gatewayOptions.port = 0;
        // The guests below send their lines in a burst.
        gatewayOptions.floodLines = 50;
        server = std::make_unique<gateway::GatewayServer>(gatewayOptions);
        std::string error;
        ASSERT_TRUE(server->start(error)) << error;

        form.FormShow();
        tOptions& options = form.document().options();
        options.setUserName("Verdo");
        options.setPassword("secret");
        options.setHomeChannel(Home);
        options.setMasterSwitch(true);
        form.session().applyLogonOptions();
        // Only the local gateway, never the built-in servers.
        form.document().lists().ServerList = {"127.0.0.1:" + std::to_string(server->port())};
        form.connectLoop().acConnectExecute();
        ASSERT_TRUE(waitFor([&] { return form.roster().channelName() == Home; }));
    }

    // A raw client logged on in the gateway's first channel.
    RawClient& guest(const std::string& name) {
        RawClient& client = *guests.emplace_back(std::make_unique<RawClient>(server->port()));
        EXPECT_TRUE(client.logOnAndWait(name)) << name;
        return client;
    }
    // A raw client in the program's channel, once the program has seen it join.
    RawClient& guestInHome(const std::string& name) {
        RawClient& client = guest(name);
        client.send(std::string("/join ") + Home + "\r");
        EXPECT_TRUE(waitFor([&] { return form.roster().roster().find(name).has_value(); })) << name;
        return client;
    }
    void answerPhrase(const std::string& phrase, const std::string& answer) {
        form.document().options().setRespondToPhrases(true);
        ChatLists& lists = form.document().lists();
        lists.PhraseList = {phrase};
        lists.PhraseRes = {tStringList{answer}, tStringList{""}, tStringList{""}};
    }
    std::size_t countLines(const std::string& text) const {
        return static_cast<std::size_t>(
            std::count_if(view.lines.begin(), view.lines.end(),
                          [&](const RecordingView::Line& line) { return line.text() == text; }));
    }

    QtPlatform platform;
    RecordingView view;
    ChatForm form{platform, view, view};
    std::unique_ptr<gateway::GatewayServer> server;
    std::vector<std::unique_ptr<RawClient>> guests;
};

TEST_F(AutomationEndToEndTest, OwnerWhispersJoinAndTheProgramJoinsAndReplies) {
    form.document().lists().OwnerList = {"Boss"};
    RawClient& boss = guest("boss");  // owners are matched without regard to case

    boss.send("/w Verdo /join Lobby\r");
    ASSERT_TRUE(waitFor([&] { return form.roster().channelName() == "Lobby"; }, PacedMs));
    EXPECT_TRUE(boss.waitForLine("Joining Channel Lobby"));
    EXPECT_TRUE(boss.has("1004 WHISPER Verdo"));
}

// The answer names the user and the channel the program is in; the sixth and
// seventh are held back by the real clock.
TEST_F(AutomationEndToEndTest, APhraseIsAnsweredAtMostFiveTimesToOneUser) {
    answerPhrase("ping", "pong <user> in <channel>");
    RawClient& echo = guestInHome("Echo");

    constexpr int Repeats = 7;
    for (int i = 0; i < Repeats; ++i)
        echo.send("PING " + std::to_string(i) + "\r");
    const std::string last = "<Echo> PING " + std::to_string(Repeats - 1);
    ASSERT_TRUE(waitFor([&] { return countLines(last) > 0; }));
    ASSERT_TRUE(echo.waitForLine("pong Echo in Op Verdo"));
    EXPECT_EQ(countLines("<Verdo> pong Echo in Op Verdo"), 5u);
    EXPECT_EQ(countLines("Holding back automatic answers to Echo (more than 5 within 30 seconds)."),
              1u);
}

TEST_F(AutomationEndToEndTest, AJoiningBannedNameIsBanned) {
    form.document().options().setAutoBan(true);
    form.document().lists().BanList = {"spam"};
    RawClient& spammer = guest("SpamBot");

    spammer.send(std::string("/join ") + Home + "\r");
    ASSERT_TRUE(spammer.waitForLine("Verdo banned you from the channel!"));
    ASSERT_TRUE(waitFor([&] { return !form.roster().roster().find("SpamBot").has_value(); }));
}

}  // namespace
}  // namespace verdo
