// Every event from outside (socket, timer tick, gesture) runs inside one
// scope; when the outermost one returns, OnSettled decides the next step. A
// modal question nests events the way a waiting loop would, so whatever
// OnSettled moves never moves while a question is open.
#pragma once

#include <functional>

namespace verdo {

class EventScope {
  public:
    std::function<void()> OnSettled;

    void run(const std::function<void()>& handler);

  private:
    int depth_ = 0;
};

}  // namespace verdo
