// UTF-8 among 8-bit texts: what counts as a sequence, what makes a text UTF-8,
// and where a cut may fall.
#include <gtest/gtest.h>

#include <string>

#include "platform/Utf8.h"

namespace verdo {
namespace {

TEST(Utf8Test, SequencesAreValidMultiByteForms) {
    const struct {
        std::string text;
        std::size_t length;
    } cases[] = {
        {"a", 0},                 // ASCII is no sequence
        {"\xC3\xA9", 2},          // é
        {"\xE2\x9C\x93", 3},      // ✓
        {"\xF0\x9F\x98\x80", 4},  // 😀
        {"\xC0\xAF", 0},          // overlong slash
        {"\xE0\x80\xAF", 0},      // overlong in three bytes
        {"\xED\xA0\x80", 0},      // a surrogate
        {"\xF4\x90\x80\x80", 0},  // beyond U+10FFFF
        {"\xE2\x9C", 0},          // cut short
        {"\xA9", 0},              // a stray continuation byte
        {"\xC3(", 0},             // a lead byte without its continuation
    };
    for (const auto& c : cases)
        EXPECT_EQ(utf8SequenceLength(c.text, 0), c.length) << c.text;
}

TEST(Utf8Test, ATextIsUtf8WhenValidAndBeyondAscii) {
    EXPECT_TRUE(isUtf8BeyondAscii("caf\xC3\xA9 ok"));
    EXPECT_FALSE(isUtf8BeyondAscii("plain"));
    EXPECT_FALSE(isUtf8BeyondAscii("caf\xE9"));
    EXPECT_FALSE(isUtf8BeyondAscii("\xC3\xA9\xE9"));  // one stray byte spoils it all
}

TEST(Utf8Test, CutsFallBetweenCharactersOfAUtf8TextOnly) {
    const std::string utf8 = "ab\xE2\x9C\x93z";
    EXPECT_EQ(utf8CutPoint(utf8, 3), 2u);
    EXPECT_EQ(utf8CutPoint(utf8, 4), 2u);
    EXPECT_EQ(utf8CutPoint(utf8, 5), 5u);
    EXPECT_EQ(utf8CutPoint(utf8, 99), utf8.size());
    EXPECT_EQ(utf8CutPoint("ab\xE2\x9C\x93\xE9", 3), 3u);  // Windows-1252: any byte
}

}  // namespace
}  // namespace verdo
