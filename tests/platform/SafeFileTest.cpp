// Writing a file through a temporary beside it: contents, permissions, and a
// failure that leaves the old file as it was.
#include "platform/SafeFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <iterator>

#include "support/TempFolder.h"

namespace verdo {
namespace {

using ::testing::ElementsAre;
using testing::readFile;
using testing::TempFolder;
using ::testing::UnorderedElementsAre;
using testing::writeFile;

mode_t permissionsOf(const std::filesystem::path& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0);
    return info.st_mode & 07777;
}

// Sets the process's umask for one test.
class UmaskScope {
  public:
    explicit UmaskScope(mode_t mask) : previous_(::umask(mask)) {}
    ~UmaskScope() { ::umask(previous_); }

  private:
    mode_t previous_;
};

TEST(SafeFile, ReplacesTheTargetAndLeavesNoTemporaryFile) {
    TempFolder dir;
    writeFile(dir / "chat.ch5", "old contents, longer than the new");
    ASSERT_TRUE(writeFileSafely(dir / "chat.ch5", std::string("new\0bytes", 9)));
    EXPECT_EQ(readFile(dir / "chat.ch5"), std::string("new\0bytes", 9));
    EXPECT_THAT(dir.entries(), ElementsAre("chat.ch5"));
}

TEST(SafeFile, OwnerOnlyFilesAreReadableByTheOwnerAlone) {
    TempFolder dir;
    UmaskScope mask(022);
    writeFile(dir / "chat.ch5", "old");
    std::filesystem::permissions(dir / "chat.ch5", std::filesystem::perms(0644));
    ASSERT_TRUE(writeFileSafely(dir / "chat.ch5", "secret", FileAccess::OwnerOnly));
    ASSERT_TRUE(writeFileSafely(dir / "new.ch5", "secret", FileAccess::OwnerOnly));
    EXPECT_EQ(permissionsOf(dir / "chat.ch5"), 0600u);
    EXPECT_EQ(permissionsOf(dir / "new.ch5"), 0600u);
}

TEST(SafeFile, DefaultFilesFollowTheUmask) {
    TempFolder dir;
    UmaskScope mask(022);
    ASSERT_TRUE(writeFileSafely(dir / "chat.ext", "lists"));
    EXPECT_EQ(permissionsOf(dir / "chat.ext"), 0644u);
}

TEST(SafeFile, AFailedRenameKeepsTheTargetAndRemovesTheTemporary) {
    TempFolder dir;
    std::filesystem::create_directory(dir / "busy");
    writeFile(dir / "busy" / "inside", "kept");
    EXPECT_FALSE(writeFileSafely(dir / "busy", "replacement"));
    EXPECT_EQ(readFile(dir / "busy" / "inside"), "kept");
    EXPECT_THAT(dir.entries(), UnorderedElementsAre("busy"));
}

// Another program's file: its link stays a link to the rewritten file, and
// its permissions stay exactly as they were, whatever the umask.
TEST(SafeFile, ARewriteFollowsTheLinkAndKeepsThePermissions) {
    TempFolder dir;
    UmaskScope mask(077);
    std::filesystem::create_directory(dir / "real");
    writeFile(dir / "real" / "system.reg", "old");
    std::filesystem::permissions(dir / "real" / "system.reg", std::filesystem::perms(0640));
    std::filesystem::create_symlink("real/system.reg", dir / "system.reg");
    ASSERT_TRUE(rewriteFileSafely(dir / "system.reg", "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "system.reg"));
    EXPECT_EQ(readFile(dir / "real" / "system.reg"), "new");
    EXPECT_EQ(permissionsOf(dir / "real" / "system.reg"), 0640u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "real"), {}), 1);
    // Nothing to rewrite: nothing is made.
    EXPECT_FALSE(rewriteFileSafely(dir / "absent.reg", "new"));
    EXPECT_FALSE(std::filesystem::exists(dir / "absent.reg"));
}

TEST(SafeFile, AMissingFolderFailsAndSaysWhy) {
    TempFolder dir;
    std::string why;
    EXPECT_FALSE(writeFileSafely(dir / "absent" / "chat.ch5", "x", FileAccess::Default, &why));
    EXPECT_EQ(why, (dir / "absent" / "chat.ch5").string() + ": No such file or directory");
    EXPECT_TRUE(dir.entries().empty());
}

// A file edited as root stays its owner's: the bot's own user can still read
// it. The tests run as root, which may give a file to another user.
TEST(SafeFile, AReplacedFileKeepsItsOwnerAndGroup) {
    TempFolder dir;
    if (::geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
    writeFile(dir / "chat.ch5", "old");
    ASSERT_EQ(::chown((dir / "chat.ch5").c_str(), 65534, 65534), 0);
    ASSERT_TRUE(writeFileSafely(dir / "chat.ch5", "new", FileAccess::OwnerOnly));
    struct stat info {};
    ASSERT_EQ(::stat((dir / "chat.ch5").c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 65534u);
    EXPECT_EQ(info.st_gid, 65534u);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
    // A new file is the writer's.
    ASSERT_TRUE(writeFileSafely(dir / "new.ch5", "new", FileAccess::OwnerOnly));
    ASSERT_EQ(::stat((dir / "new.ch5").c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, ::geteuid());
}

TEST(SafeFile, ALinkAtTheTargetIsFollowedAndStays) {
    TempFolder dir;
    std::filesystem::create_directory(dir / "real");
    writeFile(dir / "real" / "chat.ch5", "old");
    std::filesystem::create_symlink("real/chat.ch5", dir / "chat.ch5");
    ASSERT_TRUE(writeFileSafely(dir / "chat.ch5", "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "chat.ch5"));
    EXPECT_EQ(readFile(dir / "real" / "chat.ch5"), "new");
    EXPECT_THAT(dir.entries(), UnorderedElementsAre("chat.ch5", "real"));
}

// Three files written as one: a failure in any of them leaves all three as
// they were, and no temporary or kept file behind.
TEST(SafeFile, ASetIsReplacedWholeOrNotAtAll) {
    TempFolder dir;
    for (const char* name : {"a", "b"})
        writeFile(dir / name, std::string("old ") + name);
    const SafeWrite writes[] = {{dir / "a", "new a"}, {dir / "b", "new b"}, {dir / "c", "new c"}};
    ASSERT_TRUE(writeFilesSafely(writes, FileAccess::OwnerOnly));
    EXPECT_EQ(readFile(dir / "a"), "new a");
    EXPECT_EQ(readFile(dir / "c"), "new c");
    EXPECT_THAT(dir.entries(), UnorderedElementsAre("a", "b", "c"));

    // The last rename fails (a folder holds the name): the first two are put
    // back from the links made before the first rename.
    std::filesystem::remove(dir / "c");
    std::filesystem::create_directory(dir / "c");
    writeFile(dir / "c" / "inside", "kept");
    const SafeWrite again[] = {{dir / "a", "newer a"}, {dir / "b", "newer b"}, {dir / "c", "x"}};
    std::string why;
    EXPECT_FALSE(writeFilesSafely(again, FileAccess::OwnerOnly, &why));
    EXPECT_THAT(why, ::testing::StartsWith((dir / "c").string() + ": "));
    EXPECT_EQ(readFile(dir / "a"), "new a");
    EXPECT_EQ(readFile(dir / "b"), "new b");
    EXPECT_THAT(dir.entries(), UnorderedElementsAre("a", "b", "c"));

    // A new file among them is removed again.
    const SafeWrite withNew[] = {{dir / "d", "d"}, {dir / "c", "x"}};
    EXPECT_FALSE(writeFilesSafely(withNew, FileAccess::OwnerOnly));
    EXPECT_THAT(dir.entries(), UnorderedElementsAre("a", "b", "c"));
}

}  // namespace
}  // namespace verdo
