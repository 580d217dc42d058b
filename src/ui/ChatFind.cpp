// Find in the main window's panes and the marker line (see ChatFind.h).
#include "ui/ChatFind.h"

#include <QApplication>
#include <QBoxLayout>
#include <QEvent>
#include <QMainWindow>

#include "controls/FindBar.h"
#include "ui/ChatWidgets.h"

namespace verdo {

ChatFind::ChatFind(QMainWindow& window, ChatWidgets& widgets)
    : QObject(&window),
      window_(window),
      chat_(widgets.pane(ChatPane)),
      whisper_(widgets.pane(WhisperPane)) {
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        for (RichPane* pane : {chat_.data(), whisper_.data()}) {
            if (pane != nullptr && now == pane) {
                lastPane_ = pane;
                if (bar_ != nullptr) bar_->setPane(pane);
            }
        }
    });
    window.installEventFilter(this);
}

// The bar is hidden until the first find, so it is made then: the window
// comes up sooner.
FindBar& ChatFind::bar() {
    if (bar_ == nullptr) {
        bar_ = new FindBar(window_.centralWidget());
        // Under the panes, above the URL bar and the entry line.
        if (auto* layout = qobject_cast<QBoxLayout*>(window_.centralWidget()->layout()))
            layout->insertWidget(1, bar_);
    }
    bar_->setPane(pane());
    return *bar_;
}

RichPane* ChatFind::pane() const {
    return lastPane_ != nullptr ? lastPane_.data() : chat_.data();
}

void ChatFind::find() {
    bar().open();
}

void ChatFind::findNext() {
    bar().findNext();
}

void ChatFind::findPrevious() {
    bar().findPrevious();
}

void ChatFind::jumpToMarker() {
    RichPane* first = pane();
    RichPane* other = first == chat_ ? whisper_.data() : chat_.data();
    if (first != nullptr && first->jumpToMarker()) return;
    if (other != nullptr) other->jumpToMarker();
}

void ChatFind::setMarkers() {
    for (RichPane* pane : {chat_.data(), whisper_.data()}) {
        if (pane != nullptr) pane->setMarker();
    }
}

bool ChatFind::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::WindowDeactivate) setMarkers();
    return QObject::eventFilter(watched, event);
}

}  // namespace verdo
