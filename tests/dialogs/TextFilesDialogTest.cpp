// The text file window over a recording playback: loading, starting and
// stopping, the whisper target, rewinding and help.
#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "dialogs/DialogAnswers.h"
#include "dialogs/TextFiles.h"
#include "support/FakeTextPlayback.h"
#include "support/WaitFor.h"

namespace verdo {
namespace {

class TextFilesDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QFile(poem).open(QIODevice::WriteOnly);
        playback.target = "Ann";
    }
    std::unique_ptr<TfrmText> open() {
        auto dialog = std::make_unique<TfrmText>(
            playback, [this](const std::string& topic) { topics.push_back(topic); }, nullptr);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        return dialog;
    }

    QTemporaryDir folder;
    const QString poem = folder.filePath("poem.txt");
    testing::FakeTextPlayback playback;
    std::vector<std::string> topics;
};

TEST_F(TextFilesDialogTest, ExecuteWithoutAFileAsksForOneAndCancellingPlaysNothing) {
    playback.line = 5;
    auto dialog = open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Text File Settings"));
    EXPECT_EQ(dialog->edUser->text(), QStringLiteral("Ann"));
    testing::answerFile(std::nullopt);
    QTest::mouseClick(dialog->btnExecute, Qt::LeftButton);
    EXPECT_FALSE(dialog->btnExecute->isChecked());
    EXPECT_FALSE(playback.isRunning);
    EXPECT_EQ(playback.line, 0);
    EXPECT_TRUE(playback.infos.empty());
}

TEST_F(TextFilesDialogTest, StartStopAndStartAgainKeepTheLine) {
    playback.file = poem.toStdString();
    auto dialog = open();
    EXPECT_EQ(dialog->edFile->text(), poem);
    EXPECT_FALSE(dialog->btnExecute->isChecked());
    QTest::mouseClick(dialog->btnExecute, Qt::LeftButton);
    EXPECT_TRUE(playback.isRunning);
    playback.line = 3;
    QTest::mouseClick(dialog->btnExecute, Qt::LeftButton);
    QTest::mouseClick(dialog->btnExecute, Qt::LeftButton);
    EXPECT_TRUE(dialog->btnExecute->isChecked());
    EXPECT_EQ(playback.line, 3);
    const std::string path = poem.toStdString();
    EXPECT_EQ(playback.infos, (std::vector<std::string>{"Executing text file: " + path,
                                                        "Text file: " + path + " stopped.",
                                                        "Executing text file: " + path}));
    QTest::mouseClick(dialog->btnReset, Qt::LeftButton);
    EXPECT_EQ(playback.line, 0);
    EXPECT_TRUE(playback.isRunning);
    // The end of the file stops the playback; the button follows.
    playback.isRunning = false;
    EXPECT_TRUE(testing::waitFor([&] { return !dialog->btnExecute->isChecked(); }, 2000));
}

TEST_F(TextFilesDialogTest, LoadNewLoadsOrSaysItCouldNot) {
    playback.line = 4;
    auto dialog = open();
    testing::answerFile(poem);
    QTest::mouseClick(dialog->btnLoad, Qt::LeftButton);
    EXPECT_EQ(playback.file, poem.toStdString());
    EXPECT_EQ(dialog->edFile->text(), poem);
    EXPECT_EQ(playback.line, 0);

    // The file goes away between choosing and reading.
    playback.line = 4;
    QString shown;
    testing::answerNextModal([&](QWidget* modal) {
        QFile::remove(poem);
        auto* files = qobject_cast<QFileDialog*>(modal);
        files->selectFile(poem);
        static_cast<QDialog*>(files)->done(QDialog::Accepted);
        testing::acknowledgeMessage(&shown);
    });
    QTest::mouseClick(dialog->btnLoad, Qt::LeftButton);
    EXPECT_EQ(shown, QStringLiteral("Could not open text file"));
    EXPECT_TRUE(playback.file.empty());
    EXPECT_TRUE(dialog->edFile->text().isEmpty());
    EXPECT_EQ(playback.line, 0);
}

TEST_F(TextFilesDialogTest, TheUserIsStoredAtOnceAndHelpAndExitWork) {
    auto dialog = open();
    dialog->edUser->clear();
    QTest::keyClicks(dialog->edUser, "Bob");
    EXPECT_EQ(playback.target, "Bob");
    QTest::mouseClick(dialog->btnHelp, Qt::LeftButton);
    QTest::keyClick(dialog.get(), Qt::Key_F1);
    EXPECT_EQ(topics, (std::vector<std::string>{"Text Files  ", "Text Files  "}));
    QTest::keyClick(dialog->edUser, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(playback.target, "Bob");
}

}  // namespace
}  // namespace verdo
