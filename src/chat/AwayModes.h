// The away and do-not-disturb modes: switched on with a reason asked in an
// input box, off with the bare command; the Away action follows the server's
// notices of the away mode.
#pragma once

#include "chat/ChatDocument.h"
#include "chat/EventScope.h"
#include "chat/LineSender.h"
#include "chat/SessionEvents.h"
#include "chat/SessionView.h"
#include "chat/WindowControls.h"

namespace verdo {

class AwayModes {
  public:
    AwayModes(SessionView& view, WindowControls& controls, EventScope& events,
              ChatDocument& document, LineSender& sender, SessionEvents& stream);
    ~AwayModes();
    AwayModes(const AwayModes&) = delete;
    AwayModes& operator=(const AwayModes&) = delete;

    void acAwayExecute();
    void acDNDExecute();
    bool AwayOn() const { return awayOn_; }
    bool DNDOn() const { return dndOn_; }
    bool awayChecked() const { return awayChecked_; }
    bool dndChecked() const { return dndChecked_; }

  private:
    EventResult serverNotice(const SessionEvent& event);
    void toggleMode(bool dnd);
    void setAwayChecked(bool checked);
    void setDNDChecked(bool checked);

    SessionView& view_;
    WindowControls& controls_;
    EventScope& events_;
    ChatDocument& document_;
    LineSender& sender_;
    SessionEvents& stream_;
    SessionEvents::Subscription subscription_;
    bool awayOn_ = false;
    bool dndOn_ = false;
    bool awayChecked_ = false;
    bool dndChecked_ = false;
};

}  // namespace verdo
