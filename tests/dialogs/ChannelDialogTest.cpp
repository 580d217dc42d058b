// The channel window: the starting name, the list buttons with their
// questions and modified flag, and the ways to accept or cancel.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "dialogs/Channel.h"
#include "dialogs/DialogAnswers.h"
#include "support/FakeDialogHost.h"
#include "support/Named.h"
#include "ui/WidgetTestSupport.h"

namespace verdo {
namespace {

using testing::named;

using Strings = std::vector<std::string>;

using testing::texts;

class ChannelDialogTest : public ::testing::Test {
  protected:
    std::unique_ptr<TfrmChannel> open(const std::string& start) {
        auto dialog = std::make_unique<TfrmChannel>(list, start, host, nullptr);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        return dialog;
    }
    // Runs SelectChannel, doing `steps` inside the window.
    std::optional<std::string> select(const std::string& start,
                                      std::function<void(TfrmChannel&)> steps) {
        testing::answerNextModal([steps = std::move(steps)](QWidget* modal) {
            steps(*qobject_cast<TfrmChannel*>(modal));
        });
        return TfrmChannel::SelectChannel(start, list, host, nullptr);
    }

    Strings list{"War3", "Chat", "brood war"};
    testing::FakeDialogHost host;
};

TEST_F(ChannelDialogTest, StartsAtTheCurrentChannelElseTheFirstListed) {
    const std::pair<std::string, QString> cases[] = {
        {"CHAT", "Chat"}, {"Elsewhere", "brood war"}, {"", "brood war"}};
    for (const auto& [start, offered] : cases) {
        auto dialog = open(start);
        EXPECT_EQ(texts(named<QListWidget>(*dialog, "lstChannel")),
                  QStringList({"brood war", "Chat", "War3"}));
        EXPECT_EQ(named<QListWidget>(*dialog, "lstChannel")->currentItem()->text(), offered)
            << start;
        EXPECT_EQ(named<QLineEdit>(*dialog, "edChannel")->text(), offered) << start;
        EXPECT_EQ(named<QLineEdit>(*dialog, "edChannel")->selectedText(), offered) << start;
        EXPECT_TRUE(named<QLineEdit>(*dialog, "edChannel")->hasFocus()) << start;
    }
    const TfrmChannel empty({}, "Chat", host, nullptr);
    EXPECT_EQ(empty.Channel(), "");
    EXPECT_FALSE(named<QPushButton>(empty, "btnDelete")->isEnabled());
}

TEST_F(ChannelDialogTest, AddInsertsInOrderOnceAndAlwaysMarksModified) {
    auto dialog = open("Chat");
    named<QLineEdit>(*dialog, "edChannel")->setText("CHAT");
    QTest::mouseClick(named<QPushButton>(*dialog, "btnAdd"), Qt::LeftButton);
    EXPECT_EQ(named<QListWidget>(*dialog, "lstChannel")->count(), 3);
    EXPECT_EQ(host.modified, 1);
    named<QLineEdit>(*dialog, "edChannel")->setText("Clan Zed");
    QTest::mouseClick(named<QPushButton>(*dialog, "btnAdd"), Qt::LeftButton);
    EXPECT_EQ(texts(named<QListWidget>(*dialog, "lstChannel")),
              QStringList({"brood war", "Chat", "Clan Zed", "War3"}));
    EXPECT_EQ(dialog->Channels(), (Strings{"brood war", "Chat", "Clan Zed", "War3"}));
    EXPECT_EQ(host.modified, 2);
    EXPECT_EQ(named<QPushButton>(*dialog, "btnAdd")->toolTip(),
              QStringLiteral("Click to add channel to list"));
}

TEST_F(ChannelDialogTest, DeleteAsksAndCancellingKeepsTheDeletion) {
    QString asked;
    const auto result = select("War3", [&](TfrmChannel& dialog) {
        testing::answerQuestion(true, &asked);
        QTest::mouseClick(named<QPushButton>(dialog, "btnDelete"), Qt::LeftButton);
        QTest::mouseClick(named<QPushButton>(dialog, "btnCancel"), Qt::LeftButton);
    });
    EXPECT_EQ(asked, QStringLiteral("Delete channel War3?"));
    EXPECT_FALSE(result.has_value());
    EXPECT_EQ(list, (Strings{"brood war", "Chat"}));
    EXPECT_EQ(host.modified, 1);
}

TEST_F(ChannelDialogTest, ClearNeedsASelectionAndAsks) {
    auto dialog = open("Chat");
    named<QListWidget>(*dialog, "lstChannel")->setCurrentRow(-1);
    EXPECT_FALSE(named<QPushButton>(*dialog, "btnClear")->isEnabled());
    EXPECT_FALSE(named<QPushButton>(*dialog, "btnDelete")->isEnabled());
    QTest::mouseClick(named<QPushButton>(*dialog, "btnClear"), Qt::LeftButton);
    EXPECT_EQ(named<QListWidget>(*dialog, "lstChannel")->count(), 3);
    named<QListWidget>(*dialog, "lstChannel")->setCurrentRow(0);
    QString asked;
    testing::answerQuestion(false, &asked);
    QTest::mouseClick(named<QPushButton>(*dialog, "btnClear"), Qt::LeftButton);
    EXPECT_EQ(asked, QStringLiteral("Clear channel list?"));
    EXPECT_EQ(named<QListWidget>(*dialog, "lstChannel")->count(), 3);
    testing::answerQuestion(true);
    QTest::mouseClick(named<QPushButton>(*dialog, "btnClear"), Qt::LeftButton);
    EXPECT_EQ(named<QListWidget>(*dialog, "lstChannel")->count(), 0);
    EXPECT_TRUE(dialog->Channels().empty());
    EXPECT_EQ(host.modified, 1);
}

TEST_F(ChannelDialogTest, AcceptedByOkEnterOrDoubleClickAndCancelledByEscape) {
    const std::pair<const char*, std::function<void(TfrmChannel&)>> ways[] = {
        {"Ok",
         [](TfrmChannel& d) { QTest::mouseClick(named<QPushButton>(d, "btnOk"), Qt::LeftButton); }},
        {"Enter",
         [](TfrmChannel& d) { QTest::keyClick(named<QLineEdit>(d, "edChannel"), Qt::Key_Return); }},
        {"Enter in the list",
         [](TfrmChannel& d) {
             QTest::keyClick(named<QListWidget>(d, "lstChannel"), Qt::Key_Return);
         }},
        {"double-click",
         [](TfrmChannel& d) {
             const QRect row = named<QListWidget>(d, "lstChannel")
                                   ->visualItemRect(named<QListWidget>(d, "lstChannel")->item(2));
             QTest::mousePress(named<QListWidget>(d, "lstChannel")->viewport(), Qt::LeftButton, {},
                               row.center());
             QTest::mouseDClick(named<QListWidget>(d, "lstChannel")->viewport(), Qt::LeftButton, {},
                                row.center());
         }},
    };
    for (const auto& [way, accept] : ways) {
        const auto result = select("chat", [&](TfrmChannel& dialog) {
            named<QListWidget>(dialog, "lstChannel")->setCurrentRow(2);
            accept(dialog);
            if (dialog.isVisible()) {
                ADD_FAILURE() << way << " left the window open";
                dialog.reject();
            }
        });
        EXPECT_EQ(result, std::optional<std::string>("War3")) << way;
    }
    const auto typed = select("chat", [](TfrmChannel& dialog) {
        QTest::keyClicks(named<QLineEdit>(dialog, "edChannel"), "Op Zed");
        QTest::keyClick(named<QLineEdit>(dialog, "edChannel"), Qt::Key_Return);
    });
    EXPECT_EQ(typed, std::optional<std::string>("Op Zed"));
    EXPECT_FALSE(select("chat", [](TfrmChannel& dialog) {
                     QTest::keyClick(named<QLineEdit>(dialog, "edChannel"), Qt::Key_Escape);
                 }).has_value());
    EXPECT_EQ(host.modified, 0);
}

TEST_F(ChannelDialogTest, AClickOnTheSelectedRowReplacesTheTypedName) {
    const auto rowCentre = [](TfrmChannel& dialog) {
        return named<QListWidget>(dialog, "lstChannel")
            ->visualItemRect(named<QListWidget>(dialog, "lstChannel")->currentItem())
            .center();
    };
    auto dialog = open("chat");
    QTest::keyClicks(named<QLineEdit>(*dialog, "edChannel"), "Op Zed");
    QTest::mouseClick(named<QListWidget>(*dialog, "lstChannel")->viewport(), Qt::LeftButton, {},
                      rowCentre(*dialog));
    EXPECT_EQ(named<QLineEdit>(*dialog, "edChannel")->text(), "Chat");

    const auto joined = select("chat", [&](TfrmChannel& d) {
        QTest::keyClicks(named<QLineEdit>(d, "edChannel"), "Op Zed");
        QTest::mousePress(named<QListWidget>(d, "lstChannel")->viewport(), Qt::LeftButton, {},
                          rowCentre(d));
        QTest::mouseDClick(named<QListWidget>(d, "lstChannel")->viewport(), Qt::LeftButton, {},
                           rowCentre(d));
        if (d.isVisible()) d.reject();
    });
    EXPECT_EQ(joined, std::optional<std::string>("Chat"));
}

TEST_F(ChannelDialogTest, AChannelStoredAsUtf8KeepsItsBytes) {
    const std::string cafe = "Caf\xc3\xa9";  // UTF-8, not the code page's one byte
    list.push_back(cafe);
    auto dialog = open(cafe);
    EXPECT_EQ(dialog->Channel(), cafe);
    QTest::mouseClick(named<QPushButton>(*dialog, "btnAdd"), Qt::LeftButton);
    EXPECT_EQ(dialog->Channels().size(), list.size());
    named<QLineEdit>(*dialog, "edChannel")
        ->setText(QStringLiteral(u"Caf\u00e9"));  // typed as shown
    EXPECT_EQ(dialog->Channel(), cafe);
    named<QLineEdit>(*dialog, "edChannel")->setText(QStringLiteral(u"Caf\u00e9 Town"));
    EXPECT_EQ(dialog->Channel(), "Caf\xe9 Town");  // typed, in the code page
}

TEST_F(ChannelDialogTest, HelpOpensTheJoinTopic) {
    auto dialog = open("Chat");
    QTest::keyClick(dialog.get(), Qt::Key_F1);
    QTest::mouseClick(named<QPushButton>(*dialog, "btnHelp"), Qt::LeftButton);
    EXPECT_EQ(host.helpTopics, (Strings{"join channel screen", "join channel screen"}));
}

}  // namespace
}  // namespace verdo
