// The main window's File menu, its dialogs and questions, the refresh after a
// chat file is loaded, and the layout in Chat.ini, offscreen on fake services.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QSplitter>
#include <QToolBar>

#include "engine/ChatFile.h"
#include "support/FakePlatform.h"
#include "support/TempFolder.h"
#include "ui/Chat.h"
#include "ui/MainWindowParts.h"
#include "ui/WidgetTestSupport.h"

namespace verdo {
namespace {

using namespace testing;  // the window's parts by name

using testing::FakePlatform;
using testing::readFile;
using testing::TempFolder;
using testing::writeFile;

class FileMenuTest : public ::testing::Test {
  protected:
    void open(const std::string& chatIni = "") {
        if (!chatIni.empty()) writeFile(dir / "Chat.ini", chatIni);
        window = std::make_unique<TfrmChat>(std::make_unique<FakePlatform>());
        window->form().document().setSettingsFile(dir / "Chat.ini");
        ASSERT_TRUE(testing::showActive(*window));
    }

    TempFolder dir;
    std::unique_ptr<TfrmChat> window;
};

TEST_F(FileMenuTest, FileMenuStartsWithTheChatFileCommands) {
    open();
    QMenu* file = window->menuBar()->findChild<QMenu*>("mnFile");
    ASSERT_NE(file, nullptr);
    QStringList captions;
    for (QAction* action : file->actions())
        captions << action->text();
    ASSERT_GE(captions.size(), 7);
    EXPECT_EQ(captions.mid(0, 4),
              (QStringList{"&New", "&Open Chat File...", "&Save Chat Settings", "Save &As..."}));
    EXPECT_EQ(captions[5], "&Import Files from Version 4");
    EXPECT_EQ(window->action(ChatAction::New)->toolTip(), "Clear chat settings");
}

TEST_F(FileMenuTest, SaveAsShowsTheSaveDialog) {
    open();
    QString filter, suffix;
    bool saving = false;
    testing::answerNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        filter = dialog->nameFilters().join(";;");
        suffix = dialog->defaultSuffix();
        saving = dialog->acceptMode() == QFileDialog::AcceptSave;
        dialog->reject();
    });
    window->action(ChatAction::SaveAs)->trigger();
    EXPECT_EQ(filter, "Chat Files (*.ch5)");
    EXPECT_EQ(suffix, "ch5");
    EXPECT_TRUE(saving);
}

TEST_F(FileMenuTest, SaveAsWritesTheChosenFileWithItsExtension) {
    open();
    testing::answerNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(QString::fromStdString((dir / "mine").string()));
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog hides it
    });
    window->action(ChatAction::SaveAs)->trigger();
    EXPECT_TRUE(std::filesystem::exists(dir / "mine.ch5"));
    EXPECT_EQ(window->form().document().currentFile().value_or("None"),
              (dir / "mine.ch5").string());
}

// The question itself is the logic's; here its Cancel button stops both.
TEST_F(FileMenuTest, CancelInTheSaveQuestionStopsNewAndExit) {
    open();
    window->form().document().lists().PhraseList = {"kept"};
    window->form().document().setModified(true);
    const auto cancel = [](QWidget* modal) {
        qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Cancel)->click();
    };
    testing::answerNextModal(cancel);
    window->action(ChatAction::New)->trigger();
    EXPECT_EQ(window->form().document().lists().PhraseList, tStringList{"kept"});
    testing::answerNextModal(cancel);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    window->form().document().setModified(false);
}

