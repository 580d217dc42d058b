// The RTF subset reader: text, character formats, paragraphs, and bytes that
// are not RTF at all.
#include "engine/RtfReader.h"

#include <gtest/gtest.h>

namespace verdo {
namespace {

TEST(RtfReader, ReadsTheTextOfTheSubset) {
    struct Case {
        std::string_view rtf, text;
    };
    const Case cases[] = {
        {"{\\rtf1\\ansi Hello\\par World}", "Hello\nWorld"},
        {"{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red0\\green0\\blue255;}"
         "{\\*\\generator x;}{\\info{\\title T}}\\f0 Body}",
         "Body"},
        {"{\\rtf1 a\\tab b\\line c}", "a\tb\nc"},
        {"{\\rtf1 \\\\ \\{ \\} caf\\'e9 \\'4}",
         "\\ { } caf\xe9 4"},  // a broken escape shows what follows
        {"{\\rtf1 \\bullet\\~\\endash\\emdash\\lquote\\rquote\\ldblquote\\rdblquote}",
         "\x95\xa0\x96\x97\x91\x92\x93\x94"},
        {"{\\rtf1 \\u233?t\\u8364\\'80 \\uc2\\u-3913xyz}", "\xe9t? ?z"},
        {"{\\rtf1 line\r\nbreaks\n are ignored}", "linebreaks are ignored"},
        {"{\\rtf1 opt\\-hyphen non\\_breaking}", "opthyphen non-breaking"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readRtf(c.rtf).text, c.text) << c.rtf;
}

TEST(RtfReader, KeepsCharacterFormatsPerGroup) {
    const RtfDocument doc =
        readRtf("{\\rtf1\\fs20 a{\\b\\fs28 B}c\\i i\\i0\\ul u\\ulnone\\b b\\b0\\plain p}");
    ASSERT_EQ(doc.text, "aBciubp");
    struct Expected {
        std::size_t start, length;
        RtfCharFormat format;
    };
    const Expected expected[] = {
        {0, 1, {false, false, false, 20}}, {1, 1, {true, false, false, 28}},
        {2, 1, {false, false, false, 20}}, {3, 1, {false, true, false, 20}},
        {4, 1, {false, false, true, 20}},  {5, 1, {true, false, false, 20}},
        {6, 1, {false, false, false, 24}},
    };
    ASSERT_EQ(doc.spans.size(), std::size(expected));
    for (std::size_t i = 0; i < doc.spans.size(); ++i) {
        EXPECT_EQ(doc.spans[i].start, expected[i].start) << i;
        EXPECT_EQ(doc.spans[i].length, expected[i].length) << i;
        EXPECT_EQ(doc.spans[i].format, expected[i].format) << i;
    }
}

TEST(RtfReader, RecordsParagraphsWithTheirIndents) {
    const RtfDocument doc = readRtf("{\\rtf1 Title\\par\\li360\\fi-180 item\\par\\pard end}");
    ASSERT_EQ(doc.text, "Title\nitem\nend");
    ASSERT_EQ(doc.paragraphs.size(), 3u);
    EXPECT_EQ(doc.paragraphs[0].start, 0u);
    EXPECT_EQ(doc.paragraphs[0].leftIndent, 0);
    EXPECT_EQ(doc.paragraphs[1].start, 6u);
    EXPECT_EQ(doc.paragraphs[1].leftIndent, 360);
    EXPECT_EQ(doc.paragraphs[1].firstLineIndent, -180);
    EXPECT_EQ(doc.paragraphs[2].start, 11u);
    EXPECT_EQ(doc.paragraphs[2].leftIndent, 0);
}

TEST(RtfReader, SurvivesInputThatIsNotRtf) {
    std::string deep(100000, '{');
    deep += "text";
    deep += std::string(100000, '}');
    deep += "after";
    EXPECT_EQ(readRtf(deep).text, "textafter");
    EXPECT_EQ(readRtf("}}}{\\b x").text, "x");
    EXPECT_EQ(readRtf("\\fs99999999999999999999 big\\").spans.at(0).format.halfPoints, 1000);
    EXPECT_EQ(readRtf("\\").text, "");
    EXPECT_EQ(readRtf("\\'").text, "");
    EXPECT_EQ(readRtf(std::string("a\0b", 3)).text, std::string("a\0b", 3));
    const RtfDocument doc = readRtf("\\abcdefghijklmnopqrstuvwxyzabcdefghijklmnop plain");
    EXPECT_EQ(doc.text, "ghijklmnop plain");  // control words end after 32 letters
}

}  // namespace
}  // namespace verdo
