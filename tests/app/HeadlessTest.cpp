// End to end: the built `verdochat --headless` as a separate process against
// an in-process gateway on an ephemeral loopback port, with a chat file
// written by the program's own saver. No display is given to the child.
#include <gtest/gtest.h>

#include <unistd.h>

#include <QProcess>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "GatewayServer.h"
#include "GatewayTestSupport.h"
#include "engine/ChatFile.h"
#include "engine/CommandTable.h"
#include "records/Options.h"
#include "support/TempFolder.h"
#include "support/WaitFor.h"

namespace verdo {
namespace {

namespace fs = std::filesystem;
using gateway::test::RawClient;

constexpr int Bound = 20000;  // ms; the sanitized program starts slowly
constexpr const char* HomeChannel = "Op Verdo";

// The bot's settings: only the local gateway, its name, the home channel, one
// phrase answer and one owner.
void writeChatFile(const fs::path& path, std::uint16_t port,
                   const std::vector<std::string>& owners) {
    tOptions options;
    ChatLists lists;
    tUserList users;
    ResetOptions(options, lists.ProductActions);
    NewChatLists(lists);
    FillBuiltInCommands(lists);
    options.setUserName("Verdo");
    options.setPassword("secret");
    options.setHomeChannel(HomeChannel);
    options.setServer("127.0.0.1");
    options.setMasterSwitch(true);
    options.setRespondToPhrases(true);
    lists.ServerList = {"127.0.0.1:" + std::to_string(port)};
    lists.HomeList = {HomeChannel};
    lists.PhraseList = {"hi bot"};
    lists.PhraseRes = {tStringList{"Greetings, friend"}, tStringList{"Greetings, friend"},
                       tStringList{"Greetings, friend"}};
    lists.OwnerList = owners;
    const FileOutcome outcome = SaveChatFile(path, {options, lists, users});
    ASSERT_TRUE(outcome.ok) << (outcome.errors.empty() ? "" : outcome.errors.front());
}

ChatLists savedLists(const fs::path& path) {
    tOptions options;
    ChatLists lists;
    tUserList users;
    EXPECT_TRUE(LoadChatFile(path, {options, lists, users}).ok);
    return lists;
}

tStringList savedOwners(const fs::path& path) {
    return savedLists(path).OwnerList;
}

bool hasLine(const RawClient& client, const std::string& start, const std::string& end) {
    for (const std::string& line : client.lines())
        if (line.starts_with(start) && line.ends_with(end)) return true;
    return false;
}

class HeadlessTest : public ::testing::Test {
  protected:
    void SetUp() override {
        gateway::GatewayOptions options;
        options.port = 0;
        server = std::make_unique<gateway::GatewayServer>(options);
        std::string error;
        ASSERT_TRUE(server->start(error)) << error;
        // A copy of the program in the test's folder keeps its Chat.ini there.
        program = folder.path() / "bin" / "verdochat";
        fs::create_directories(program.parent_path());
        fs::copy_file(VERDOCHAT_PROGRAM, program);
        // Its network module goes with it: the program looks beside itself.
        fs::copy_file(fs::path(VERDOCHAT_PROGRAM).parent_path() / "verdochat-net.so",
                      program.parent_path() / "verdochat-net.so");
        chatFile = folder.path() / "bot.ch5";
        writeChatFile(chatFile, server->port(), {"Boss"});
        QObject::connect(&process, &QProcess::readyReadStandardOutput,
                         [this] { out += process.readAllStandardOutput().toStdString(); });
        QObject::connect(&process, &QProcess::readyReadStandardError,
                         [this] { err += process.readAllStandardError().toStdString(); });
    }
    void TearDown() override {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(Bound);
        }
    }