// "Loading..." shows over the window only while a large chat file loads.
TEST_F(FileMenuTest, TheLoadingPanelShowsOnlyForALargeChatFile) {
    // The panel is made only for a slow start: its shows are counted by name.
    struct ShowCount : QObject {
        int shows = 0;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Show && watched->objectName() == "pnlSplash") ++shows;
            return false;
        }
    };
    tOptions options;
    ChatLists lists;
    tUserList users;
    ResetOptions(options, lists.ProductActions);
    ASSERT_TRUE(SaveChatFile(dir / "bot.ch5", {options, lists, users}).ok);
    writeFile(dir / "Chat.ini", "[Last File]\nLast File=" + (dir / "bot.ch5").string() + "\n");
    for (const bool large : {false, true}) {
        SCOPED_TRACE(large ? "large" : "small");
        if (large) std::filesystem::resize_file(dir / "bot.ch5", ChatForm::SlowStartBytes + 1);
        window = std::make_unique<TfrmChat>(std::make_unique<FakePlatform>());
        window->form().document().setSettingsFile(dir / "Chat.ini");
        ShowCount count;
        qApp->installEventFilter(&count);
        window->show();
        const auto loaded = [&] { return window->form().document().currentFile().has_value(); };
        const auto* splash = window->findChild<QWidget*>("pnlSplash");
        EXPECT_EQ(splash != nullptr && splash->isVisible(), large);
        EXPECT_NE(loaded(), large);  // the large file loads once the panel is up
        ASSERT_TRUE(QTest::qWaitFor(loaded));
        qApp->removeEventFilter(&count);
        EXPECT_EQ(count.shows, large ? 1 : 0);
        EXPECT_FALSE(splash != nullptr && splash->isVisible());
        if (large) {
            ASSERT_NE(splash, nullptr);
            EXPECT_EQ(splash->size(), QSize(209, 141));
            EXPECT_EQ(splash->findChild<QLabel*>()->text(), "Loading...");
        }
        window.reset();
    }
}

TEST_F(FileMenuTest, ALoadedFileRefreshesToolBarAndCustomList) {
    tOptions options;
    ChatLists lists;
    tUserList users;
    ResetOptions(options, lists.ProductActions);
    options.setToolBarVisible(false);
    lists.UserDef = {"Friend", "Pal"};
    ASSERT_TRUE(SaveChatFile(dir / "bot.ch5", {options, lists, users}).ok);
    open("[Last File]\nLast File=" + (dir / "bot.ch5").string() + "\n");
    QAction* toolBar = window->action(ChatAction::Toolbar);
    EXPECT_FALSE(ToolBar(*window)->isVisible());
    EXPECT_FALSE(toolBar->isChecked());
    ASSERT_EQ(lstDef(*window)->count(), 2);
    EXPECT_EQ(lstDef(*window)->item(1)->text(), "Pal");

    // The first click shows the bar again, the second hides it.
    toolBar->trigger();
    EXPECT_TRUE(ToolBar(*window)->isVisible());
    EXPECT_TRUE(toolBar->isChecked());
    EXPECT_TRUE(window->form().document().options().toolBarVisible());
    EXPECT_TRUE(window->form().document().modified());
    toolBar->trigger();
    EXPECT_FALSE(ToolBar(*window)->isVisible());
    EXPECT_FALSE(window->form().document().options().toolBarVisible());

    // New brings the default, a shown bar, and its check with it.
    testing::answerNextModal([](QWidget* modal) {
        qobject_cast<QMessageBox*>(modal)->button(QMessageBox::No)->click();
    });
    window->action(ChatAction::New)->trigger();
    EXPECT_TRUE(ToolBar(*window)->isVisible());
    EXPECT_TRUE(toolBar->isChecked());
}

TEST_F(FileMenuTest, LayoutIsReadAtStartAndWrittenAtClose) {
    open("[Screen]\nTop=40\nLeft=30\nWidth=700\nHeight=500\nNew User Width=150\n");
    EXPECT_EQ(window->geometry().width(), 700);
    EXPECT_EQ(window->geometry().height(), 500);
    EXPECT_EQ(splitter(*window, "mainSplitter")->sizes().at(1), 150);
    window->resize(720, 520);
    ASSERT_TRUE(window->close());
    const IniFile ini(dir / "Chat.ini");
    EXPECT_EQ(ini.readInteger("Screen", "Width", 0), 720);
    EXPECT_EQ(ini.readInteger("Screen", "Height", 0), 520);
}

TEST_F(FileMenuTest, AMissingPlaybackFileIsReportedOverTheWindowInItsSavedSize) {
    QString shown;
    int widthThen = 0;
    testing::answerNextModal([&](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) shown = box->text();
        widthThen = window->width();
        modal->close();
    });
    open("[Screen]\nWidth=700\nHeight=500\n[Batch File]\nBatch File=" +
         (dir / "missing.txt").string() + "\n");
    EXPECT_EQ(shown, "Could not open text file");
    EXPECT_EQ(widthThen, 700);
}

}  // namespace
}  // namespace verdo
