// Colour values and font records of the options record in their Qt forms.
#include <gtest/gtest.h>

#include <array>

#include "controls/OptionsStyle.h"

namespace verdo {
namespace {

TEST(OptionsStyleTest, ColorValuesAreBlueGreenRed) {
    const QPalette palette;
    EXPECT_EQ(toQColor(0x00336699u, palette), QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(toQColor(0x000000FFu, palette), QColor(Qt::red));
    EXPECT_EQ(toQColor(0x00FFFF00u, palette), QColor(Qt::cyan));
}

TEST(OptionsStyleTest, TopBitNamesASystemColor) {
    QPalette palette;
    palette.setColor(QPalette::Base, QColor(1, 2, 3));
    palette.setColor(QPalette::Text, QColor(4, 5, 6));
    palette.setColor(QPalette::Highlight, QColor(7, 8, 9));
    palette.setColor(QPalette::HighlightedText, QColor(10, 11, 12));
    palette.setColor(QPalette::Button, QColor(13, 14, 15));
    EXPECT_EQ(toQColor(0x80000005u, palette), QColor(1, 2, 3));     // COLOR_WINDOW
    EXPECT_EQ(toQColor(0x80000008u, palette), QColor(4, 5, 6));     // COLOR_WINDOWTEXT
    EXPECT_EQ(toQColor(0x8000000Du, palette), QColor(7, 8, 9));     // COLOR_HIGHLIGHT
    EXPECT_EQ(toQColor(0x8000000Eu, palette), QColor(10, 11, 12));  // COLOR_HIGHLIGHTTEXT
    EXPECT_EQ(toQColor(0x8000000Fu, palette), QColor(13, 14, 15));  // COLOR_BTNFACE
    // The form some tools write, with the whole top byte set.
    EXPECT_EQ(toQColor(0xFF00000Fu, palette), QColor(13, 14, 15));
    // An index Windows does not have reads as window text.
    EXPECT_EQ(toQColor(0x800000FFu, palette), QColor(4, 5, 6));
}

std::array<std::uint8_t, tFontRecord::Size> fontBytes(const char* face, int points,
                                                      std::uint8_t style) {
    std::array<std::uint8_t, tFontRecord::Size> bytes{};
    tFontRecord record(bytes.data());
    record.setFaceName(face);
    record.setSize(points);
    record.setStyle(style);
    return bytes;
}

TEST(OptionsStyleTest, FontRecordGivesFaceSizeAndStyle) {
    auto bytes = fontBytes("DejaVu Sans", 14, FontBold | FontUnderline);
    const QFont font = toQFont(tConstFontRecord(bytes.data()));
    EXPECT_EQ(font.family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(font.pointSize(), 14);
    EXPECT_TRUE(font.bold());
    EXPECT_FALSE(font.italic());
    EXPECT_TRUE(font.underline());
    EXPECT_FALSE(font.strikeOut());

    bytes = fontBytes("Arial", 9, FontItalic | FontStrikeOut);
    const QFont other = toQFont(tConstFontRecord(bytes.data()));
    EXPECT_FALSE(other.bold());
    EXPECT_TRUE(other.italic());
    EXPECT_FALSE(other.underline());
    EXPECT_TRUE(other.strikeOut());
}

TEST(OptionsStyleTest, UnusableSizeKeepsTheDefault) {
    for (int points : {0, -12, 5000}) {
        auto bytes = fontBytes("Arial", points, 0);
        EXPECT_EQ(toQFont(tConstFontRecord(bytes.data())).pointSize(), QFont().pointSize())
            << points;
    }
}

}  // namespace
}  // namespace verdo
