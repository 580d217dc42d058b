// The bytes-to-screen and typed-text-to-bytes conversions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

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

TEST(DisplayTextTest, TypedTextIsWindows1252WhenItFitsElseUtf8) {
    const struct {
        std::u16string typed;
        std::string bytes;
    } cases[] = {
        {u"\u20AC", "\x80"},
        {u"caf\u00E9 \u201Cq\u201D?", "caf\xE9 \x93q\x94?"},
        // One character the code page lacks makes the whole line UTF-8.
        {u"caf\u00E9 \u2713", "caf\xC3\xA9 \xE2\x9C\x93"},
        {u"a\U0001F600b",
         "a\xF0\x9F\x98\x80"
         "b"},
        {u"\u0080", "\xC2\x80"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(typedBytes(QStringView(c.typed)), c.bytes)
            << QString::fromStdU16String(c.typed).toStdString();
    }
}

TEST(DisplayTextTest, KnownBytesKeepTheirBytesWhateverTheRestBecomes) {
    const std::string utf8Name = "Zo\xC3\xAB";
    const std::string ansiName = "Ren\xE9";
    const std::vector<KnownText> kept = {{displayText(utf8Name), utf8Name},
                                         {displayText(ansiName), ansiName}};
    // Each shown name turns back into its own bytes; the typed text around
    // them follows its own rule.
    EXPECT_EQ(typedBytes(u"/w Zo\u00EB caf\u00E9", kept), "/w " + utf8Name + " caf\xE9");
    EXPECT_EQ(typedBytes(u"Ren\u00E9 \u2713", kept), ansiName + " \xE2\x9C\x93");
    EXPECT_EQ(typedBytes(u"Zo\u00EB+Ren\u00E9", kept), utf8Name + "+" + ansiName);
    // Without them the same text is converted as typed.
    EXPECT_EQ(typedBytes(u"/w Zo\u00EB caf\u00E9"), "/w Zo\xEB caf\xE9");
    // The longest known text wins where one starts another.
    const std::vector<KnownText> nested = {
        {"Zo", "Zo"}, {displayText("/msg " + utf8Name + " "), "/msg " + utf8Name + " "}};
    EXPECT_EQ(typedBytes(u"/msg Zo\u00EB hi", nested), "/msg " + utf8Name + " hi");
}

}  // namespace
}  // namespace verdo
