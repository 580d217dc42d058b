// AccountTracking: names and account numbers from the server's whois answers,
// remembered in AccountList / NumberList and reported after every such line.
#pragma once

#include <string>

#include "engine/ChatLists.h"

namespace verdo {

class EngineHost;

class AccountTracking {
  public:
    explicit AccountTracking(EngineHost& host) : host_(host) {}

    // Remembers the name and account number of a whois answer and reports
    // what is known about both; other lines are ignored.
    void TrackWhoisLine(const std::string& message);

  private:
    static bool hasPair(const ChatLists& lists, const std::string& name, const std::string& number);

    EngineHost& host_;
};

}  // namespace verdo
