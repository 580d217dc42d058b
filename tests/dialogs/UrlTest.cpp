// The URL sending dialog: what Ok sends and shows, what Cancel and Escape do
// not, and the clipboard's address offered in a selected field.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string>
#include <vector>

#include "dialogs/Url.h"
#include "support/Named.h"
#include "ui/WidgetTestSupport.h"

namespace verdo {
namespace {

using testing::named;

struct Sent {
    std::vector<std::string> lines, infos;
};

void wire(TfrmUrl& dialog, Sent& sent) {
    QObject::connect(&dialog, &TfrmUrl::lineToSend,
                     [&sent](const std::string& line) { sent.lines.push_back(line); });
    QObject::connect(&dialog, &TfrmUrl::infoLine,
                     [&sent](const std::string& text) { sent.infos.push_back(text); });
}

TEST(UrlDialogTest, OkSendsTheTypedAddressAndConfirms) {
    TfrmUrl dialog("Bob", "", nullptr);
    Sent sent;
    wire(dialog, sent);
    EXPECT_EQ(dialog.windowTitle(), "Send URL to Bob");
    EXPECT_EQ(named<QLabel>(dialog, "lblUrl")->text(), "Send URL to Bob:");
    ASSERT_TRUE(testing::showActive(dialog));
    QTest::keyClicks(named<QLineEdit>(dialog, "edUrl"), "www.example.com");
    QTest::keyClick(named<QLineEdit>(dialog, "edUrl"), Qt::Key_Return);
    EXPECT_EQ(sent.lines, std::vector<std::string>{"/msg Bob /url http://www.example.com\r"});
    EXPECT_EQ(sent.infos, std::vector<std::string>{"URL has been sent to Bob."});
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(UrlDialogTest, CancelAndEscapeSendNothing) {
    for (const bool byEscape : {false, true}) {
        TfrmUrl dialog("Bob", "http://a.b", nullptr);
        Sent sent;
        wire(dialog, sent);
        ASSERT_TRUE(testing::showActive(dialog));
        if (byEscape) {
            QTest::keyClick(named<QLineEdit>(dialog, "edUrl"), Qt::Key_Escape);
        } else {
            QTest::mouseClick(named<QPushButton>(dialog, "btnCancel"), Qt::LeftButton);
        }
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_TRUE(sent.lines.empty() && sent.infos.empty()) << byEscape;
    }
}

TEST(UrlDialogTest, OffersTheClipboardsWebAddressSelected) {
    const struct {
        QString clipboard;
        QString offered;
    } cases[] = {{"https://example.com/page", "https://example.com/page"}, {"just some words", ""}};
    for (const auto& c : cases) {
        QGuiApplication::clipboard()->setText(c.clipboard);
        TfrmUrl dialog("Bob", TfrmUrl::clipboardAddress(), nullptr);
        ASSERT_TRUE(testing::showActive(dialog));
        EXPECT_EQ(named<QLineEdit>(dialog, "edUrl")->text(), c.offered);
        EXPECT_TRUE(named<QLineEdit>(dialog, "edUrl")->hasFocus());
        EXPECT_EQ(named<QLineEdit>(dialog, "edUrl")->selectedText(), c.offered);
    }
}

}  // namespace
}  // namespace verdo
