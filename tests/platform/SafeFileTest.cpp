// Writing a file through a temporary beside it: contents, permissions, and a
// failure that leaves the old file as it was.
#include "platform/SafeFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

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

TEST(SafeFile, AMissingFolderFails) {
    TempFolder dir;
    EXPECT_FALSE(writeFileSafely(dir / "absent" / "chat.ch5", "x"));
    EXPECT_TRUE(dir.entries().empty());
}

}  // namespace
}  // namespace verdo
