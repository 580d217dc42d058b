// FindBar: the bar under a chat pane that finds text in it: a search field,
// "3 of 17", previous, next and close. It searches the pane it is given,
// ignoring letter case, marks the matches and scrolls to the current one.
// Escape closes it while it has the focus; elsewhere Escape keeps its meaning.
#pragma once

#include <QPointer>
#include <QWidget>

#include "controls/PaneSearch.h"
#include "controls/RichPane.h"

class QLabel;
class QLineEdit;
class QToolButton;

namespace verdo {

class FindBar : public QWidget {
    Q_OBJECT

  public:
    explicit FindBar(QWidget* parent = nullptr);

    // The pane searched from now on; its marks move with it.
    void setPane(RichPane* pane);
    RichPane* pane() const { return pane_; }
    // Shows the bar with the field focused and its text selected.
    void open();
    // The next or previous match; with no text yet, opens the bar.
    void findNext();
    void findPrevious();
    // Hides the bar, removes the marks and gives the focus back to the pane.
    void closeBar();

    const PaneSearch& search() const { return search_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void runSearch();
    void step(bool forward);
    void showCurrent();
    void clearMarks();

    QLineEdit* edFind_ = nullptr;
    QLabel* lblMatches_ = nullptr;
    QPointer<RichPane> pane_;
    PaneSearch search_;
    QMetaObject::Connection paneChanged_;
    bool researchPending_ = false;
};

}  // namespace verdo