    void start(const QStringList& arguments) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(name);
        environment.insert("VERDO_LOOPBACK_ONLY", "1");
        process.setProcessEnvironment(environment);
        // As a shell or systemd starts it: this test process ignores SIGPIPE
        // (Qt does), and the child would inherit that.
        process.setChildProcessModifier([fd = childOutput] {
            ::signal(SIGPIPE, SIG_DFL);
            if (fd >= 0) ::dup2(fd, STDOUT_FILENO);
        });
        process.start(QString::fromStdString(program.string()), arguments);
        ASSERT_TRUE(process.waitForStarted(Bound));
    }
    void startBot() { start({"--headless", QString::fromStdString(chatFile.string())}); }
    // Started, logged on and in the home channel.
    void startBotInChannel() {
        startBot();
        ASSERT_TRUE(waitForOutput("Joining channel Op Verdo.")) << out << err;
    }
    bool waitForOutput(const std::string& text) {
        return testing::waitFor([&] { return out.find(text) != std::string::npos; }, Bound);
    }
    // The exit status once the program ended by itself, or -1.
    int waitForExit() {
        if (!testing::waitFor([&] { return process.state() == QProcess::NotRunning; }, Bound))
            return -1;
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    void signal(int number) {
        ASSERT_EQ(::kill(static_cast<pid_t>(process.processId()), number), 0);
    }

    RawClient& user(const std::string& name, bool inHomeChannel = true) {
        RawClient& client = *clients.emplace_back(std::make_unique<RawClient>(server->port()));
        EXPECT_TRUE(client.logOnAndWait(name)) << name;
        if (inHomeChannel) {
            const std::size_t from = client.lines().size();
            client.send(std::string("/join ") + HomeChannel + "\r");
            EXPECT_TRUE(client.waitForLine(std::string("CHANNEL \"") + HomeChannel, from));
        }
        return client;
    }

    testing::TempFolder folder;
    std::unique_ptr<gateway::GatewayServer> server;
    std::vector<std::unique_ptr<RawClient>> clients;
    fs::path program;
    fs::path chatFile;
    QProcess process;
    int childOutput = -1;  // the child's standard output instead of `out`
    std::string out;
    std::string err;
};

TEST_F(HeadlessTest, LogsOnAndJoinsTheHomeChannelWithoutADisplay) {
    startBotInChannel();
    RawClient& watcher = user("Watcher");
    EXPECT_TRUE(hasLine(watcher, "1001 USER Verdo", "")) << out;
    EXPECT_NE(out.find("* Logged on to 127.0.0.1:"), std::string::npos) << out;
    // Each pane line begins with the local time; a pipe gets no colours.
    EXPECT_NE(out.find("] Chat file " + chatFile.string() + " loaded.\n"), std::string::npos);
    EXPECT_EQ(out.find('\x1b'), std::string::npos);
    EXPECT_EQ(out.rfind("[", 0), 0u) << out;
}

TEST_F(HeadlessTest, StandardInputIsSentAsTalkAndItsEndStopsNothing) {
    startBotInChannel();
    RawClient& watcher = user("Watcher");
    process.write("hello\n");
    process.closeWriteChannel();
    ASSERT_TRUE(
        testing::waitFor([&] { return hasLine(watcher, "1005 TALK Verdo", "\"hello\""); }, Bound))
        << out << err;
    EXPECT_NE(out.find("<Verdo> hello\n"), std::string::npos) << out;
    // Still running after the end of its input: it answers a phrase.
    watcher.send("hi bot\r");
    ASSERT_TRUE(testing::waitFor(
        [&] { return hasLine(watcher, "1005 TALK Verdo", "\"Greetings, friend\""); }, Bound));
    signal(SIGINT);
    EXPECT_EQ(waitForExit(), 0) << err;
    // Nothing changed, so nothing is saved.
    EXPECT_EQ(out.find("Saving the settings"), std::string::npos) << out;
}

TEST_F(HeadlessTest, SighupReReadsTheChatFile) {
    startBotInChannel();
    writeChatFile(chatFile, server->port(), {"Boss", "Zed"});
    signal(SIGHUP);
    ASSERT_TRUE(waitForOutput("Chat file " + chatFile.string() + " re-read.")) << out << err;
    RawClient& zed = user("Zed", /*inHomeChannel=*/false);
    zed.send("/w Verdo /owners\r");
    ASSERT_TRUE(testing::waitFor(
        [&] { return hasLine(zed, "1004 WHISPER Verdo", "\"Owner List: Boss; Zed\""); }, Bound))
        << out;
    signal(SIGTERM);
    EXPECT_EQ(waitForExit(), 0) << err;
}

// The scripts follow the chat file: SIGHUP loads them anew, their stored data
// stays, and the data is written when the bot stops.
TEST_F(HeadlessTest, SighupReloadsTheScriptsAndTheirDataSurvives) {
    folder.write("bot.scripts/count.lua",
                 "local n = (verdo.fetch('n') or 0) + 1\n"
                 "verdo.store('n', n)\n"
                 "verdo.log('load ' .. n)\n");
    const fs::path extra = folder.write("extra/extra.lua", "verdo.log('extra here')\n");
    start({"--headless", "--script", QString::fromStdString(extra.string()),
           QString::fromStdString(chatFile.string())});
    ASSERT_TRUE(waitForOutput("[count] load 1")) << out << err;
    EXPECT_TRUE(waitForOutput("[extra] extra here")) << out << err;
    signal(SIGHUP);
    ASSERT_TRUE(waitForOutput("[count] load 2")) << out << err;
    signal(SIGTERM);
    EXPECT_EQ(waitForExit(), 0) << err;
    std::ifstream data(folder.path() / "bot.scripts" / "count.data");
    const std::string text{std::istreambuf_iterator<char>(data), {}};
    EXPECT_NE(text.find("\nn = 2\n"), std::string::npos) << text;
}

// The bot saves a remote change by itself within seconds, so a reload (or a
// crash) after it keeps the change.
TEST_F(HeadlessTest, SavesARemoteChangeBeforeAnySignalAndAReloadKeepsIt) {
    startBotInChannel();
    RawClient& boss = user("Boss", /*inHomeChannel=*/false);
    boss.send("/w Verdo /addowner Zed\r");
    ASSERT_TRUE(waitForOutput("Chat settings saved.")) << out << err;
    EXPECT_EQ(savedOwners(chatFile), (tStringList{"Boss", "Zed"}));
    signal(SIGHUP);
    ASSERT_TRUE(waitForOutput("Chat file " + chatFile.string() + " re-read.")) << out << err;
    const std::size_t from = boss.lines().size();
    boss.send("/w Verdo /owners\r");
    ASSERT_TRUE(boss.waitForLine("\"Owner List: Boss; Zed\"", from)) << out;
    EXPECT_EQ(err.find("drops the changes"), std::string::npos) << err;
    signal(SIGTERM);
    EXPECT_EQ(waitForExit(), 0) << err;
}

// Standard output on a pipe whose reader went away: the bot keeps working
// without output, and stops and saves as usual.
TEST_F(HeadlessTest, AClosedOutputPipeDoesNotKillTheBot) {
    int ends[2] = {-1, -1};
    ASSERT_EQ(::pipe(ends), 0);
    ::close(ends[0]);  // nobody will ever read
    childOutput = ends[1];
    startBot();
    ::close(ends[1]);
    RawClient& alice = user("Alice");
    // The bot's own join was written to the closed pipe.
    ASSERT_TRUE(testing::waitFor(
        [&] {
            return hasLine(alice, "1001 USER Verdo", "") || hasLine(alice, "1002 JOIN Verdo", "");
        },
        Bound))
        << err;
    RawClient& boss = user("Boss", /*inHomeChannel=*/false);
    boss.send("/w Verdo /addowner Zed\r");
    ASSERT_TRUE(testing::waitFor(
        [&] { return hasLine(boss, "1004 WHISPER Verdo", "\"Adding Owner: Zed\""); }, Bound));
    signal(SIGTERM);
    EXPECT_EQ(waitForExit(), 0) << err;
    EXPECT_EQ(savedOwners(chatFile), (tStringList{"Boss", "Zed"}));
}

TEST_F(HeadlessTest, ABadChatFileEndsWithStatusTwo) {
    const fs::path bad = folder.write("bad.ch5", "not a chat file");
    start({"--headless", QString::fromStdString(bad.string())});
    EXPECT_EQ(waitForExit(), 2);
    EXPECT_NE(err.find("Cannot load the chat file " + bad.string() + "."), std::string::npos)
        << err;
    EXPECT_EQ(server->sessionCount(), 0u);
}

TEST_F(HeadlessTest, WithoutAChatFileTheLastOneOfChatIniRuns) {
    start({"--headless"});
    EXPECT_EQ(waitForExit(), 2);
    EXPECT_NE(err.find("No chat file"), std::string::npos) << err;
    folder.write("bin/Chat.ini", "[Last File]\r\nLast File=" + chatFile.string() + "\r\n");
    out.clear();
    start({"--headless"});
    ASSERT_TRUE(waitForOutput("Joining channel Op Verdo.")) << out << err;
    signal(SIGTERM);
    EXPECT_EQ(waitForExit(), 0) << err;
}

// A remote change is saved when the bot stops. The start server and the chat
// file of a bot run are for that run only: the chat file keeps its own
// servers and the desktop's "Last File" stays.
TEST_F(HeadlessTest, StartServerAndChatFileOfTheRunAreNeverWritten) {
    writeChatFile(chatFile, /*port=*/1, {"Boss"});  // nothing listens on port 1
    const std::string chatIni = "[Last File]\r\nLast File=/home/desk/desktop.ch5\r\n";
    folder.write("bin/Chat.ini", chatIni);
    const std::string live = "127.0.0.1:" + std::to_string(server->port());
    start({"--headless", "--server", QString::fromStdString(live),
           QString::fromStdString(chatFile.string())});
    ASSERT_TRUE(waitForOutput("Joining channel Op Verdo.")) << out << err;
    RawClient& boss = user("Boss", /*inHomeChannel=*/false);
    boss.send("/w Verdo /addowner Zed\r");  // a change, so that SIGTERM saves
    ASSERT_TRUE(testing::waitFor(
        [&] { return hasLine(boss, "1004 WHISPER Verdo", "\"Adding Owner: Zed\""); }, Bound))
        << out;
    signal(SIGTERM);
    EXPECT_EQ(waitForExit(), 0) << out << err;
    EXPECT_NE(out.find("Saving the settings changed while running to " + chatFile.string()),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("Chat settings saved."), std::string::npos) << out;
    const ChatLists saved = savedLists(chatFile);
    EXPECT_EQ(saved.OwnerList, (tStringList{"Boss", "Zed"}));
    EXPECT_EQ(saved.ServerList, tStringList{"127.0.0.1:1"});
    EXPECT_NE(folder.read("bin/Chat.ini").find("Last File=/home/desk/desktop.ch5"),
              std::string::npos)
        << folder.read("bin/Chat.ini");
}

TEST_F(HeadlessTest, VersionAndUnknownOptions) {
    start({"--version"});
    EXPECT_EQ(waitForExit(), 0);
    EXPECT_EQ(out.rfind("VerdoChat Version 6 (", 0), 0u) << out;
    start({"--headless", "--bogus"});
    EXPECT_EQ(waitForExit(), 2);
    EXPECT_NE(err.find("bogus"), std::string::npos) << err;
}

}  // namespace
}  // namespace verdo
