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

// A bound keeps any file from taking more memory than the caller allows.
TEST(ReadRegularFile, AFileBeyondTheBoundIsRefused) {
    TempFolder dir;
    writeFile(dir / "ten", "0123456789");
    std::string contents;
    EXPECT_EQ(readRegularFile(dir / "ten", contents, nullptr, 10), ReadStatus::Read);
    EXPECT_EQ(contents, "0123456789");
    EXPECT_EQ(readRegularFile(dir / "ten", contents, nullptr, 9), ReadStatus::Failed);
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

// A link planted where the file is expected never redirects the lines, and an
// existing file is opened only after the caller saw what it is.
TEST(AppendFile, NeverFollowsALinkAndAsksBeforeOpeningWhatIsThere) {
    TempFolder dir;
    writeFile(dir / "target", "kept\n");
    std::filesystem::create_symlink(dir / "target", dir / "link");
    AppendFile file;
    EXPECT_FALSE(file.open(dir / "link", FileAccess::Default));
    std::filesystem::create_symlink(dir / "nowhere", dir / "dangling");
    EXPECT_FALSE(file.open(dir / "dangling", FileAccess::Default));
    EXPECT_FALSE(std::filesystem::exists(dir / "nowhere"));

    ::chmod((dir / "target").c_str(), 0750);
    std::vector<ExistingFile> seen;
    const auto refuse = [&seen](const ExistingFile& existing) {
        seen.push_back(existing);
        return false;
    };
    EXPECT_FALSE(file.open(dir / "target", FileAccess::Default, refuse));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].regular);
    EXPECT_FALSE(seen[0].empty);
    EXPECT_TRUE(seen[0].executable);
    EXPECT_EQ(readFile(dir / "target"), "kept\n");

    ASSERT_TRUE(file.open(dir / "new", FileAccess::Default, refuse));  // nothing was there
    EXPECT_EQ(seen.size(), 1u);
    const auto accept = [](const ExistingFile& existing) { return existing.empty; };
    EXPECT_TRUE(file.open(dir / "new", FileAccess::Default, accept));
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
