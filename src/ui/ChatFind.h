// ChatFind: finding text in the main window's panes and the marker line. The
// find bar sits under the chat panes and searches the pane that last had the
// focus (the main pane when none had). When the window stops being active, a
// marker line is drawn after the last line of both panes, so the lines below
// it are the ones that came while the person was away.
#pragma once

#include <QObject>
#include <QPointer>

#include "controls/RichPane.h"

class QMainWindow;

namespace verdo {

class ChatWidgets;
class FindBar;

class ChatFind : public QObject {
    Q_OBJECT

  public:
    ChatFind(QMainWindow& window, ChatWidgets& widgets);

    void find();
    void findNext();
    void findPrevious();
    // Scrolls the searched pane to its marker, else the other pane to its.
    void jumpToMarker();
    // The pane that last had the focus.
    RichPane* pane() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The find bar, made at the first find, on the pane to search.
    FindBar& bar();
    void setMarkers();

    QMainWindow& window_;
    // The panes, held apart from the widget set, which goes before the window.
    QPointer<RichPane> chat_;
    QPointer<RichPane> whisper_;
    FindBar* bar_ = nullptr;  // a child of the central widget once made
    QPointer<RichPane> lastPane_;
};

}  // namespace verdo
