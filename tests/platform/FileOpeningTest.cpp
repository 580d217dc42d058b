// Reading whole files and appending to files: what each refuses, and that a
// FIFO carrying the file's name never makes either of them wait.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/AppendFile.h"
#include "platform/ReadFile.h"
#include "support/Fifo.h"
#include "support/TempFolder.h"

namespace verdo {
namespace {

using testing::makeFifo;
using testing::readFile;
using testing::returnsWithoutWaiting;
using testing::TempFolder;
using testing::writeFile;

TEST(ReadRegularFile, ReadsEveryByteOfARegularFile) {
    TempFolder dir;
    std::string bytes(100000, 'x');
    bytes[0] = '\0';
    bytes.back() = '\xff';
    writeFile(dir / "big", bytes);
    std::string contents = "left over";
    EXPECT_EQ(readRegularFile(dir / "big", contents), ReadStatus::Read);
    EXPECT_EQ(contents, bytes);
    writeFile(dir / "empty", "");
    EXPECT_EQ(readRegularFile(dir / "empty", contents), ReadStatus::Read);
    EXPECT_EQ(contents, "");
}

TEST(ReadRegularFile, MissingIsToldApartFromUnreadable) {
    TempFolder dir;
    std::string contents;
    EXPECT_EQ(readRegularFile(dir / "absent", contents), ReadStatus::Missing);
    EXPECT_EQ(readRegularFile(dir / "absent" / "below", contents), ReadStatus::Missing);
    EXPECT_EQ(readRegularFile(dir.path(), contents), ReadStatus::Failed);
    EXPECT_EQ(readRegularFile("/dev/null", contents), ReadStatus::Failed);
}

TEST(ReadRegularFile, AFifoFailsWithoutWaitingForAWriter) {
    TempFolder dir;
    ASSERT_TRUE(makeFifo(dir / "fifo"));
    ReadStatus status = ReadStatus::Read;
    EXPECT_TRUE(returnsWithoutWaiting(dir / "fifo", [&] {
        std::string contents;
        status = readRegularFile(dir / "fifo", contents);
    }));
    EXPECT_EQ(status, ReadStatus::Failed);
}

TEST(AppendFile, AppendsToWhatIsThereAndCreatesWhatIsNot) {
    TempFolder dir;
    AppendFile file;
    ASSERT_TRUE(file.open(dir / "log", FileAccess::Default));
    EXPECT_TRUE(file.append("one\n"));
    ASSERT_TRUE(file.open(dir / "log", FileAccess::Default));  // replaces the first
    EXPECT_TRUE(file.append("two\n"));
    file.close();
    EXPECT_FALSE(file.isOpen());
    EXPECT_FALSE(file.append("lost\n"));
    EXPECT_EQ(readFile(dir / "log"), "one\ntwo\n");
    EXPECT_FALSE(file.open(dir / "no" / "log", FileAccess::Default));
}

TEST(AppendFile, AFifoWithoutAReaderFailsWithoutWaiting) {
    TempFolder dir;
    ASSERT_TRUE(makeFifo(dir / "fifo"));
    AppendFile file;
    bool opened = true;
    EXPECT_TRUE(returnsWithoutWaiting(
        dir / "fifo", [&] { opened = file.open(dir / "fifo", FileAccess::Default); }));
    EXPECT_FALSE(opened);
}

}  // namespace
}  // namespace verdo
