// Simulated users: the demo cast, who join and leave the first channel, talk,
// emote and whisper at a human pace, and a silent crowd for roster tests.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "ChatWorld.h"
#include "GatewayOptions.h"
#include "SimulatedUser.h"

namespace verdo::gateway {

class SimulatedUsers : public QObject {
    Q_OBJECT
  public:
    SimulatedUsers(ChatWorld& world, const GatewayOptions& options);
    ~SimulatedUsers() override;

  private:
    SimulatedUser& add(const std::string& name, const std::string& product, unsigned flags);
    void act();
    void answer(SimulatedUser& user, const std::string& from, const std::string& text);
    std::vector<std::string> realUsersInFirstChannel() const;
    bool isSimulated(const std::string& name) const;

    ChatWorld& world_;
    const GatewayOptions& options_;
    std::vector<std::unique_ptr<SimulatedUser>> users_;
    std::vector<SimulatedUser*> cast_;  // the demo users, who act
    std::set<std::string> names_;       // lower-cased names of all simulated users
    QTimer pace_;
};

}  // namespace verdo::gateway
