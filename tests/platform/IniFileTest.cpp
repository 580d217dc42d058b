// The profile file behind Chat.ini: defaults, letter case, plain names with
// blanks, one key replaced with the rest kept, and where the file lives.
#include "platform/IniFile.h"
#include "support/FileSizeLimit.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/TempFolder.h"

namespace verdo {
namespace {

using testing::readFile;
using testing::TempFolder;
using testing::writeFile;

TEST(IniFile, MissingFileOrKeyGivesTheDefault) {
    TempFolder dir;
    const IniFile absent(dir / "Chat.ini");
    EXPECT_EQ(absent.readString("Last File", "Last File", "None"), "None");
    EXPECT_EQ(absent.readInteger("Screen", "Top", 50), 50);
    EXPECT_TRUE(absent.readBool("Screen", "Maximized", true));

    writeFile(dir / "Chat.ini", "[Screen]\nTop=7\n");
    const IniFile present(dir / "Chat.ini");
    EXPECT_EQ(present.readInteger("Screen", "Left", 50), 50);
    EXPECT_EQ(present.readString("Response", "Ignore", ""), "");
}

TEST(IniFile, SectionsAndKeysIgnoreLetterCase) {
    TempFolder dir;
    writeFile(dir / "Chat.ini",
              "[screen]\r\nnew user width = 200\r\n[LAST FILE]\r\nlast file=C:\\chat\\a.ch5\r\n");
    const IniFile ini(dir / "Chat.ini");
    EXPECT_EQ(ini.readInteger("Screen", "New User Width", 162), 200);
    // Backslashes are plain bytes, not escapes.
    EXPECT_EQ(ini.readString("Last File", "Last File", "None"), "C:\\chat\\a.ch5");
}

TEST(IniFile, KeysAreLookedUpOnlyInTheirOwnSection) {
    TempFolder dir;
    writeFile(dir / "Chat.ini", "[Batch File]\nTop=1\n[Screen]\nLeft=2\n");
    const IniFile ini(dir / "Chat.ini");
    EXPECT_EQ(ini.readInteger("Screen", "Top", 50), 50);
    EXPECT_EQ(ini.readInteger("Screen", "Left", 50), 2);
}

TEST(IniFile, IntegersAndBooleans) {
    TempFolder dir;
    writeFile(dir / "Chat.ini", "[S]\nA=-12\nB=12x\nC=\nD=0\nE=3\nF=yes\n");
    const IniFile ini(dir / "Chat.ini");
    EXPECT_EQ(ini.readInteger("S", "A", 5), -12);
    EXPECT_EQ(ini.readInteger("S", "B", 5), 5);
    EXPECT_EQ(ini.readInteger("S", "C", 5), 5);
    EXPECT_FALSE(ini.readBool("S", "D", true));
    EXPECT_TRUE(ini.readBool("S", "E", false));
    EXPECT_TRUE(ini.readBool("S", "F", true));
    EXPECT_FALSE(ini.readBool("S", "F", false));
}

TEST(IniFile, WritesNamesWithBlanksPlainly) {
    TempFolder dir;
    IniFile ini(dir / "Chat.ini");
    ASSERT_TRUE(ini.writeInteger("Screen", "New User Width", 162));
    ASSERT_TRUE(ini.writeBool("Screen", "Maximized", true));
    ASSERT_TRUE(ini.writeString("Last File", "Last File", "/home/me/a b.ch5"));
    EXPECT_EQ(
        readFile(dir / "Chat.ini"),
        "[Screen]\nNew User Width=162\nMaximized=1\n[Last File]\nLast File=/home/me/a b.ch5\n");
}

TEST(IniFile, ReplacesOneKeyAndKeepsEveryOtherLine) {
    TempFolder dir;
    writeFile(dir / "Chat.ini",
              "; kept comment\r\n[screen]\r\ntop=1\r\nLeft=2\r\n\r\n[Response]\r\nIgnore=!\r\n");
    IniFile ini(dir / "Chat.ini");
    ASSERT_TRUE(ini.writeInteger("Screen", "Top", 99));
    ASSERT_TRUE(ini.writeInteger("Screen", "Width", 800));
    EXPECT_EQ(readFile(dir / "Chat.ini"),
              "; kept comment\r\n[screen]\r\nTop=99\r\nLeft=2\r\nWidth=800\r\n\r\n"
              "[Response]\r\nIgnore=!\r\n");
    EXPECT_EQ(ini.readString("Response", "Ignore", ""), "!");
}

TEST(IniFile, AFailedWriteReportsFalse) {
    TempFolder dir;
    IniFile ini(dir / "missing folder" / "Chat.ini");
    EXPECT_FALSE(ini.writeInteger("Screen", "Top", 2));
    EXPECT_FALSE(std::filesystem::exists(dir / "missing folder"));
}

TEST(IniFile, AFailedWriteKeepsTheOldFile) {
    TempFolder dir;
    writeFile(dir / "Chat.ini", "[Screen]\nTop=1\n");
    IniFile ini(dir / "Chat.ini");
    bool written = true;
    {
        testing::FileSizeLimit limit(8);  // the new file needs more
        written = ini.writeInteger("Screen", "Top", 2);
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(readFile(dir / "Chat.ini"), "[Screen]\nTop=1\n");
}

TEST(SettingsFolder, IsTheUserConfigFolderEvenWhenTheProgramFolderIsWritable) {
    TempFolder dir;
    std::filesystem::create_directories(dir / "program");
    const auto folder = settingsFolder(dir / "program", dir / "config");
    EXPECT_EQ(folder, dir / "config" / "VerdoChat");
    EXPECT_TRUE(std::filesystem::is_directory(folder));
}

TEST(SettingsFolder, AChatIniBesideTheProgramMakesAPortableSetUp) {
    TempFolder dir;
    std::filesystem::create_directories(dir / "program");
    writeFile(dir / "program" / "Chat.ini", "[Screen]\n");
    EXPECT_EQ(settingsFolder(dir / "program", dir / "config"), dir / "program");
    EXPECT_FALSE(std::filesystem::exists(dir / "config"));
}

TEST(SettingsFolder, AChatIniInABuildTreeIsMovedOnceToTheUserConfigFolder) {
    TempFolder dir;
    const auto program = dir / "build" / "src" / "app";
    std::filesystem::create_directories(program);
    writeFile(dir / "build" / "CMakeCache.txt", "");
    writeFile(program / "Chat.ini", "[Last File]\nLast File=a.ch5\n");
    const auto folder = settingsFolder(program, dir / "config");
    EXPECT_EQ(folder, dir / "config" / "VerdoChat");
    EXPECT_EQ(readFile(folder / "Chat.ini"), "[Last File]\nLast File=a.ch5\n");
    EXPECT_FALSE(std::filesystem::exists(program / "Chat.ini"));

    // One already in the configuration folder is never overwritten.
    writeFile(program / "Chat.ini", "[Last File]\nLast File=old.ch5\n");
    settingsFolder(program, dir / "config");
    EXPECT_EQ(readFile(folder / "Chat.ini"), "[Last File]\nLast File=a.ch5\n");
}

// Sets environment variables for one test and puts the old values back.
class EnvironmentScope {
  public:
    void set(const char* name, const char* value) {
        const char* old = std::getenv(name);
        saved_.push_back({name, old != nullptr, old ? old : ""});
        ::setenv(name, value, 1);
    }
    ~EnvironmentScope() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->present)
                ::setenv(it->name, it->value.c_str(), 1);
            else
                ::unsetenv(it->name);
        }
    }

