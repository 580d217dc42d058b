// Demo and crowd users (see SimulatedUsers.h).
#include "SimulatedUsers.h"

#include <QRandomGenerator>
#include <cstdio>

#include "Commands.h"
#include "platform/AnsiText.h"

namespace verdo::gateway {

namespace {

struct CastEntry {
    const char* name;
    const char* product;
    unsigned flags;
};

constexpr CastEntry kCast[] = {
    {"Kaelis", "STAR", 0x00},   {"Mordrin", "SEXP", 0x00}, {"Tavish", "W2BN", kFlagNoUdp},
    {"Griswold", "DRTL", 0x00}, {"Deckard", "D2RT", 0x08}, {"Verda", "CHAT", kFlagNoUdp},
};

constexpr const char* kTalk[] = {
    "anyone up for a game?",          "gg all",        "lag is terrible tonight",    "brb, coffee",
    "who won the last ladder match?", "hello channel", "nice to see new faces here",
};
constexpr const char* kEmotes[] = {"waves", "stretches", "yawns", "grins"};
constexpr const char* kAnswers[] = {"hi there!", "not now, in a game soon", "sure, why not", "lol",
                                    "what do you mean?"};
constexpr const char* kSideChannel = "Backstage";
constexpr int kAnswerDelayMs = 1500;

template <typename T, std::size_t N>
const T& pick(const T (&items)[N]) {
    return items[QRandomGenerator::global()->bounded(static_cast<int>(N))];
}

}  // namespace

SimulatedUsers::SimulatedUsers(ChatWorld& world, const GatewayOptions& options)
    : world_(world), options_(options) {
    for (int i = 1; i <= options.crowd; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "Crowd%04d", i);
        add(name, i % 2 ? "STAR" : "SEXP", 0);
    }
    if (!options.demo) return;
    for (const CastEntry& entry : kCast) {
        SimulatedUser& user = add(entry.name, entry.product, entry.flags);
        user.onWhisper = [this, &user](const std::string& from, const std::string& text) {
            answer(user, from, text);
        };
        cast_.push_back(&user);
    }
    connect(&pace_, &QTimer::timeout, this, &SimulatedUsers::act);
    pace_.start(options.demoPaceMs);
}

SimulatedUsers::~SimulatedUsers() {
    for (auto& user : users_)
        world_.leave(*user);
}

SimulatedUser& SimulatedUsers::add(const std::string& name, const std::string& product,
                                   unsigned flags) {
    auto user = std::make_unique<SimulatedUser>();
    user->name = world_.uniqueName(name);
    user->product = product;
    user->baseFlags = flags;
    user->account = world_.accounts().ensure(name);
    names_.insert(lowerAZ(user->name));
    world_.enter(*user);
    users_.push_back(std::move(user));
    return *users_.back();
}

bool SimulatedUsers::isSimulated(const std::string& name) const {
    return names_.count(lowerAZ(name)) != 0;
}

std::vector<std::string> SimulatedUsers::realUsersInFirstChannel() const {
    std::vector<std::string> names;
    if (const Channel* channel = world_.findChannel(world_.config().firstChannel))
        for (const Member* member : channel->members)
            if (!isSimulated(member->name)) names.push_back(member->name);
    return names;
}

void SimulatedUsers::act() {
    auto* random = QRandomGenerator::global();
    pace_.setInterval(options_.demoPaceMs / 2 + random->bounded(options_.demoPaceMs));
    SimulatedUser& user = *cast_[random->bounded(static_cast<int>(cast_.size()))];
    const std::string& home = world_.config().firstChannel;
    const bool atHome = user.channel && equalsIgnoreCaseAZ(user.channel->name, home);
    if (!atHome) {
        joinChannel(world_, user, home);
        return;
    }
    const int roll = random->bounded(100);
    if (roll < 45) {
        talk(world_, user, pick(kTalk));
    } else if (roll < 60) {
        emote(world_, user, pick(kEmotes));
    } else if (roll < 75) {
        joinChannel(world_, user, kSideChannel);
    } else {
        const auto real = realUsersInFirstChannel();
        if (!real.empty())
            whisper(world_, user,
                    real[random->bounded(static_cast<int>(real.size()))] +
                        " psst, want to join our clan?");
    }
}

void SimulatedUsers::answer(SimulatedUser& user, const std::string& from,
                            const std::string& /*text*/) {
    if (isSimulated(from)) return;  // simulated users never talk among themselves
    QTimer::singleShot(kAnswerDelayMs, this,
                       [this, &user, from] { whisper(world_, user, from + " " + pick(kAnswers)); });
}

}  // namespace verdo::gateway
