// The session's event stream: a list of subscribers that survives changes to
// itself while an event is being delivered.
#include "chat/SessionEvents.h"

#include <algorithm>
#include <utility>

namespace verdo {

SessionEvents::Subscription SessionEvents::subscribe(Handler handler) {
    const Subscription id = nextId_++;
    subscribers_.push_back(Entry{id, std::move(handler)});
    return id;
}

void SessionEvents::unsubscribe(Subscription subscription) {
    const auto found =
        std::find_if(subscribers_.begin(), subscribers_.end(),
                     [subscription](const Entry& entry) { return entry.id == subscription; });
    if (found == subscribers_.end()) return;
    // While delivering, the entry is only emptied so that the loop's indices
    // stay valid; the list is compacted once the outermost delivery ends.
    if (delivering_ > 0) {
        found->handler = nullptr;
    } else {
        subscribers_.erase(found);
    }
}

EventResult SessionEvents::publish(const SessionEvent& event) {
    EventResult result = EventResult::Continue;
    ++delivering_;
    // Subscribers added during delivery wait for the next event.
    const std::size_t count = subscribers_.size();
    for (std::size_t i = 0; i < count; ++i) {
        // A copy: the handler may unsubscribe itself while it runs.
        if (!subscribers_[i].handler) continue;
        const Handler handler = subscribers_[i].handler;
        if (handler(event) == EventResult::Handled) result = EventResult::Handled;
    }
    if (--delivering_ == 0) {
        std::erase_if(subscribers_, [](const Entry& entry) { return !entry.handler; });
    }
    return result;
}

}  // namespace verdo
