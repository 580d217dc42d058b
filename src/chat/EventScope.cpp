// The event scope (see EventScope.h).
#include "chat/EventScope.h"

namespace verdo {

void EventScope::run(const std::function<void()>& handler) {
    ++depth_;
    struct Leave {
        EventScope& scope;
        ~Leave() {
            if (--scope.depth_ != 0) return;
            // Events raised while settling are handled at once but leave the
            // settling to this call.
            ++scope.depth_;
            if (scope.OnSettled) scope.OnSettled();
            --scope.depth_;
        }
    } leave{*this};
    handler();
}

}  // namespace verdo
