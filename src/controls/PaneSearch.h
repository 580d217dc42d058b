// PaneSearch: the matches of the find bar in a pane's text, letter case
// ignored, at most a fixed number of them, and which one is current. It reads
// the document line by line, so a full pane is searched within a frame.
#pragma once

#include <QString>
#include <vector>

#include "controls/RichPane.h"

class QTextDocument;

namespace verdo {

class PaneSearch {
  public:
    static constexpr int MaxMatches = 10000;

    // Finds `text` from the top of `document`; the current match becomes the
    // first one after `fromPosition` (wrapping to the first of all).
    void search(const QTextDocument& document, const QString& text, int fromPosition = 0);
    void clear();

    const std::vector<PaneRange>& matches() const { return matches_; }
    // More matches stand beyond the ones kept.
    bool capped() const { return capped_; }
    int current() const { return current_; }
    // Next and previous wrap around; nothing happens without matches.
    void next();
    void previous();
    // "3 of 17", "No matches", or empty before any search.
    QString status() const;

  private:
    std::vector<PaneRange> matches_;
    int current_ = -1;
    bool capped_ = false;
    bool searched_ = false;
};

}  // namespace verdo
