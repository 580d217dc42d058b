// The help window: the help text in a read-only rich-text view, a support
// link and "&Done".
#include "dialogs/Help.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "controls/DSHyperLink.h"
#include "dialogs/DialogHost.h"
#include "dialogs/ProgramLinks.h"
#include "engine/HelpText.h"
#include "text/DisplayText.h"

namespace verdo {
namespace {

// RTF measures indents in twips, 1440 to the inch.
qreal twipsToPixels(int twips, const QWidget* widget) {
    return twips * widget->logicalDpiX() / 1440.0;
}

}  // namespace

TfrmHelp::TfrmHelp(QWidget* parent, const std::filesystem::path& helpFile, DialogHost& host)
    : QDialog(parent) {
    setObjectName("frmHelp");
    setWindowTitle(tr("VerdoChat Help"));
    setModal(false);

    reHelp = new QTextEdit(this);
    reHelp->setObjectName("reHelp");
    reHelp->setReadOnly(true);
    reHelp->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    reHelp->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The found topic stays visibly selected when the view has no focus.
    QPalette colours = reHelp->palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    reHelp->setPalette(colours);

    lnkSupport = new TDSHyperLink(
        tr("E-mail support"), SupportMailAddress,
        [&host](const std::string& url) { host.openLink(url); }, this);
    lnkSupport->setObjectName("lnkSupport");
    btnDone = new QPushButton(tr("&Done"), this);
    btnDone->setObjectName("btnDone");
    btnDone->setDefault(true);
    connect(btnDone, &QPushButton::clicked, this, &QDialog::hide);

    auto* footer = new QHBoxLayout;
    footer->addWidget(lnkSupport);
    footer->addStretch();
    footer->addWidget(btnDone);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(reHelp);
    layout->addLayout(footer);
    const QFontMetrics metrics = fontMetrics();
    resize(metrics.averageCharWidth() * 80, metrics.height() * 36);

    const auto document = loadHelpFile(helpFile);
    if (document) {
        showDocument(*document);
    } else {
        reHelp->clear();
        host.showMessage("Could not open file " + std::filesystem::absolute(helpFile).string(),
                         MessageKind::Error);
    }
}

// Builds the view from the document; the view's character positions then
// equal the positions in the text, so a topic found in the text is selected
// where it was found.
void TfrmHelp::showDocument(const RtfDocument& document) {
    text_ = document.text;
    reHelp->clear();
    QTextCursor cursor(reHelp->document());
    for (const RtfSpan& span : document.spans) {
        QTextCharFormat format;
        format.setFontWeight(span.format.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(span.format.italic);
        format.setFontUnderline(span.format.underline);
        format.setFontPointSize(span.format.halfPoints / 2.0);
        cursor.insertText(
            displayText(std::string_view(text_).substr(span.start, span.length), false), format);
    }
    for (QTextBlock block = reHelp->document()->begin(); block.isValid(); block = block.next()) {
        const auto position = static_cast<std::size_t>(block.position());
        const auto paragraph =
            std::upper_bound(document.paragraphs.begin(), document.paragraphs.end(), position,
                             [](std::size_t at, const RtfParagraph& p) { return at < p.start; });
        if (paragraph == document.paragraphs.begin()) continue;
        const RtfParagraph& owner = *std::prev(paragraph);
        QTextBlockFormat format = block.blockFormat();
        format.setLeftMargin(twipsToPixels(owner.leftIndent, this));
        format.setTextIndent(twipsToPixels(owner.firstLineIndent, this));
        format.setBottomMargin(fontMetrics().height() / 3.0);
        QTextCursor(block).setBlockFormat(format);
    }
    reHelp->moveCursor(QTextCursor::Start);
}

void TfrmHelp::ShowHelpTopic(std::string_view topic) {
    show();
    raise();
    activateWindow();
    QApplication::processEvents();

    const auto found = findHelpTopic(text_, topic);
    reHelp->moveCursor(QTextCursor::End);
    reHelp->verticalScrollBar()->setValue(reHelp->verticalScrollBar()->maximum());
    if (!found) return;
    QTextCursor selection(reHelp->document());
    selection.setPosition(static_cast<int>(*found));
    selection.setPosition(static_cast<int>(*found + topic.size()), QTextCursor::KeepAnchor);
    reHelp->setTextCursor(selection);
    reHelp->ensureCursorVisible();
}

}  // namespace verdo
