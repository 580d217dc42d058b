// Searching a pane's text (see PaneSearch.h).
#include "controls/PaneSearch.h"

#include <QObject>
#include <QTextBlock>
#include <QTextDocument>

namespace verdo {

void PaneSearch::clear() {
    matches_.clear();
    current_ = -1;
    capped_ = false;
    searched_ = false;
}

void PaneSearch::search(const QTextDocument& document, const QString& text, int fromPosition) {
    clear();
    if (text.isEmpty()) return;
    searched_ = true;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString line = block.text();
        for (qsizetype at = line.indexOf(text, 0, Qt::CaseInsensitive); at >= 0;
             at = line.indexOf(text, at + text.size(), Qt::CaseInsensitive)) {
            if (std::ssize(matches_) == MaxMatches) {
                capped_ = true;
                break;
            }
            matches_.push_back(
                {block.position() + static_cast<int>(at), static_cast<int>(text.size())});
        }
        if (capped_) break;
    }
    if (matches_.empty()) return;
    current_ = 0;
    for (std::size_t i = 0; i < matches_.size(); ++i) {
        if (matches_[i].position >= fromPosition) {
            current_ = static_cast<int>(i);
            break;
        }
    }
}

void PaneSearch::next() {
    if (matches_.empty()) return;
    current_ = (current_ + 1) % static_cast<int>(matches_.size());
}

void PaneSearch::previous() {
    if (matches_.empty()) return;
    const int count = static_cast<int>(matches_.size());
    current_ = (current_ + count - 1) % count;
}

QString PaneSearch::status() const {
    if (!searched_) return {};
    if (matches_.empty()) return QObject::tr("No matches");
    return QObject::tr("%1 of %2%3")
        .arg(current_ + 1)
        .arg(matches_.size())
        .arg(capped_ ? QStringLiteral("+") : QString());
}

}  // namespace verdo
