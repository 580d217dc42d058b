// A ChatForm on fakes: a scripted peer, hand-ticked timers and a recording view.
#pragma once

#include <gtest/gtest.h>

#include "chat/ChatForm.h"
#include "support/FakePlatform.h"
#include "support/RecordingView.h"

namespace verdo::testing {

class SessionFixture : public ::testing::Test {
  protected:
    SessionFixture() : form(platform, view, view) {
        form.FormShow();
        peer = platform.clients.at(0);
        serverTimer = &FakePlatform::fake(form.connectLoop().ServerTimer());
        chatTimer = &FakePlatform::fake(form.ChatTimer());
        flood = &FakePlatform::fake(form.session().bcChat().FloodTimer());
        form.document().lists().ServerList = {"alpha:6200", "beta"};
    }

    // Runs the Connect action and lets the first server accept.
    void connectAndAccept() {
        form.connectLoop().acConnectExecute();
        peer->accept();
    }
    void receive(const std::string& lines) { peer->receive(lines + "\r\n"); }
    void logOn(const std::string& name = "Verdo") {
        connectAndAccept();
        receive("2010 NAME " + name);
        receive("1018 INFO \"Welcome to the test gateway!\"");
        receive("1007 CHANNEL \"Chat\"");
        peer->sent.clear();
    }
    void tickServerTimer(int times) {
        for (int i = 0; i < times; ++i)
            serverTimer->tick();
    }
    // Everything sent once the paced queue has let every line go.
    std::string sentOnceDrained() {
        for (int i = 0; i < 10; ++i)
            flood->tick();
        return peer->sent;
    }
    // What went to the server after the log-on bytes.
    std::string sentAfterLogon() const {
        const std::size_t end = peer->sent.find("\r\r\r");
        return end == std::string::npos ? peer->sent : peer->sent.substr(end + 3);
    }

    FakePlatform platform;
    RecordingView view;
    ChatForm form;
    FakeTcpClient* peer = nullptr;
    FakeTimer* flood = nullptr;
    FakeTimer* serverTimer = nullptr;
    FakeTimer* chatTimer = nullptr;  // timed messages and playback
};

}  // namespace verdo::testing
