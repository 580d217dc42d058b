// The About box: its texts, the version from the build, its links and Done.
#include "dialogs/About.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "controls/DSHyperLink.h"
#include "dialogs/ProgramLinks.h"
#include "support/FakeDialogHost.h"

namespace verdo {
namespace {

TEST(AboutBox, ShowsTheProgramAndTheVersionOfThisBuild) {
    testing::FakeDialogHost host;
    TfrmAbout about(nullptr, host);
    EXPECT_EQ(about.windowTitle(), "About VerdoChat");
    EXPECT_EQ(about.findChild<QLabel*>("lblProduct")->text(), "VerdoChat");
    EXPECT_EQ(about.findChild<QLabel*>("lblDescription")->text(), "Battle.net Chat Client");
    EXPECT_EQ(about.findChild<QLabel*>("lblVersion")->text(),
              QString("Version ") + VERDO_PROJECT_VERSION);
    EXPECT_FALSE(about.findChild<QLabel*>("imgLogo")->pixmap().isNull());
}

TEST(AboutBox, OpensItsLinksAndClosesWithDoneOrEscape) {
    testing::FakeDialogHost host;
    TfrmAbout about(nullptr, host);
    about.show();
    for (const char* name : {"lnkHome", "lnkSupport"})
        QTest::mouseClick(about.findChild<TDSHyperLink*>(name), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(host.links, (std::vector<std::string>{HomePageAddress, SupportMailAddress}));

    auto* done = about.findChild<QPushButton*>("btnDone");
    EXPECT_EQ(done->text(), "&Done");
    EXPECT_TRUE(done->isDefault());
    QTest::mouseClick(done, Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    about.show();
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible());
}

}  // namespace
}  // namespace verdo
