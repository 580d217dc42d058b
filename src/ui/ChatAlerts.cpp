// The window's desktop alerts (see ChatAlerts.h).
#include "ui/ChatAlerts.h"

#include <QApplication>
#include <QTextBlock>
#include <QTextDocument>
#include <QWidget>

#include "text/DisplayText.h"

namespace verdo {

namespace {

using K = SessionEventKind;

const char* const ConnectionLostText = "The connection to the server was closed.";
// The title of a notification without a sender.
const char* const ProgramName = "VerdoChat";

}  // namespace

std::string notificationBody(const std::string& text, std::size_t limit) {
    QString body;
    for (QChar c : displayText(text)) {
        // Control characters would steer nothing here, but are shown as blanks.
        body += c.category() == QChar::Other_Control ? QChar(' ') : c;
    }
    if (static_cast<std::size_t>(body.size()) > limit) {
        qsizetype keep = static_cast<qsizetype>(limit) - 1;
        if (keep > 0 && body.at(keep - 1).isHighSurrogate()) --keep;
        body = body.left(keep) + QChar(0x2026);
    }
    return body.toStdString();
}

ChatAlerts::ChatAlerts(Notifier& notifier, QWidget& window, const AlertSettings& settings,
                       const HighlightMatcher& highlights)
    : notifier_(notifier), window_(window), settings_(settings), highlights_(highlights) {
    programActive = [] { return QApplication::activeWindow() != nullptr; };
}

bool ChatAlerts::wanted(const SessionEvent& event) const {
    switch (event.kind) {
        case K::WhisperReceived:
            return settings_.notifyWhispers ||
                   (settings_.notifyHighlights && highlights_.highlights(event));
        case K::Talk:
        case K::Emote:
            return settings_.notifyHighlights && highlights_.highlights(event);
        case K::Kicked:
        case K::Banned:
            return settings_.notifyKicked;
        case K::Disconnected:
            return !event.userAsked && !connectionLostShown_ && settings_.notifyConnectionLost;
        default:
            return false;
    }
}

EventResult ChatAlerts::onEvent(const SessionEvent& event) {
    if (event.kind == K::LoggedOn) connectionLostShown_ = false;
    const bool counts = event.kind == K::WhisperReceived || highlights_.highlights(event);
    if (counts && !programActive()) {
        ++unseen_;
        if (OnUnseenChanged) OnUnseenChanged(unseen_);
    }
    if (wanted(event) && !programActive() && !doNotDisturb()) alert(event);
    return EventResult::Continue;
}

void ChatAlerts::alert(const SessionEvent& event) {
    if (event.kind == K::Disconnected) connectionLostShown_ = true;
    Notification notification;
    notification.title =
        event.user.empty() ? std::string(ProgramName) : displayText(event.user).toStdString();
    notification.body = notificationBody(event.kind == K::Disconnected ? ConnectionLostText
                                                                       : std::string(event.text));
    // The line is in its pane once the event has been handled: remember where
    // it starts, a position that moves with the lines trimmed above it.
    QPointer<RichPane> pane = paneFor ? paneFor(event) : nullptr;
    QTextCursor line;
    if (pane != nullptr) {
        line = QTextCursor(pane->document());
        line.movePosition(QTextCursor::End);
        line.setKeepPositionOnInsert(true);
    }
    notifier_.notify(notification, [this, pane, line] { raiseAt(pane, line); });
    QApplication::alert(&window_);
}

void ChatAlerts::raiseAt(QPointer<RichPane> pane, const QTextCursor& line) {
    QWidget* window = pane != nullptr ? pane->window() : &window_;
    if (window->isMinimized()) window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
    if (pane != nullptr && !line.isNull()) {
        // The line came after the end remembered: the next block, unless it was the first.
        QTextBlock block = line.block();
        if (pane->lineCount() > 1 && block.next().isValid() && line.atBlockEnd() &&
            line.position() > 0) {
            block = block.next();
        }
        pane->showLine(block.blockNumber());
    }
}

}  // namespace verdo
