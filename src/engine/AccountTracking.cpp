// Names and account numbers from the server's whois answers (see
// AccountTracking.h).
#include "engine/AccountTracking.h"

#include <algorithm>

#include "engine/EngineHost.h"
#include "platform/AnsiText.h"

namespace verdo {
namespace {

constexpr std::string_view FromAccount = "is logged on from account";
constexpr std::string_view ThroughGateway = "is logged on through a gateway";
constexpr std::string_view Indent = "    ";
constexpr std::string_view OtherAssociation = "    Other Association: ";

bool listHas(const tStringList& list, std::string_view item) {
    return std::any_of(list.begin(), list.end(),
                       [&](const std::string& each) { return equalsIgnoreCaseAZ(each, item); });
}

// The text before the first blank; empty when there is none.
std::string nameOf(const std::string& message) {
    const std::size_t blank = message.find(' ');
    return blank == std::string::npos ? std::string() : message.substr(0, blank);
}

// After the name and its blank, past the first "#", without the closing stop.
std::string numberOf(const std::string& message) {
    const std::size_t blank = message.find(' ');
    std::string rest = blank == std::string::npos ? message : message.substr(blank + 1);
    const std::size_t hash = rest.find('#');
    if (hash != std::string::npos) rest.erase(0, hash + 1);
    if (!rest.empty()) rest.pop_back();
    return rest;
}

class WhoisReport {
  public:
    explicit WhoisReport(EngineHost& host)
        : host_(host),
          accounts_(host.lists().AccountList),
          numbers_(host.lists().NumberList),
          // Pairs beyond the shorter list (a damaged file) are left out.
          pairs_(std::min(accounts_.size(), numbers_.size())),
          info_(host.options().infoColor()),
          name_(host.options().nameColor()) {}

    void numbersOfName(const std::string& name) {
        line({{"Numbers associated with this name:", info_}});
        associations(name, accounts_, numbers_, "#");
    }
    void namesOfNumber(const std::string& number) {
        line({{"Names associated with this number:", info_}});
        associations(number, numbers_, accounts_, "");
    }

  private:
    // For each pair whose `key` side matches: the other side, then the other
    // pairs that share that other side.
    void associations(const std::string& key, const tStringList& keys, const tStringList& values,
                      std::string_view mark) {
        bool any = false;
        for (std::size_t i = 0; i < pairs_; ++i) {
            if (!equalsIgnoreCaseAZ(keys[i], key)) continue;
            any = true;
            line({{std::string(Indent) + std::string(mark) + values[i], name_}});
            for (std::size_t j = 0; j < pairs_; ++j) {
                if (j != i && equalsIgnoreCaseAZ(values[j], values[i])) {
                    line({{std::string(OtherAssociation), info_}, {keys[j], name_}});
                }
            }
        }
        if (!any) line({{std::string(Indent) + "None", name_}});
    }
    void line(const std::vector<EngineSegment>& segments) { host_.addChatLine(segments); }

    EngineHost& host_;
    const tStringList& accounts_;
    const tStringList& numbers_;
    std::size_t pairs_;
    std::uint32_t info_;
    std::uint32_t name_;
};

}  // namespace

void AccountTracking::TrackWhoisLine(const std::string& message) {
    const std::string lowered = lowerAZ(message);
    if (lowered.find(FromAccount) != std::string::npos) {
        const std::string name = nameOf(message);
        const std::string number = numberOf(message);
        ChatLists& lists = host_.lists();
        if (!hasPair(lists, name, number)) {
            // Lists of unequal length (surplus lines of an imported file)
            // are evened out first, so that the new pair shares one index.
            const std::size_t pairs = std::max(lists.AccountList.size(), lists.NumberList.size());
            lists.AccountList.resize(pairs);
            lists.NumberList.resize(pairs);
            lists.AccountList.push_back(name);
            lists.NumberList.push_back(number);
            host_.setSettingsModified();
        }
        WhoisReport report(host_);
        report.numbersOfName(name);
        if (!number.empty()) report.namesOfNumber(number);
    } else if (lowered.find(ThroughGateway) != std::string::npos) {
        WhoisReport(host_).numbersOfName(nameOf(message));
    }
}

bool AccountTracking::hasPair(const ChatLists& lists, const std::string& name,
                              const std::string& number) {
    if (!listHas(lists.AccountList, name) || !listHas(lists.NumberList, number)) return false;
    const std::size_t pairs = std::min(lists.AccountList.size(), lists.NumberList.size());
    for (std::size_t k = 0; k < pairs; ++k) {
        if (equalsIgnoreCaseAZ(lists.AccountList[k], name) &&
            equalsIgnoreCaseAZ(lists.NumberList[k], number)) {
            return true;
        }
    }
    return false;
}

}  // namespace verdo
