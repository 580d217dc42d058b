// The text file window over a recording playback: loading, starting and
// stopping, the whisper target, rewinding and help.
#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "dialogs/DialogAnswers.h"
#include "dialogs/TextFiles.h"
#include "support/FakeDialogHost.h"
#include "support/FakeTextPlayback.h"
#include "support/Named.h"
#include "support/WaitFor.h"

namespace verdo {
namespace {

using testing::named;

class TextFilesDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QFile(poem).open(QIODevice::WriteOnly);
        playback.target = "Ann";
    }
    std::unique_ptr<TfrmText> open() {
        auto dialog = std::make_unique<TfrmText>(playback, host, nullptr);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        return dialog;
    }

    QTemporaryDir folder;
    const QString poem = folder.filePath("poem.txt");
    testing::FakeTextPlayback playback;
    testing::FakeDialogHost host;
};

TEST_F(TextFilesDialogTest, ExecuteWithoutAFileAsksForOneAndCancellingPlaysNothing) {
    playback.line = 5;
    auto dialog = open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Text File Settings"));
    EXPECT_EQ(named<QLineEdit>(*dialog, "edUser")->text(), QStringLiteral("Ann"));
    QTest::mouseClick(named<QPushButton>(*dialog, "btnExecute"), Qt::LeftButton);
    EXPECT_EQ(host.fileRequests.size(), 1u);
    EXPECT_FALSE(named<QPushButton>(*dialog, "btnExecute")->isChecked());
    EXPECT_FALSE(playback.isRunning);
    EXPECT_EQ(playback.line, 0);
    EXPECT_TRUE(playback.infos.empty());
}

TEST_F(TextFilesDialogTest, StartStopAndStartAgainKeepTheLine) {
    playback.file = poem.toStdString();
    auto dialog = open();
    EXPECT_EQ(named<QLineEdit>(*dialog, "edFile")->text(), poem);
    EXPECT_FALSE(named<QPushButton>(*dialog, "btnExecute")->isChecked());
    QTest::mouseClick(named<QPushButton>(*dialog, "btnExecute"), Qt::LeftButton);
    EXPECT_TRUE(playback.isRunning);
    playback.line = 3;
    QTest::mouseClick(named<QPushButton>(*dialog, "btnExecute"), Qt::LeftButton);
    QTest::mouseClick(named<QPushButton>(*dialog, "btnExecute"), Qt::LeftButton);
    EXPECT_TRUE(named<QPushButton>(*dialog, "btnExecute")->isChecked());
    EXPECT_EQ(playback.line, 3);
    const std::string path = poem.toStdString();
    EXPECT_EQ(playback.infos, (std::vector<std::string>{"Executing text file: " + path,
                                                        "Text file: " + path + " stopped.",
                                                        "Executing text file: " + path}));
    QTest::mouseClick(named<QPushButton>(*dialog, "btnReset"), Qt::LeftButton);
    EXPECT_EQ(playback.line, 0);
    EXPECT_TRUE(playback.isRunning);
    // The end of the file stops the playback; the button follows.
    playback.isRunning = false;
    EXPECT_TRUE(testing::waitFor(
        [&] { return !named<QPushButton>(*dialog, "btnExecute")->isChecked(); }, 2000));
}

TEST_F(TextFilesDialogTest, LoadNewLoadsOrSaysItCouldNot) {
    playback.line = 4;
    auto dialog = open();
    host.nextFile = poem;
    QTest::mouseClick(named<QPushButton>(*dialog, "btnLoad"), Qt::LeftButton);
    EXPECT_EQ(playback.file, poem.toStdString());
    EXPECT_EQ(named<QLineEdit>(*dialog, "edFile")->text(), poem);
    EXPECT_EQ(playback.line, 0);

    // The file goes away between choosing and reading.
    playback.line = 4;
    QString shown;
    QFile::remove(poem);
    host.nextFile = poem;
    testing::acknowledgeMessage(&shown);
    QTest::mouseClick(named<QPushButton>(*dialog, "btnLoad"), Qt::LeftButton);
    EXPECT_EQ(shown, QStringLiteral("Could not open text file"));
    EXPECT_TRUE(playback.file.empty());
    EXPECT_TRUE(named<QLineEdit>(*dialog, "edFile")->text().isEmpty());
    EXPECT_EQ(playback.line, 0);
}

TEST_F(TextFilesDialogTest, TheUserIsStoredAtOnceAndHelpAndExitWork) {
    auto dialog = open();
    named<QLineEdit>(*dialog, "edUser")->clear();
    QTest::keyClicks(named<QLineEdit>(*dialog, "edUser"), "Bob");
    EXPECT_EQ(playback.target, "Bob");
    QTest::mouseClick(named<QPushButton>(*dialog, "btnHelp"), Qt::LeftButton);
    QTest::keyClick(dialog.get(), Qt::Key_F1);
    EXPECT_EQ(host.helpTopics, (std::vector<std::string>{"Text Files  ", "Text Files  "}));
    QTest::keyClick(named<QLineEdit>(*dialog, "edUser"), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(playback.target, "Bob");
}

}  // namespace
}  // namespace verdo
