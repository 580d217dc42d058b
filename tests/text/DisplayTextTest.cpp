// The bytes-to-screen and typed-text-to-bytes conversions.
#include <gtest/gtest.h>

#include <string>

#include "text/DisplayText.h"

namespace verdo {
namespace {

TEST(DisplayTextTest, ShowsWindows1252) {
    EXPECT_EQ(displayText("\x93Hi\x94 \x80 caf\xE9"),
              QStringLiteral(u"\u201CHi\u201D \u20AC caf\u00E9"));
    EXPECT_EQ(displayText("plain"), QStringLiteral("plain"));
}

TEST(DisplayTextTest, ShowsValidMultiByteUtf8AsUtf8) {
    EXPECT_EQ(displayText("caf\xC3\xA9"), QStringLiteral(u"caf\u00E9"));
    EXPECT_EQ(displayText("\xE2\x9C\x93 ok"), QStringLiteral(u"\u2713 ok"));
}

TEST(DisplayTextTest, InvalidUtf8FallsBackToWindows1252) {
    // An overlong slash and a UTF-8-encoded surrogate are not valid UTF-8.
    EXPECT_EQ(displayText("\xC0\xAF"), QStringLiteral(u"\u00C0\u00AF"));
    EXPECT_EQ(displayText("\xED\xA0\x80"), QStringLiteral(u"\u00ED\u00A0\u20AC"));
    // A valid sequence next to a stray byte: the whole line is Windows-1252.
    EXPECT_EQ(displayText("\xC3\xA9\xE9"), QStringLiteral(u"\u00C3\u00A9\u00E9"));
}

TEST(DisplayTextTest, DecidesOnceForALineInParts) {
    const std::string name = "J\xC3\xBCrgen";
    EXPECT_TRUE(showsAsUtf8(name + ": hi"));
    EXPECT_EQ(displayText(name, true), QStringLiteral(u"J\u00FCrgen"));
    EXPECT_EQ(displayText(": \xE9", false), QStringLiteral(u": \u00E9"));
    EXPECT_FALSE(showsAsUtf8("ascii only"));
}

TEST(DisplayTextTest, EveryByteSurvivesTheRoundTrip) {
    for (int value = 1; value < 256; ++value) {
        const std::string byte(1, static_cast<char>(value));
        EXPECT_EQ(typedBytes(displayText(byte)), byte) << "byte " << value;
    }
}

TEST(DisplayTextTest, TypedTextBecomesWindows1252) {
    EXPECT_EQ(typedBytes(u"\u20AC"), "\x80");
    EXPECT_EQ(typedBytes(u"caf\u00E9 \u201Cq\u201D"), "caf\xE9 \x93q\x94");
    EXPECT_EQ(typedBytes(u"\u2713"), "?");
    // One character outside the basic plane is one question mark, not two.
    EXPECT_EQ(typedBytes(u"a\U0001F600b"), "a?b");
    EXPECT_EQ(typedBytes(u"\u0080"), "?");
}

}  // namespace
}  // namespace verdo
