// Notifier: desktop notifications, the way the desktop shows them. The window
// shows one for what needs the person while it is in the background; the Qt
// program uses the desktop's notification service, tests a recording fake.
#pragma once

#include <functional>
#include <string>

namespace verdo {

struct Notification {
    std::string title;  // UTF-8: the sender, or the program's name
    std::string body;   // UTF-8 plain text
};

class Notifier {
  public:
    virtual ~Notifier() = default;

    // Shows `notification` without waiting for the desktop; `activated` runs
    // when the person clicks it, where the desktop offers that. Without a
    // notification service nothing is shown.
    virtual void notify(const Notification& notification, std::function<void()> activated) = 0;
};

}  // namespace verdo