  private:
    struct Saved {
        const char* name;
        bool present;
        std::string value;
    };
    std::vector<Saved> saved_;
};

TEST(SettingsFolder, UserConfigHomeFollowsTheEnvironment) {
    EnvironmentScope environment;
    environment.set("XDG_CONFIG_HOME", "/tmp/xdg-here");
    EXPECT_EQ(userConfigHome(), std::filesystem::path("/tmp/xdg-here"));
    environment.set("XDG_CONFIG_HOME", "relative");
    environment.set("HOME", "/home/someone");
    EXPECT_EQ(userConfigHome(), std::filesystem::path("/home/someone/.config"));
}

// Root reads every file, so "cannot be read" here is something that is no
// regular file, and a file beyond the size bound (sparse: refused from its
// size at once). Either stays exactly as it was.
TEST(IniFile, AFileThatCannotBeReadIsNeverWrittenOver) {
    TempFolder dir;
    ASSERT_EQ(::mkfifo((dir / "fifo.ini").c_str(), 0600), 0);
    IniFile fifo(dir / "fifo.ini");
    EXPECT_EQ(fifo.readString("Last File", "Last File", "None"), "None");
    EXPECT_FALSE(fifo.writeString("Last File", "Last File", "/bots/a.ch5"));
    struct stat info {};
    ASSERT_EQ(::stat((dir / "fifo.ini").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));

    writeFile(dir / "huge.ini", "[Screen]\nTop=1\n");
    std::filesystem::resize_file(dir / "huge.ini", std::uintmax_t{1} << 40);  // 1 TB, sparse
    IniFile huge(dir / "huge.ini");
    EXPECT_EQ(huge.readInteger("Screen", "Top", 7), 7);
    EXPECT_FALSE(huge.writeInteger("Screen", "Top", 2));
    EXPECT_EQ(std::filesystem::file_size(dir / "huge.ini"), std::uintmax_t{1} << 40);
}

TEST(IniFile, BlanksAndQuotesAroundAValueReadBackAsWritten) {
    TempFolder dir;
    IniFile ini(dir / "Chat.ini");
    for (const std::string value : {" padded ", "\"quoted\"", "\"", "plain \"inner\""}) {
        ASSERT_TRUE(ini.writeString("Response", "Ignore", value));
        EXPECT_EQ(ini.readString("Response", "Ignore", "default"), value);
    }
}

TEST(IniFile, ALineBreakInAValueCannotAddAKey) {
    TempFolder dir;
    IniFile ini(dir / "Chat.ini");
    ASSERT_TRUE(ini.writeString("Batch File", "Batch User", "Pal\r\n[Last File]\nLast File=/x"));
    EXPECT_EQ(ini.readString("Last File", "Last File", "None"), "None");
    EXPECT_EQ(ini.readString("Batch File", "Batch User", ""), "Pal  [Last File] Last File=/x");
    EXPECT_EQ(readFile(dir / "Chat.ini"),
              "[Batch File]\nBatch User=Pal  [Last File] Last File=/x\n");
}

}  // namespace
}  // namespace verdo
