// The folder lock that keeps two writers of a chat file apart, and the stamps
// that show another program's change.
#include "platform/FolderLock.h"

#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/file.h>

#include "platform/FileStamp.h"
#include "platform/SafeFile.h"
#include "support/TempFolder.h"

namespace verdo {
namespace {

using testing::TempFolder;

// Whether another open of the folder could lock it now.
bool othersCanLock(const std::filesystem::path& folder) {
    Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY));
    return ::flock(fd.get(), LOCK_EX | LOCK_NB) == 0;
}

TEST(FolderLock, KeepsOthersOutUntilReleasedAndLeavesNoFile) {
    TempFolder dir;
    {
        FolderLock lock(dir / "bot.ch5");
        ASSERT_TRUE(lock.locked());
        EXPECT_FALSE(othersCanLock(dir.path()));
        lock.release();
        EXPECT_TRUE(othersCanLock(dir.path()));
        FolderLock again(dir / "bot.ch5");
        EXPECT_FALSE(othersCanLock(dir.path()));
    }
    EXPECT_TRUE(othersCanLock(dir.path()));
    EXPECT_TRUE(dir.entries().empty());
}

TEST(FileStamp, ASaveOfTheSameSizeStillShows) {
    TempFolder dir;
    EXPECT_FALSE(FileStamp::of(dir / "bot.ch5").exists);
    ASSERT_TRUE(writeFileSafely(dir / "bot.ch5", "aaaa"));
    const FileStamp first = FileStamp::of(dir / "bot.ch5");
    EXPECT_TRUE(first.exists);
    EXPECT_EQ(FileStamp::of(dir / "bot.ch5"), first);
    ASSERT_TRUE(writeFileSafely(dir / "bot.ch5", "bbbb"));
    EXPECT_NE(FileStamp::of(dir / "bot.ch5"), first);
}

}  // namespace
}  // namespace verdo
