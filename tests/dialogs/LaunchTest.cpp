// The launcher window: six named pictures, each reporting its own target.
#include "dialogs/Launch.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QToolButton>

namespace verdo {
namespace {

TEST(LaunchWindow, ReportsThePictureClicked) {
    TfrmLaunch launch(nullptr);
    std::vector<LaunchTarget> launched;
    QObject::connect(&launch, &TfrmLaunch::launchClicked,
                     [&](LaunchTarget target) { launched.push_back(target); });
    launch.show();
    EXPECT_EQ(launch.windowTitle(), "Launch Program...");
    EXPECT_FALSE(launch.isModal());

    const std::vector<std::pair<const char*, LaunchTarget>> pictures = {
        {"imDiablo", LaunchTarget::Diablo},       {"imStarcraft", LaunchTarget::Starcraft},
        {"imBroodwar", LaunchTarget::Broodwar},   {"imWarcraft", LaunchTarget::Warcraft},
        {"imBattlenet", LaunchTarget::Battlenet}, {"imBlizzard", LaunchTarget::Blizzard}};
    std::vector<LaunchTarget> expected;
    for (const auto& [name, target] : pictures) {
        auto* picture = launch.findChild<QToolButton*>(name);
        ASSERT_NE(picture, nullptr) << name;
        EXPECT_EQ(picture->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(picture, Qt::LeftButton);
        expected.push_back(target);
    }
    EXPECT_EQ(launched, expected);

    QTest::keyClick(&launch, Qt::Key_Escape);
    EXPECT_FALSE(launch.isVisible());
}

}  // namespace
}  // namespace verdo
