// RichPane: a read-only rich-text pane that lines of coloured segments are
// appended to (the main chat view, the whisper pane). It keeps only the newest
// lines, so a bot that runs for weeks does not grow without bound. While the
// person reads older lines (focused and scrolled up) the trim waits, up to
// twice the cap; past that the oldest lines go all the same, and the lines the
// person reads stay where they are on screen.
//
// Two marks are drawn over the text without being part of it: the matches of
// the find bar, and the marker line after the last line the person saw.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QTextEdit>
#include <filesystem>
#include <span>
#include <utility>

namespace verdo {

struct PaneSegment {
    PaneSegment() = default;
    PaneSegment(QString text_, QColor color_, QColor background_ = QColor())
        : text(std::move(text_)), color(color_), background(background_) {}

    QString text;
    QColor color;
    QColor background;  // invalid: the pane's own
};

// A stretch of the pane's text, as document positions.
struct PaneRange {
    int position = 0;
    int length = 0;
};

class RichPane : public QTextEdit {
    Q_OBJECT

  public:
    static constexpr int DefaultMaxLines = 20000;

    explicit RichPane(QWidget* parent = nullptr);

    // Appends one line in `font`, each segment in its colour. While the pane
    // has the focus the caret and selection stay; otherwise the caret moves to
    // the end so the pane follows the newest line.
    void appendLine(std::span<const PaneSegment> segments, const QFont& font);

    // At most `lines` lines are kept; older ones are dropped in blocks of a
    // twentieth, so that appending to a full pane stays cheap.
    void setMaxLines(int lines);
    int maxLines() const { return maxLines_; }
    int lineCount() const;
    // The person has scrolled away from the newest line to read older ones.
    bool scrolledUp() const;
    // Writes the pane's text as UTF-8, each line ended the platform's way,
    // replacing `path` only when the whole text is written.
    bool saveText(const std::filesystem::path& path) const;

    // The find bar's matches, drawn marked; `current` (an index into
    // `matches`, or -1) stronger, and scrolled into view.
    void showMatches(std::span<const PaneRange> matches, int current);
    // A thin line after the current last line; none while the pane is empty.
    void setMarker();
    void clearMarker() { markerLine_ = -1; }
    // The line the marker follows, or -1 (trimmed, cleared or never set).
    int markerLine() const { return markerLine_; }
    // Scrolls the marker into view; false when there is none.
    bool jumpToMarker();
    // Brings a line into view, in the middle of the pane when it was out of sight.
    void showLine(int line);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void trimOldLines();
    // Trims while the person reads: the line at the top of the view stays there.
    void trimBeneathReader();
    void scrollToNewest();

    int maxLines_ = DefaultMaxLines;
    int markerLine_ = -1;
    bool hasLines_ = false;
};

}  // namespace verdo
