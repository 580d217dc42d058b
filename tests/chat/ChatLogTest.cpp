// The chat log: which lines are kept, the time stamp, appending.
#include "chat/ChatLog.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "records/Options.h"
#include "support/FakePlatform.h"
#include "support/TempFolder.h"

namespace verdo::testing {
namespace {

class ChatLogTest : public ::testing::Test {
  protected:
    ChatLogTest() : log(platform.clock()) {
        ResetOptions(options, actions);
        path =
            std::filesystem::temp_directory_path() /
            ("verdo-chatlog-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".txt");
        std::filesystem::remove(path);
    }
    ~ChatLogTest() override { std::filesystem::remove(path); }
    static mode_t modeOf(const std::filesystem::path& file) {
        struct stat info {};
        EXPECT_EQ(::stat(file.c_str(), &info), 0);
        return info.st_mode & 07777;
    }
    std::string contents() {
        log.close();
        std::ifstream in(path, std::ios::binary);
        std::stringstream out;
        out << in.rdbuf();
        return out.str();
    }

    FakePlatform platform;
    ChatLog log;
    tOptions options;
    tProductActions actions;
    std::filesystem::path path;
};

#ifdef _WIN32
constexpr const char* kEnd = "\r\n";
#else
constexpr const char* kEnd = "\n";
#endif

TEST_F(ChatLogTest, NothingIsWrittenWhileLoggingIsOff) {
    ASSERT_TRUE(log.open(path.string()));
    log.WriteChatLog("<bob> hi", LogKind::Message, options);
    EXPECT_EQ(contents(), "");
}

TEST_F(ChatLogTest, MessagesNeedOnlyTheLogSwitchEventsNeedBoth) {
    options.setKeepLog(true);
    ASSERT_TRUE(log.open(path.string()));
    log.WriteChatLog("<bob> hi", LogKind::Message, options);
    log.WriteChatLog("[Info] skipped", LogKind::Event, options);
    options.setLogEvents(true);
    log.WriteChatLog("[Info] kept", LogKind::Event, options);
    EXPECT_EQ(contents(), std::string("<bob> hi") + kEnd + "[Info] kept" + kEnd);
}

TEST_F(ChatLogTest, TimeStampPrefixesEachLineWhenOn) {
    options.setKeepLog(true);
    options.setLogTime(true);
    platform.fakeClock.text = "07/12/2026";
    ASSERT_TRUE(log.open(path.string()));
    log.WriteChatLog("midnight", LogKind::Message, options);
    EXPECT_EQ(contents(), std::string("[07/12/2026] midnight") + kEnd);
}

TEST_F(ChatLogTest, OpeningAppendsToWhatIsThere) {
    options.setKeepLog(true);
    ASSERT_TRUE(log.open(path.string()));
    log.WriteChatLog("one", LogKind::Message, options);
    log.close();
    ASSERT_TRUE(log.open(path.string()));
    log.WriteChatLog("two", LogKind::Message, options);
    EXPECT_EQ(contents(), std::string("one") + kEnd + "two" + kEnd);
}

// The log holds whispers: a new one is for its owner's eyes only, whatever the
// umask; the mode of an existing log is the user's choice and stays.
TEST_F(ChatLogTest, ANewLogIsOwnerOnlyAnExistingOneKeepsItsMode) {
    const mode_t previousMask = ::umask(022);
    ASSERT_TRUE(log.open(path.string()));
    log.close();
    EXPECT_EQ(modeOf(path), 0600u);
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(log.open(path.string()));
    log.close();
    EXPECT_EQ(modeOf(path), 0640u);
    ::umask(previousMask);
}

// The log's name comes from a chat file that may come from anyone: only a file
// plainly meant for a log, or one the user picked as the log, grows.
TEST_F(ChatLogTest, AnExistingFileIsAppendedToOnlyWhenMeantForALog) {
    TempFolder dir;
    const auto opens = [&](const std::string& name, const std::string& contents, mode_t mode,
                           const std::vector<std::string>& chosen = {}) {
        writeFile(dir / name, contents);
        ::chmod((dir / name).c_str(), mode);
        const bool opened = log.open((dir / name).string(), chosen);
        log.close();
        return opened;
    };
    EXPECT_TRUE(opens("chat.txt", "earlier\n", 0644));
    EXPECT_TRUE(opens("Chat.LOG", "earlier\n", 0600));
    EXPECT_TRUE(opens("empty", "", 0755));
    EXPECT_FALSE(opens(".bashrc", "alias ls=rm\n", 0644));
    EXPECT_FALSE(opens("run.txt", "#!/bin/sh\n", 0744));
    EXPECT_FALSE(opens("notes.txt.sh", "x\n", 0644));
    // Picked with the file dialog: the user's own choice, named in any way.
    EXPECT_TRUE(opens("journal", "earlier\n", 0644, {(dir / "sub" / ".." / "journal").string()}));

    std::filesystem::create_symlink(dir / "chat.txt", dir / "link.txt");
    EXPECT_FALSE(log.open((dir / "link.txt").string(), {(dir / "link.txt").string()}));
    EXPECT_FALSE(log.isOpen());
    EXPECT_EQ(readFile(dir / ".bashrc"), "alias ls=rm\n");
}

TEST_F(ChatLogTest, UnopenableFileIsReportedAndWritingIsHarmless) {
    options.setKeepLog(true);
    EXPECT_FALSE(log.open((path / "no" / "such" / "dir.txt").string()));
    log.WriteChatLog("lost", LogKind::Message, options);
    EXPECT_FALSE(log.isOpen());
}

}  // namespace
}  // namespace verdo::testing
