// The line splitter: where lines are cut, what is filtered, the bound on held
// bytes, and re-entrant feeding from inside a delivered line.
#include "net/LineSplitter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace verdo {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class LineSplitterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        splitter.onLine = [this](std::string_view line) { lines.emplace_back(line); };
    }
    LineSplitter splitter;
    std::vector<std::string> lines;
};

TEST_F(LineSplitterTest, CrLfLineIsDeliveredWithoutTerminatorsAndTheLfProducesNothing) {
    splitter.feed("1005 TALK bob 0000 \"hi\"\r\n");
    EXPECT_THAT(lines, ElementsAre("1005 TALK bob 0000 \"hi\""));
    EXPECT_EQ(splitter.heldBytes(), 1u);  // the LF, as the last byte, is not examined
    splitter.feed("x");
    EXPECT_THAT(lines, ElementsAre("1005 TALK bob 0000 \"hi\""));
    EXPECT_EQ(splitter.heldBytes(), 1u);
}

TEST_F(LineSplitterTest, CrLfSplitAcrossPacketsGivesOneLine) {
    splitter.feed("hello\r");
    splitter.feed("\nworld\r\n");
    splitter.feed("z");
    EXPECT_THAT(lines, ElementsAre("hello", "world"));
}

TEST_F(LineSplitterTest, LoneCrAtPacketEndWaitsForOneMoreByte) {
    splitter.feed("line one\r");
    EXPECT_THAT(lines, IsEmpty());
    splitter.feed("\n");
    EXPECT_THAT(lines, ElementsAre("line one"));
}

TEST_F(LineSplitterTest, TwoAndAHalfLines) {
    splitter.feed("first\r\nsecond\r\nthi");
    EXPECT_THAT(lines, ElementsAre("first", "second"));
    splitter.feed("rd\r\n");
    EXPECT_THAT(lines, ElementsAre("first", "second", "third"));
}

TEST_F(LineSplitterTest, EmptyAndTerminatorOnlyPiecesAreDropped) {
    splitter.feed("\r\n\r\n\n\n\r\r\rx\r\n");
    splitter.feed("y");
    EXPECT_THAT(lines, ElementsAre("x"));
}

TEST_F(LineSplitterTest, FiltersOffKeepTheTerminatorByte) {
    splitter.noLineFeed = false;
    splitter.noReturn = false;
    splitter.feed("a\r\nb\nc");
    EXPECT_THAT(lines, ElementsAre("a\r", "\n", "b\n"));
}

TEST_F(LineSplitterTest, OnlyLineFeedFilteredKeepsCarriageReturn) {
    splitter.noReturn = false;
    splitter.feed("a\r\nb");
    EXPECT_THAT(lines, ElementsAre("a\r"));
}

TEST_F(LineSplitterTest, ZeroBytesAreKeptInsideLines) {
    splitter.feed(std::string("a\0b\r\n", 5));
    EXPECT_THAT(lines, ElementsAre(std::string("a\0b", 3)));
}

TEST_F(LineSplitterTest, HeldBytesWithoutLineEndAreDeliveredAtTheBound) {
    const std::string endless(LineSplitter::kMaxHeld + 10, 'a');
    splitter.feed(endless);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].size(), LineSplitter::kMaxHeld);
    EXPECT_EQ(splitter.heldBytes(), 10u);
    splitter.feed("bc\r\n");
    EXPECT_THAT(std::vector<std::string>(lines.begin() + 1, lines.end()),
                ElementsAre(std::string(10, 'a') + "bc"));
}

TEST_F(LineSplitterTest, BoundAppliesAcrossManySmallPackets) {
    for (int i = 0; i < 300; ++i)
        splitter.feed(std::string(1000, 'q'));
    EXPECT_EQ(lines.size(), 300000 / LineSplitter::kMaxHeld);
    EXPECT_LT(splitter.heldBytes(), LineSplitter::kMaxHeld);
}

TEST_F(LineSplitterTest, ReentrantFeedFromAHandlerKeepsOrderAndCompleteness) {
    // The first delivered line runs a "nested event loop" that receives the next
    // packet before the outer delivery has finished.
    bool nested = false;
    splitter.onLine = [&](std::string_view line) {
        lines.emplace_back(line);
        if (!nested) {
            nested = true;
            splitter.feed("ree\r\nfour\r\nfi");
        }
    };
    splitter.feed("one\r\ntwo\r\nth");
    splitter.feed("ve\r\n");
    EXPECT_THAT(lines, ElementsAre("one", "two", "three", "four", "five"));
}

TEST_F(LineSplitterTest, ClearFromAHandlerStopsDelivery) {
    splitter.onLine = [&](std::string_view line) {
        lines.emplace_back(line);
        splitter.clear();
    };
    splitter.feed("a\r\nb\r\nc\r\n");
    EXPECT_THAT(lines, ElementsAre("a"));
    EXPECT_EQ(splitter.heldBytes(), 0u);
}

TEST_F(LineSplitterTest, BytesFedAfterAClearInsideAHandlerAreKeptTheRestDropped) {
    // A handler disconnects, reconnects and receives while the old packet is
    // still being cut: the old rest is gone, the new bytes come out.
    bool reconnected = false;
    splitter.onLine = [&](std::string_view line) {
        lines.emplace_back(line);
        if (!reconnected) {
            reconnected = true;
            splitter.clear();
            splitter.feed("new\r\n");
        }
    };
    splitter.feed("old one\r\nold two\r\nold thr");
    splitter.feed("x");
    EXPECT_THAT(lines, ElementsAre("old one", "new"));
}

TEST_F(LineSplitterTest, HeldTailJoinsTheNextPacketAfterLinesCutInPlace) {
    splitter.feed("a\r\nb\r\npart");
    EXPECT_EQ(splitter.heldBytes(), 4u);
    splitter.feed("ial\r\nc\r\n");
    splitter.feed("d");
    EXPECT_THAT(lines, ElementsAre("a", "b", "partial", "c"));
}

TEST_F(LineSplitterTest, ManyLinesInOnePacketAllArrive) {
    std::string packet;
    for (int i = 0; i < 2000; ++i)
        packet += "1018 INFO \"line " + std::to_string(i) + "\"\r\n";
    splitter.feed(packet);
    splitter.feed("!");
    ASSERT_EQ(lines.size(), 2000u);
    EXPECT_EQ(lines.front(), "1018 INFO \"line 0\"");
    EXPECT_EQ(lines.back(), "1018 INFO \"line 1999\"");
}

}  // namespace
}  // namespace verdo
