// Text from another user, the server or a chat file, sent as markup through each
// label, box, title, tool tip and list row of the dialogs: it shows as the
// characters it is, never laid out.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QTextDocumentFragment>
#include <QWindow>

#include "controls/DSHyperLink.h"
#include "dialogs/Channel.h"
#include "dialogs/Connect.h"
#include "dialogs/DialogBoxes.h"
#include "dialogs/Url.h"
#include "dialogs/Whisper.h"
#include "records/Options.h"
#include "support/FakeDialogHost.h"
#include "ui/WidgetTestSupport.h"

namespace verdo {
namespace {

// The picture is a missing file: laid out as markup, a box would try to read it
// (a device such as /dev/zero would exhaust memory), so a fault fails the test
// instead of exhausting the machine.
const std::string Markup = "<b>Ann</b><img src=\"no-such-picture.png\">";
const QString Shown = QString::fromStdString(Markup);

// What a tool tip shows: markup is laid out, anything else is shown as it is.
QString shownTip(const QString& tip) {
    return Qt::mightBeRichText(tip) ? QTextDocumentFragment::fromHtml(tip).toPlainText() : tip;
}

void expectPlain(const QLabel& label, const QString& text) {
    EXPECT_EQ(label.textFormat(), Qt::PlainText) << label.objectName().toStdString();
    EXPECT_EQ(label.text(), text);
}

TEST(RemoteTextTest, LabelsShowMarkupAsText) {
    TDSHyperLink link(Shown, Markup, nullptr, nullptr);
    expectPlain(link, Shown);
    EXPECT_EQ(shownTip(link.toolTip()), Shown);
    link.setLink("<i>x</i>\n  y");
    EXPECT_EQ(shownTip(link.toolTip()), QStringLiteral("<i>x</i>\n  y"));

    TfrmConnect connecting(nullptr);
    connecting.setServerText(Shown);
    connecting.setTimeoutText(Shown);
    expectPlain(*connecting.findChild<QLabel*>("lblServer"), Shown);
    expectPlain(*connecting.findChild<QLabel*>("lblTimeout"), Shown);

    // The name in the address field's label shows its "&" rather than making a mnemonic.
    TfrmUrl url("<b>Ann&Bob</b>", "", nullptr);
    auto* urlLabel = url.findChild<QLabel*>("lblUrl");
    EXPECT_EQ(urlLabel->textFormat(), Qt::PlainText);
    EXPECT_EQ(urlLabel->text(), QStringLiteral("Send URL to <b>Ann&&Bob</b>:"));
    EXPECT_EQ(url.windowTitle(), QStringLiteral("Send URL to <b>Ann&Bob</b>"));
}

TEST(RemoteTextTest, WindowTitlesAndListRowsShowMarkupAsText) {
    tOptions options;
    testing::FakeDialogHost host;
    TfrmWhisper whisper(Markup, options, host);
    EXPECT_EQ(whisper.windowTitle(), Shown);
    // What the window system is given: the mark of unsaved changes is not
    // taken from a name.
    TfrmWhisper marked("Ann[*]Bob", options, host);
    marked.winId();
    ASSERT_NE(marked.windowHandle(), nullptr);
    EXPECT_EQ(marked.windowHandle()->title(), QStringLiteral("Ann[*]Bob"));

    TfrmChannel channels({Markup, "Chat"}, "Chat", host, nullptr);
    auto* list = channels.findChild<QListWidget*>("lstChannel");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->item(0)->text(), Shown);
}

TEST(RemoteTextTest, StandardBoxesShowMarkupAsText) {
    QWidget parent;
    parent.setWindowTitle("VerdoChat");
    const auto recordBox = [](Qt::TextFormat* format, QString* text,
                              QMessageBox::StandardButton press) {
        testing::answerNextModal([=](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            *format = box->textFormat();
            *text = box->text();
            box->button(press)->click();
        });
    };
    Qt::TextFormat format = Qt::AutoText;
    QString text;
    recordBox(&format, &text, QMessageBox::Ok);
    showMessage(&parent, Markup + " left", MessageKind::Information);
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(text, Shown + " left");

    recordBox(&format, &text, QMessageBox::Yes);
    format = Qt::AutoText;
    EXPECT_TRUE(askYesNo(&parent, "Ban " + Markup + "?"));
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(text, "Ban " + Shown + "?");

    recordBox(&format, &text, QMessageBox::No);
    format = Qt::AutoText;
    EXPECT_EQ(askYesNoCancel(&parent, "Save " + Markup + "?"), Answer::No);
    EXPECT_EQ(format, Qt::PlainText);

    testing::answerNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QInputDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            if (label->text() == Shown) format = label->textFormat();
        dialog->reject();
    });
    format = Qt::AutoText;
    EXPECT_EQ(inputLine(&parent, "Rename", Markup, ""), std::nullopt);
    EXPECT_EQ(format, Qt::PlainText);
}

}  // namespace
}  // namespace verdo
