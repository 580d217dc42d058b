// The automation engine inside the main window's logic, against the local
// gateway on 127.0.0.1: remote commands by an owner and by a stranger, a
// phrase answered in the channel, a joining name banned by list, and the cap
// on answers to one user who keeps repeating a phrase.
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
        form.session().acConnectExecute();
        ASSERT_TRUE(waitFor([&] { return form.roster().channelName() == Home; }));
        form.document().setModified(false);
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
    bool hasLineStarting(const std::string& start) const {
        return std::any_of(view.lines.begin(), view.lines.end(),
                           [&](const auto& line) { return line.text().rfind(start, 0) == 0; });
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
    const auto info = std::find_if(view.lines.begin(), view.lines.end(), [](const auto& line) {
        return line.text() == "Command from boss /join Lobby";
    });
    ASSERT_NE(info, view.lines.end());
    EXPECT_EQ(info->segments[0].color, form.document().options().infoColor());
}

TEST_F(AutomationEndToEndTest, StrangersAddOwnerChangesNothing) {
    form.document().lists().OwnerList = {"Boss"};
    RawClient& stranger = guest("Stranger");

    stranger.send("/w Verdo /addowner x\r");
    const std::vector<std::string> whisperers{"Stranger"};
    ASSERT_TRUE(waitFor([&] { return form.incoming().Whisperers() == whisperers; }));
    EXPECT_EQ(form.document().lists().OwnerList, tStringList{"Boss"});
    EXPECT_FALSE(form.document().modified());
    EXPECT_FALSE(hasLineStarting("Command from"));

    // Lines leave in order: once this one arrives, any reply would have too.
    form.session().bcChat().SendLine("/w Stranger marker\r");
    ASSERT_TRUE(stranger.waitForLine("marker"));
    EXPECT_FALSE(stranger.has("Adding Owner"));
    EXPECT_EQ(stranger.count("1004 WHISPER Verdo"), 1u);
}

TEST_F(AutomationEndToEndTest, APhraseSaidInTheChannelIsAnswered) {
    answerPhrase("hello", "Hi <user>, welcome to <channel>");
    RawClient& amy = guestInHome("Amy");

    amy.send("well HELLO there\r");
    ASSERT_TRUE(amy.waitForLine("1005 TALK Verdo"));
    EXPECT_TRUE(amy.has("Hi Amy, welcome to Op Verdo"));
    EXPECT_EQ(countLines("<Verdo> Hi Amy, welcome to Op Verdo"), 1u);
}

TEST_F(AutomationEndToEndTest, AJoiningBannedNameIsBanned) {
    form.document().options().setAutoBan(true);
    form.document().lists().BanList = {"spam"};
    RawClient& spammer = guest("SpamBot");

    spammer.send(std::string("/join ") + Home + "\r");
    ASSERT_TRUE(spammer.waitForLine("Verdo banned you from the channel!"));
    EXPECT_TRUE(spammer.has("AutoBan"));
    ASSERT_TRUE(waitFor([&] { return !form.roster().roster().find("SpamBot").has_value(); }));
    // The ban holds: coming back is refused.
    const std::size_t from = spammer.lines().size();
    spammer.send(std::string("/join ") + Home + "\r");
    EXPECT_TRUE(spammer.waitForLine("You are banned from that channel.", from));
}

TEST_F(AutomationEndToEndTest, AUserRepeatingAPhraseGetsFiveAnswersThenOneNotice) {
    answerPhrase("ping", "pong <user>");
    RawClient& echo = guestInHome("Echo");

    constexpr int Repeats = 7;
    for (int i = 0; i < Repeats; ++i)
        echo.send("ping " + std::to_string(i) + "\r");
    const std::string last = "<Echo> ping " + std::to_string(Repeats - 1);
    ASSERT_TRUE(waitFor([&] { return countLines(last) > 0; }));
    for (int i = 0; i < Repeats; ++i)
        EXPECT_EQ(countLines("<Echo> ping " + std::to_string(i)), 1u) << i;

    EXPECT_EQ(countLines("<Verdo> pong Echo"), 5u);
    const std::string notice =
        "Holding back automatic answers to Echo (more than 5 within 30 seconds).";
    ASSERT_EQ(countLines(notice), 1u);
    const auto line = std::find_if(view.lines.begin(), view.lines.end(),
                                   [&](const auto& shown) { return shown.text() == notice; });
    EXPECT_EQ(line->segments[0].color, form.document().options().infoColor());
    // The notice is shown to the program's user only; the answers go out.
    ASSERT_TRUE(echo.waitForLine("pong Echo"));
    EXPECT_FALSE(echo.has("Holding back"));
}

}  // namespace
}  // namespace verdo
