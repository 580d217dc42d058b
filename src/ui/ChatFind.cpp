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
    : QObject(&window), window_(window), widgets_(widgets) {
    bar_ = new FindBar(window.centralWidget());
    // Under the panes, above the URL bar and the entry line.
    if (auto* layout = qobject_cast<QBoxLayout*>(window.centralWidget()->layout()))
        layout->insertWidget(1, bar_);
    bar_->setPane(widgets_.reChat);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        for (RichPane* pane : {widgets_.reChat, widgets_.reWhisper}) {
            if (now == pane) {
                lastPane_ = pane;
                bar_->setPane(pane);
            }
        }
    });
    window.installEventFilter(this);
}

RichPane* ChatFind::pane() const {
    return lastPane_ != nullptr ? lastPane_.data() : widgets_.reChat;
}

void ChatFind::find() {
    bar_->setPane(pane());
    bar_->open();
}

void ChatFind::findNext() {
    bar_->setPane(pane());
    bar_->findNext();
}

void ChatFind::findPrevious() {
    bar_->setPane(pane());
    bar_->findPrevious();
}

void ChatFind::jumpToMarker() {
    RichPane* first = pane();
    RichPane* other = first == widgets_.reChat ? widgets_.reWhisper : widgets_.reChat;
    if (!first->jumpToMarker()) other->jumpToMarker();
}

void ChatFind::setMarkers() {
    widgets_.reChat->setMarker();
    widgets_.reWhisper->setMarker();
}

bool ChatFind::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::WindowDeactivate) setMarkers();
    return QObject::eventFilter(watched, event);
}

}  // namespace verdo
