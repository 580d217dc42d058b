// RichPane: a read-only rich-text pane that lines of coloured segments are
// appended to (the main chat view, the whisper pane). It keeps only the newest
// lines, so a bot that runs for weeks does not grow without bound. While the
// person reads older lines (focused and scrolled up) the trim waits, up to
// twice the cap; past that the oldest lines go all the same, and the lines the
// person reads stay where they are on screen.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QTextEdit>
#include <filesystem>
#include <span>

namespace verdo {

struct PaneSegment {
    QString text;
    QColor color;
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

  private:
    void trimOldLines();
    // Trims while the person reads: the line at the top of the view stays there.
    void trimBeneathReader();
    void scrollToNewest();

    int maxLines_ = DefaultMaxLines;
    bool hasLines_ = false;
};

}  // namespace verdo
