// The main window on the fake platform, shown and active, with no servers of
// its own: the set-up of the window tests, and a log-on with three users.
#pragma once

#include <QCoreApplication>
#include <QTest>
#include <memory>
#include <string>
#include <utility>

#include "support/FakePlatform.h"
#include "ui/Chat.h"
#include "ui/WidgetTestSupport.h"

namespace verdo::testing {

class WindowFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        auto services = std::make_unique<FakePlatform>();
        platform = services.get();
        window = std::make_unique<TfrmChat>(std::move(services));
        ASSERT_TRUE(showActive(*window));
        window->form().document().lists().ServerList.clear();
    }

    FakeTcpClient& client() { return *platform->clients.at(0); }
    void settle() { QCoreApplication::processEvents(); }
    void receive(const std::string& line) {
        client().receive(line + "\r\n");
        settle();
    }
    // Logged on as Guest in "Chat" with Ann, Bob and Cid; nothing sent yet.
    void logOn() {
        QTest::keyClick(window.get(), Qt::Key_F4);
        settle();
        client().accept();
        receive("2010 NAME Guest");
        receive("1018 INFO \"Welcome to Battle.net!\"");
        receive("1007 CHANNEL \"Chat\"");
        for (const char* name : {"Ann", "Bob", "Cid"})
            receive(std::string("1001 USER ") + name + " 0010 [CHAT]");
        ASSERT_TRUE(window->form().session().LoggedOn());
        sent();
    }
    // Lets the decoder's pacing send everything queued and returns what went
    // out since the last call.
    std::string sent() {
        TBnetChat& chat = window->form().session().bcChat();
        FakeTimer& flood = FakePlatform::fake(chat.FloodTimer());
        while (chat.QueueCount() > 0 && flood.tick()) {
        }
        return std::exchange(client().sent, std::string());
    }

    FakePlatform* platform = nullptr;
    std::unique_ptr<TfrmChat> window;
};

}  // namespace verdo::testing
