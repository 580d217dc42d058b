// The user list's pictures: their number and size, each drawn and told apart
// from the others, the blank one empty and the unused ones the red cross.
#include "controls/UserIcons.h"

#include <gtest/gtest.h>

#include <QImage>
#include <set>

namespace verdo {
namespace {

bool hasOpaquePixel(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0) return true;
    return false;
}

TEST(UserIconsTest, TwentyPicturesOfTwentyEightByFourteen) {
    const UserIconSet icons = makeUserIcons();
    ASSERT_EQ(icons.size(), 20u);
    for (const QPixmap& icon : icons)
        EXPECT_EQ(icon.size(), QSize(UserIconWidth, UserIconHeight));
    EXPECT_FALSE(hasOpaquePixel(icons[UserIcon::None].toImage()));
}

TEST(UserIconsTest, EveryUsedPictureIsDrawnAndDistinct) {
    const UserIconSet icons = makeUserIcons();
    std::set<QByteArray> seen;
    for (int i = 1; i <= UserIcon::Verdo; ++i) {
        const QImage image = icons[static_cast<std::size_t>(i)].toImage();
        EXPECT_TRUE(hasOpaquePixel(image)) << i;
        const QByteArray bytes(reinterpret_cast<const char*>(image.constBits()),
                               image.sizeInBytes());
        EXPECT_TRUE(seen.insert(bytes).second) << "picture " << i << " repeats another";
    }
    for (int i = 13; i < UserIcon::Count; ++i)
        EXPECT_EQ(icons[static_cast<std::size_t>(i)].toImage(),
                  icons[UserIcon::Squelched].toImage());
}

}  // namespace
}  // namespace verdo
