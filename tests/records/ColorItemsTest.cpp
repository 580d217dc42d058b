// The appearance dialog's colour items reach the record fields of the
// published layout; the offsets here are written from that layout.
#include "records/ColorItems.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>

namespace verdo {
namespace {

std::uint32_t colorAt(const tOptions& options, std::size_t at) {
    const std::uint8_t* b = options.data() + at;
    return b[0] | b[1] << 8 | b[2] << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

TEST(ColorItemsTest, EachItemWritesItsOwnFieldOnly) {
    // List order: Info, Text, Emote, Error, Whisper, User List, Custom User,
    // Entry, Name, the five backgrounds, Your Text, Your Name, the highlights.
    constexpr std::array<std::size_t, 18> offsets = {822, 834, 842, 826, 858, 846, 894, 874, 830,
                                                     882, 866, 870, 886, 890, 838, 878, 850, 854};
    for (std::size_t item = 0; item < offsets.size(); ++item) {
        tOptions options;
        const tOptions before = options;
        setColorOf(options, item, 0x00123456);
        EXPECT_EQ(colorAt(options, offsets[item]), 0x00123456u) << ColorItems[item].name;
        EXPECT_EQ(colorOf(options, item), 0x00123456u);
        setColorOf(options, item, colorAt(before, offsets[item]));
        EXPECT_TRUE(std::equal(options.data(), options.data() + tOptions::Size, before.data()))
            << ColorItems[item].name << " touched another field";
    }
}

}  // namespace
}  // namespace verdo
