// The session's event stream: the observer list itself (order, changes while
// delivering, Handled), and on the session the order of the events and the
// automatic answers a handling subscriber takes the place of.
#include <gmock/gmock.h>

#include <set>
#include <string>
#include <vector>

#include "chat/SessionEvents.h"
#include "chat/SessionFixture.h"

namespace verdo::testing {
namespace {

using ::testing::ElementsAre;

SessionEvent talk(std::string_view user, std::string_view text) {
    SessionEvent event(SessionEventKind::Talk);
    event.user = user;
    event.text = text;
    return event;
}

TEST(SessionEventsTest, SubscribersMayLeaveOrJoinWhileAnEventIsDelivered) {
    SessionEvents events;
    std::vector<std::string> calls;
    SessionEvents::Subscription second = 0;
    SessionEvents::Subscription first = 0;
    first = events.subscribe([&](const SessionEvent& e) {
        calls.push_back("first " + std::string(e.text));
        events.unsubscribe(first);   // itself
        events.unsubscribe(second);  // one that has not run yet
        events.subscribe([&](const SessionEvent& later) {
            calls.push_back("late " + std::string(later.text));
            return EventResult::Continue;
        });
        return EventResult::Continue;
    });
    second = events.subscribe([&](const SessionEvent&) {
        calls.push_back("second");
        return EventResult::Continue;
    });
    events.subscribe([&](const SessionEvent& e) {
        calls.push_back("third " + std::string(e.text));
        return EventResult::Continue;
    });
    events.publish(talk("Ann", "one"));
    events.publish(talk("Ann", "two"));
    EXPECT_THAT(calls, ElementsAre("first one", "third one", "third two", "late two"));
}

TEST(SessionEventsTest, HandledByAnyReachesThePublisherAndEverySubscriberStillRuns) {
    SessionEvents events;
    int runs = 0;
    events.subscribe([&](const SessionEvent& e) {
        ++runs;
        return e.user == "Bob" ? EventResult::Handled : EventResult::Continue;
    });
    events.subscribe([&](const SessionEvent&) {
        ++runs;
        return EventResult::Continue;
    });
    EXPECT_EQ(events.publish(talk("Ann", "hi")), EventResult::Continue);
    EXPECT_EQ(events.publish(talk("Bob", "hi")), EventResult::Handled);
    EXPECT_EQ(runs, 4);
}

class SessionStreamTest : public SessionFixture {
  protected:
    SessionStreamTest() {
        form.events().subscribe([this](const SessionEvent& e) {
            seen.push_back(describe(e));
            return handledKinds.count(e.kind) != 0 ? EventResult::Handled : EventResult::Continue;
        });
    }

    static std::string describe(const SessionEvent& e) {
        static constexpr const char* names[] = {
            "LoggedOn",     "ChannelJoined", "UserInChannel", "UserJoined", "UserLeft",
            "FlagsChanged", "Talk",          "Emote",         "Whisper",    "WhisperSent",
            "Info",         "Error",         "Kicked",        "Banned",     "Disconnected"};
        std::string text = names[static_cast<int>(e.kind)];
        if (!e.user.empty()) text += " " + std::string(e.user);
        if (!e.text.empty()) text += " \"" + std::string(e.text) + "\"";
        if (!e.product.empty()) text += " " + std::string(e.product);
        if (e.flags != 0) text += " flags " + std::to_string(e.flags);
        if (e.userAsked) text += " asked";
        return text;
    }

