// Timed messages (see TimedMessages.h).
#include "chat/TimedMessages.h"

#include <climits>

#include "chat/ChatDocument.h"
#include "chat/DecimalText.h"
#include "engine/ChatFunctions.h"

namespace verdo {

void TimedMessages::tick() {
    const tOptions& options = document_.options();
    if (!options.respondToTimers() || !options.masterSwitch()) return;
    const ChatLists& lists = document_.lists();
    if (TimerCounters.size() != lists.TimerList.size()) {
        TimerCounters.assign(lists.TimerList.size(), "0");
    }
    for (std::size_t i = 0; i < lists.TimerList.size(); ++i) {
        const int counter = decimalOr(TimerCounters[i], 0);
        const int interval =
            decimalOr(i < lists.IntervalList.size() ? lists.IntervalList[i] : "", INT_MAX);
        if (counter < interval) {
            TimerCounters[i] = std::to_string(counter + 1);
            continue;
        }
        const std::string text =
            engine_.ExpandResponse(lists.TimerList[i], sender_.UniqueName(), "");
        // While its previous copy still waits to be sent, the message is not
        // queued again; its counter restarts as if it had been sent.
        if (sender_.sendTimedLine(text, static_cast<int>(i))) engine_.EchoOwnText(text);
        TimerCounters[i] = "0";
    }
}

}  // namespace verdo
