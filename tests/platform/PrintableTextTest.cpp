// The filter between other people's text and a terminal or journal: what is
// replaced in each encoding, and what stays.
#include "platform/PrintableText.h"

#include <gtest/gtest.h>

namespace verdo {
namespace {

TEST(PrintableText, ControlsThatSteerATerminalBecomeQuestionMarks) {
    // C0 and DEL in either encoding; tab and line breaks become blanks.
    EXPECT_EQ(printableText("\x1b]0;owned\x07\x1b[2J\x7f"), "?]0;owned??[2J?");
    EXPECT_EQ(printableText("a\nb\rc\td\x01"), "a b c d?");
    // C1 controls written as UTF-8, one "?" per character.
    EXPECT_EQ(printableText("csi \xC2\x9B"
                            "31m \xC2\x85 caf\xC3\xA9"),
              "csi ?31m ? caf\xC3\xA9");
}

// U+202E would show "gnp.exe" as "exe.png"; every bidirectional control goes,
// and the characters around them (U+200D, U+2070, U+2010) stay.
TEST(PrintableText, BidirectionalControlsCannotReorderALine) {
    for (const char* control : {"\xD8\x9C", "\xE2\x80\x8E", "\xE2\x80\x8F", "\xE2\x80\xAA",
                                "\xE2\x80\xAB", "\xE2\x80\xAC", "\xE2\x80\xAD", "\xE2\x80\xAE",
                                "\xE2\x81\xA6", "\xE2\x81\xA7", "\xE2\x81\xA8", "\xE2\x81\xA9"}) {
        EXPECT_EQ(printableText(std::string("<") + control + ">"), "<?>") << control;
    }
    const std::string kept = "\xE2\x80\x8D \xE2\x81\xB0 \xE2\x80\x90";
    EXPECT_EQ(printableText(kept), kept);
}

// In Windows-1252 the bytes 0x80..0x9F are quotes, dashes and the euro sign;
// only the five the code page leaves undefined are controls.
TEST(PrintableText, Windows1252PrintablesInTheC1RangeStay) {
    EXPECT_EQ(printableText("\x93Hi\x94 \x80\x96 \x9B caf\xE9"),
              "\x93Hi\x94 \x80\x96 \x9B caf\xE9");
    EXPECT_EQ(printableText("\x81\x8D\x8F\x90\x9D\x1b"), "??????");
    // The caller's decision wins: a UTF-8 line cut in parts is filtered as UTF-8.
    EXPECT_EQ(printableText("\xC2\x9B", true), "?");
    EXPECT_EQ(printableText("\xC2\x9B", false), "\xC2\x9B");
}

}  // namespace
}  // namespace verdo
