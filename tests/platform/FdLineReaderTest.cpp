// A descriptor read in the event loop (standard input on a pipe): lines as
// they arrive, CR LF, a line in pieces, an over-long line, the end of input.
#include <gtest/gtest.h>

#include <unistd.h>

#include <string>
#include <vector>

#include "platform/qt/FdLineReader.h"
#include "support/WaitFor.h"

namespace verdo {
namespace {

class FdLineReaderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(::pipe(fds), 0);
        reader = std::make_unique<FdLineReader>(fds[0]);
        reader->OnLine = [this](const std::string& line) { lines.push_back(line); };
        reader->OnEnd = [this] { ++ends; };
    }
    void TearDown() override {
        reader.reset();
        ::close(fds[0]);
        if (fds[1] >= 0) ::close(fds[1]);
    }
    void write(const std::string& bytes) {
        ASSERT_EQ(::write(fds[1], bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    void closeInput() {
        ::close(fds[1]);
        fds[1] = -1;
    }
    bool waitForLines(std::size_t count) {
        return testing::waitFor([&] { return lines.size() >= count; });
    }

    int fds[2] = {-1, -1};
    std::unique_ptr<FdLineReader> reader;
    std::vector<std::string> lines;
    int ends = 0;
};

TEST_F(FdLineReaderTest, LinesEndAtLineFeedsWithOrWithoutReturn) {
    write("hello\r\n/join Op Verdo\n\nlast\n");
    ASSERT_TRUE(waitForLines(4));
    EXPECT_EQ(lines, (std::vector<std::string>{"hello", "/join Op Verdo", "", "last"}));
    EXPECT_FALSE(reader->ended());
}

TEST_F(FdLineReaderTest, ALineInPiecesComesOutWhole) {
    write("hel");
    EXPECT_FALSE(testing::waitFor([&] { return !lines.empty(); }, 100));
    write("lo\r");
    write("\nwor");
    ASSERT_TRUE(waitForLines(1));
    EXPECT_EQ(lines, std::vector<std::string>{"hello"});
}

TEST_F(FdLineReaderTest, AnEndlessLineIsCutAtTheLimit) {
    write(std::string(FdLineReader::MaxLine + 10, 'x') + "\n");
    ASSERT_TRUE(waitForLines(2));
    EXPECT_EQ(lines[0], std::string(FdLineReader::MaxLine, 'x'));
    EXPECT_EQ(lines[1], std::string(10, 'x'));
}

TEST_F(FdLineReaderTest, TheEndDeliversTheUnfinishedLineThenReportsOnce) {
    write("one\ntwo\r");
    closeInput();
    ASSERT_TRUE(testing::waitFor([&] { return ends == 1; }));
    EXPECT_EQ(lines, (std::vector<std::string>{"one", "two"}));
    EXPECT_TRUE(reader->ended());
    EXPECT_FALSE(testing::waitFor([&] { return ends > 1; }, 100));
}

}  // namespace
}  // namespace verdo
