// Appending and trimming of the chat panes.
#include "controls/RichPane.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <limits>

#include "platform/SafeFile.h"
#include "platform/TextLineEnd.h"

namespace verdo {

namespace {

// How many lines the pane holds at most while the person reads.
int readingCeiling(int maxLines) {
    return maxLines > std::numeric_limits<int>::max() / 2 ? maxLines : maxLines * 2;
}

}  // namespace

RichPane::RichPane(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setAcceptRichText(false);
    setUndoRedoEnabled(false);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // "&Clear" empties the document: the marker goes with the lines.
    connect(document(), &QTextDocument::contentsChanged, this, [this] {
        if (document()->isEmpty()) markerLine_ = -1;
    });
}

int RichPane::lineCount() const {
    return hasLines_ ? document()->blockCount() : 0;
}

bool RichPane::scrolledUp() const {
    const QScrollBar* bar = verticalScrollBar();
    return bar->value() < bar->maximum();
}

void RichPane::setMaxLines(int lines) {
    maxLines_ = std::max(1, lines);
    if (!scrolledUp()) trimOldLines();
}

void RichPane::appendLine(std::span<const PaneSegment> segments, const QFont& font) {
    const bool focused = hasFocus();
    const bool reading = focused && scrolledUp();

    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.beginEditBlock();
    if (hasLines_) end.insertBlock();
    for (const PaneSegment& segment : segments) {
        QTextCharFormat format;
        format.setFont(font);
        format.setForeground(segment.color);
        if (segment.background.isValid()) format.setBackground(segment.background);
        end.insertText(segment.text, format);
    }
    end.endEditBlock();
    hasLines_ = true;

    if (reading) {
        // Trimming waits until the person is back at the newest line, or the
        // pane reaches its ceiling.
        if (document()->blockCount() > readingCeiling(maxLines_)) trimBeneathReader();
        return;
    }
    trimOldLines();
    if (!focused) moveCursor(QTextCursor::End);
    scrollToNewest();
}

void RichPane::scrollToNewest() {
    // The layout may still be catching up: finish it so the range is current.
    document()->documentLayout()->documentSize();
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->maximum());
}

void RichPane::trimBeneathReader() {
    QScrollBar* bar = verticalScrollBar();
    const QTextBlock top = cursorForPosition(QPoint(0, 0)).block();
    const int offset =
        bar->value() - static_cast<int>(document()->documentLayout()->blockBoundingRect(top).top());
    const int topLine = top.blockNumber();
    const int before = document()->blockCount();
    trimOldLines();
    const int dropped = before - document()->blockCount();
    document()->documentLayout()->documentSize();  // the range after the trim
    if (topLine < dropped) {
        bar->setValue(0);  // the line read went with the oldest
        return;
    }
    const QTextBlock kept = document()->findBlockByNumber(topLine - dropped);
    bar->setValue(static_cast<int>(document()->documentLayout()->blockBoundingRect(kept).top()) +
                  offset);
}

void RichPane::trimOldLines() {
    const int count = document()->blockCount();
    if (count <= maxLines_) return;
    const int slack = maxLines_ / 20;
    const int drop = std::min(count - maxLines_ + slack, count - 1);
    QTextCursor start(document());
    start.movePosition(QTextCursor::Start);
    start.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, drop);
    start.removeSelectedText();
    if (markerLine_ >= 0) markerLine_ = markerLine_ >= drop ? markerLine_ - drop : -1;
}

bool RichPane::saveText(const std::filesystem::path& path) const {
    std::string contents;
    if (!document()->isEmpty()) {
        for (const QString& line : toPlainText().split(QChar('\n'))) {
            contents += line.toStdString();
            contents += TextLineEnd;
        }
    }
    // A pane holds whispers: the saved copy is for its owner's eyes only.
    return writeFileSafely(path, contents, FileAccess::OwnerOnly);
}

}  // namespace verdo

namespace verdo {

void RichPane::showMatches(std::span<const PaneRange> matches, int current) {
    QList<QTextEdit::ExtraSelection> marks;
    marks.reserve(static_cast<qsizetype>(matches.size()));
    QTextCharFormat found;
    found.setBackground(QColor(255, 230, 120));
    found.setForeground(Qt::black);
    QTextCharFormat strong = found;
    strong.setBackground(QColor(255, 150, 50));
    for (std::size_t i = 0; i < matches.size(); ++i) {
        QTextCursor cursor(document());
        cursor.setPosition(matches[i].position);
        cursor.setPosition(matches[i].position + matches[i].length, QTextCursor::KeepAnchor);
        marks.append({cursor, static_cast<int>(i) == current ? strong : found});
    }
    setExtraSelections(marks);
    if (current < 0 || current >= std::ssize(matches)) return;
    const QTextBlock block = document()->findBlock(matches[current].position);
    showLine(block.blockNumber());
}

void RichPane::setMarker() {
    markerLine_ = lineCount() > 0 ? document()->blockCount() - 1 : -1;
    viewport()->update();
}

bool RichPane::jumpToMarker() {
    if (markerLine_ < 0) return false;
    showLine(markerLine_);
    return true;
}

void RichPane::showLine(int line) {
    const QTextBlock block = document()->findBlockByNumber(line);
    if (!block.isValid()) return;
    const QRectF box = document()->documentLayout()->blockBoundingRect(block);
    QScrollBar* bar = verticalScrollBar();
    const int height = viewport()->height();
    if (box.top() >= bar->value() && box.bottom() <= bar->value() + height) return;
    bar->setValue(static_cast<int>(box.center().y()) - height / 2);
}

void RichPane::paintEvent(QPaintEvent* event) {
    QTextEdit::paintEvent(event);
    if (markerLine_ < 0) return;
    const QTextBlock block = document()->findBlockByNumber(markerLine_);
    if (!block.isValid()) return;
    const QRectF box = document()->documentLayout()->blockBoundingRect(block);
    const int y = static_cast<int>(box.bottom()) - verticalScrollBar()->value();
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawLine(0, y, viewport()->width(), y);
}

}  // namespace verdo
