// The scripts' timers (see ScriptTimers.h).
#include "scripting/ScriptTimers.h"

#include <algorithm>
#include <climits>

#include "platform/Clock.h"

namespace verdo {

ScriptTimers::ScriptTimers(Clock& clock, std::unique_ptr<Timer> timer, Due due)
    : clock_(clock), timer_(std::move(timer)), due_(std::move(due)) {
    timer_->OnTimer = [this] { fire(); };
}

int ScriptTimers::add(Script& owner, int callback, std::int64_t milliseconds, bool repeat) {
    const int id = nextId_++;
    entries_.push_back(
        {id, &owner, callback, clock_.steadyMilliseconds() + milliseconds, milliseconds, repeat});
    arm();
    return id;
}

std::optional<int> ScriptTimers::cancel(const Script& owner, int id) {
    const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& entry) {
        return entry.id == id && entry.owner == &owner;
    });
    if (found == entries_.end()) return std::nullopt;
    const int callback = found->callback;
    entries_.erase(found);
    arm();
    return callback;
}

void ScriptTimers::dropAll(const Script& owner) {
    std::erase_if(entries_, [&](const Entry& entry) { return entry.owner == &owner; });
    arm();
}

std::size_t ScriptTimers::count(const Script& owner) const {
    return static_cast<std::size_t>(
        std::count_if(entries_.begin(), entries_.end(),
                      [&](const Entry& entry) { return entry.owner == &owner; }));
}

void ScriptTimers::fire() {
    const std::int64_t now = clock_.steadyMilliseconds();
    std::vector<Entry> dueNow;
    for (const Entry& entry : entries_)
        if (entry.due <= now) dueNow.push_back(entry);
    std::sort(dueNow.begin(), dueNow.end(), [](const Entry& a, const Entry& b) {
        return a.due != b.due ? a.due < b.due : a.id < b.id;
    });
    for (const Entry& entry : dueNow) {
        // An earlier callback may have cancelled this one or unloaded its script.
        const auto found = std::find_if(entries_.begin(), entries_.end(),
                                        [&](const Entry& e) { return e.id == entry.id; });
        if (found == entries_.end()) continue;
        const bool last = !found->repeat;
        if (last)
            entries_.erase(found);
        else
            // A repeating timer that fell behind skips what it missed.
            found->due = std::max(found->due + found->period, now + 1);
        due_(*entry.owner, entry.id, entry.callback, last);
    }
    arm();
}

void ScriptTimers::arm() {
    timer_->setEnabled(false);
    if (entries_.empty()) return;
    std::int64_t next = entries_.front().due;
    for (const Entry& entry : entries_)
        next = std::min(next, entry.due);
    const std::int64_t wait =
        std::clamp<std::int64_t>(next - clock_.steadyMilliseconds(), 1, INT_MAX);
    timer_->setInterval(static_cast<int>(wait));
    timer_->setEnabled(true);
}

}  // namespace verdo
