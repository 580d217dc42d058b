// Line cutting: every kind of line end, a line end that is the last byte so
// far, CR LF split across two reads, empty lines, and both rules for lines
// longer than the bound.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/LineReader.h"

namespace verdo {
namespace {

struct Lines {
    explicit Lines(std::size_t maxLine = 512,
                   LineReader::LongLines longLines = LineReader::LongLines::Split)
        : reader(maxLine, longLines, [this](const std::string& line) { got.push_back(line); }) {}
    std::vector<std::string> got;
    LineReader reader;
};

TEST(LineReaderTest, CutsOnEveryLineEndAndTakesALoneFinalOneAtOnce) {
    Lines lines;
    lines.reader.feed("one\r\ntwo\r");
    EXPECT_EQ(lines.got, (std::vector<std::string>{"one", "two"}));
    lines.reader.feed("\nthree\n");
    lines.reader.feed("fo");
    lines.reader.feed("ur\r");
    lines.reader.feed("five\nsix");
    EXPECT_EQ(lines.got, (std::vector<std::string>{"one", "two", "three", "four", "five"}));
    lines.reader.finish();
    EXPECT_EQ(lines.got.back(), "six");
}

TEST(LineReaderTest, EmptyLinesAreLines) {
    Lines lines;
    lines.reader.feed("\r\n\r\n\nx\r\r");
    EXPECT_EQ(lines.got, (std::vector<std::string>{"", "", "", "x", ""}));
}

TEST(LineReaderTest, LongLinesComeInPiecesOrAreCut) {
    Lines split(4, LineReader::LongLines::Split);
    split.reader.feed("abcdefghij\nabcd\n");
    split.reader.feed("wxyz");
    split.reader.feed("\n");
    EXPECT_EQ(split.got, (std::vector<std::string>{"abcd", "efgh", "ij", "abcd", "wxyz"}));

    Lines cut(4, LineReader::LongLines::Cut);
    cut.reader.feed("abcdefghij\nab");
    cut.reader.feed("cdef\r\nabcd\nok\n");
    EXPECT_EQ(cut.got, (std::vector<std::string>{"abcd", "abcd", "abcd", "ok"}));
}

}  // namespace
}  // namespace verdo
