// The messages between users against the local gateway on 127.0.0.1: another
// client, speaking the protocol directly, talks, whispers and sends a sound;
// the logic shows each in its pane, plays the sound, answers a whisper and
// writes the chat log.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "GatewayServer.h"
#include "chat/ChatForm.h"
#include "gateway/GatewayTestSupport.h"
#include "platform/qt/QtPlatform.h"
#include "support/RecordingView.h"
#include "support/WaitFor.h"

namespace verdo {
namespace {

using gateway::test::RawClient;
using testing::RecordingView;
using testing::waitFor;

// The real network and timers; sounds are only recorded, so that the test
// never needs a sound card.
class RecordingQtPlatform : public QtPlatform {
  public:
    struct RecordingSound : Sound {
        void play(const std::string& path) override { played.push_back(path); }
        void stopAll() override {}
        std::vector<std::string> played;
    } recordedSound;

    Sound& sound() override { return recordedSound; }
};

class MessagesEndToEndTest : public ::testing::Test {
  protected:
    void SetUp() override {
        gateway::GatewayOptions gatewayOptions;
        gatewayOptions.port = 0;
        gatewayOptions.floodLines = 100;
        server = std::make_unique<gateway::GatewayServer>(gatewayOptions);
        std::string error;
        ASSERT_TRUE(server->start(error)) << error;

        const std::filesystem::path program = folder.path().toStdString();
        std::filesystem::create_directories(program / "Sounds");
        std::ofstream(program / "Sounds" / "Hello.WAV") << "RIFF";
        form.setProgramFolder(program.string());
        form.FormShow();
        tOptions& options = form.document().options();
        options.setUserName("Verdo");
        options.setPassword("secret");
        options.setHomeChannel("Op Verdo");
        options.setAcceptIncomingSounds(true);
        options.setKeepLog(true);
        options.setLogEvents(true);
        options.setLogTime(false);
        form.session().applyLogonOptions();
        logPath = program / "chat.log";
        ASSERT_TRUE(form.chatLog().open(logPath.string()));
        // Only the local gateway, never the built-in servers.
        form.document().lists().ServerList = {"127.0.0.1:" + std::to_string(server->port())};
        form.connectLoop().acConnectExecute();
        ASSERT_TRUE(waitFor([&] { return form.roster().channelName() == "Op Verdo"; }));
    }

    const RecordingView::Line* findLine(const std::string& text) const {
        for (const RecordingView::Line& line : view.lines) {
            if (line.text() == text) return &line;
        }
        return nullptr;
    }
    bool waitForLine(const std::string& text) {
        return waitFor([&] { return findLine(text) != nullptr; });
    }
    std::string logText() const {
        std::ifstream in(logPath);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    QTemporaryDir folder;
    RecordingQtPlatform platform;
    RecordingView view;
    ChatForm form{platform, view, view};
    std::unique_ptr<gateway::GatewayServer> server;
    std::filesystem::path logPath;
};

// Each kind of message arrives from the real gateway in its pane; the sound
// is found on disk and the log is written.
TEST_F(MessagesEndToEndTest, AnotherClientTalksWhispersAndSendsASound) {
    RawClient amy(server->port());
    ASSERT_TRUE(amy.logOnAndWait("Amy"));
    amy.send("/join Op Verdo\r");
    ASSERT_TRUE(waitFor([&] { return form.roster().roster().find("Amy").has_value(); }));

    amy.send("hello all\r");
    ASSERT_TRUE(waitForLine("<Amy> hello all"));
    EXPECT_EQ(findLine("<Amy> hello all")->pane, ChatPane);

    amy.send("/w Verdo psst\r");
    ASSERT_TRUE(waitForLine("<FROM: Amy> psst"));
    EXPECT_EQ(findLine("<FROM: Amy> psst")->pane, WhisperPane);
    EXPECT_EQ(form.incoming().Whisperers(), std::vector<std::string>{"Amy"});

    amy.send("~playsound hello.wav\r");
    ASSERT_TRUE(waitForLine("Amy played: hello.wav"));
    const std::filesystem::path wave =
        std::filesystem::path(folder.path().toStdString()) / "Sounds" / "Hello.WAV";
    EXPECT_EQ(platform.recordedSound.played, std::vector<std::string>{wave.string()});

    form.session().bcChat().SendLine("/w Amy thanks\r");
    ASSERT_TRUE(waitForLine("<TO: Amy> thanks"));
    EXPECT_TRUE(amy.waitForLine("thanks"));

    const std::string log = logText();
    for (const char* expected :
         {"<Amy> hello all\n", "<Amy WHISPER > psst\n", "<WHISPER TO Amy> thanks\n"})
        EXPECT_NE(log.find(expected), std::string::npos) << expected << " in\n" << log;
}

}  // namespace
}  // namespace verdo
