// ChatAlerts: the window's desktop alerts, a subscriber of the session's
// events. A received whisper, a highlighted line, being kicked or banned, and
// a connection that closed without the user's Disconnect (once until the next
// log-on) show a desktop notification and make the task bar entry ask for
// attention, each only while no window of the program is active and the
// user's Do Not Disturb mode is off, and each as the Alerts settings allow.
// Clicking a notification raises the window and shows the line.
#pragma once

#include <QPointer>
#include <QTextCursor>
#include <functional>
#include <string>

#include "engine/AlertSettings.h"
#include "chat/HighlightMatcher.h"
#include "chat/SessionEvents.h"
#include "controls/RichPane.h"
#include "platform/Notifier.h"

class QWidget;

namespace verdo {

class ChatAlerts {
  public:
    // `window` is raised on a click; `settings` and `highlights` are read at
    // each event and must outlive this.
    ChatAlerts(Notifier& notifier, QWidget& window, const AlertSettings& settings,
               const HighlightMatcher& highlights);

    // The user's Do Not Disturb mode.
    std::function<bool()> doNotDisturb = [] { return false; };
    // The pane an event's line goes to (nullptr: none to show).
    std::function<RichPane*(const SessionEvent& event)> paneFor;
    // Whether a window of the program is active; the application's state
    // unless a test says otherwise.
    std::function<bool()> programActive;

    EventResult onEvent(const SessionEvent& event);

    // Whispers and highlights since the window was last active (the tray's
    // count); zeroed by `windowActivated`.
    int unseen() const { return unseen_; }
    void windowActivated() { unseen_ = 0; }
    std::function<void(int unseen)> OnUnseenChanged;

  private:
    // Whether `event` is one the settings want an alert for.
    bool wanted(const SessionEvent& event) const;
    void alert(const SessionEvent& event);
    void raiseAt(QPointer<RichPane> pane, const QTextCursor& line);

    Notifier& notifier_;
    QWidget& window_;
    const AlertSettings& settings_;
    const HighlightMatcher& highlights_;
    bool connectionLostShown_ = false;
    int unseen_ = 0;
};

// The body of a notification: plain text of at most `limit` characters, cut
// at a character boundary with an ellipsis. `text` is the 8-bit text the
// program carries.
std::string notificationBody(const std::string& text, std::size_t limit = 200);

}  // namespace verdo