    std::vector<std::string> seen;
    std::set<SessionEventKind> handledKinds;
};

TEST_F(SessionStreamTest, ReportsTheSessionAsDataInTheOrderOfTheServersLines) {
    logOn();
    receive("1001 USER Ann 0012 [CHAT]");
    receive("1002 JOIN Bob 0010 [STAR]");
    receive("1009 USER Bob 00zz");
    receive("1005 TALK Bob 0010 \"hi\"");
    receive("1023 EMOTE Bob 0010 \"waves\"");
    receive("1004 WHISPER Ann 0010 \"psst\"");
    receive("1010 WHISPER Ann 0010 \"back\"");
    receive("1019 ERROR \"That user is not logged on.\"");
    receive("1003 LEAVE Bob 0010 [STAR]");
    receive("1018 INFO \"Op kicked you out of the channel! (spam)\"");
    receive("1018 INFO \"Op2 banned you from the channel!\"");
    form.connectLoop().acConnectExecute();
    EXPECT_THAT(
        seen, ElementsAre("LoggedOn Verdo \"alpha:6200\"", "Info \"Welcome to the test gateway!\"",
                          "ChannelJoined \"Chat\"", "UserInChannel Ann CHAT flags 18",
                          "UserJoined Bob STAR flags 16", "FlagsChanged Bob", "Talk Bob \"hi\"",
                          "Emote Bob \"waves\"", "Whisper Ann \"psst\"", "WhisperSent Ann \"back\"",
                          "Error \"That user is not logged on.\"", "UserLeft Bob",
                          "Info \"Op kicked you out of the channel! (spam)\"",
                          "Kicked Op \"Op kicked you out of the channel! (spam)\"",
                          "Info \"Op2 banned you from the channel!\"",
                          "Banned Op2 \"Op2 banned you from the channel!\"", "Disconnected asked"));
}

TEST_F(SessionStreamTest, AnnouncedKicksAndBansNameTheOperatorAndALostConnectionWasNotAsked) {
    logOn();
    seen.clear();
    receive("1018 INFO \"Ann has been kicked by Op.\"");  // somebody else
    receive("1018 INFO \"Verdo has been kicked by Op (flood).\"");
    receive("1018 INFO \"Verdo was banned by Op2.\"");
    peer->peerClose();
    EXPECT_THAT(seen, ElementsAre("Info \"Ann has been kicked by Op.\"",
                                  "Info \"Verdo has been kicked by Op (flood).\"",
                                  "Kicked Op \"Verdo has been kicked by Op (flood).\"",
                                  "Info \"Verdo was banned by Op2.\"",
                                  "Banned Op2 \"Verdo was banned by Op2.\"", "Disconnected"));
}

TEST_F(SessionStreamTest, ConnectAttemptsThatNeverConnectEndNoSession) {
    form.connectLoop().acConnectExecute();
    peer->refuse();
    form.connectLoop().btnCancelClick();
    EXPECT_TRUE(seen.empty());
}

class HandledAnswersTest : public SessionStreamTest {
  protected:
    HandledAnswersTest() {
        tOptions& options = form.document().options();
        options.setMasterSwitch(true);
        options.setRespondToPhrases(true);
        options.setRespondToWhispers(true);
        options.setRespondToJoins(true);
        options.setJoinResponse("welcome");
        options.setAutoBan(true);
        ChatLists& lists = form.document().lists();
        lists.PhraseList = {"hi"};
        lists.WhisperList = {"psst"};
        for (std::size_t i = 0; i < 3; ++i) {
            lists.PhraseRes[i] = {"phrase answer"};
            lists.WhiserRes[i] = {"whisper answer"};
        }
        lists.BanList = {"pest"};
        lists.ProductActions[1] = "a star";  // STAR
        logOn();
    }
};

TEST_F(HandledAnswersTest, WithoutAHandlerEveryAnswerIsSent) {
    receive("1005 TALK Bob 0010 \"hi\"");
    receive("1004 WHISPER Ann 0010 \"psst\"");
    receive("1002 JOIN pest 0010 [STAR]");
    EXPECT_EQ(sentOnceDrained(),
              "phrase answer\rwhisper answer\rwelcome\r/ban pest AutoBan\ra star\r");
}

TEST_F(HandledAnswersTest, AHandlingSubscriberTakesThePlaceOfTheAutomaticAnswers) {
    handledKinds = {SessionEventKind::Talk, SessionEventKind::Emote,
                    SessionEventKind::WhisperReceived, SessionEventKind::UserJoined};
    receive("1005 TALK Bob 0010 \"hi\"");
    receive("1023 EMOTE Bob 0010 \"hi\"");
    receive("1004 WHISPER Ann 0010 \"psst\"");
    receive("1002 JOIN pest 0010 [STAR]");
    // Bans still run; the phrase, whisper and join answers and the product
    // action do not.
    EXPECT_EQ(sentOnceDrained(), "/ban pest AutoBan\r");
}

}  // namespace
}  // namespace verdo::testing
