// Random templates, names and parameters through the response expansion, and
// random whispers through the remote command processor with random lists.
// Nothing may crash or hang; every line goes out with its carriage return,
// text without "<" expands to itself, and without owners, members or a level
// "0" command no whisper may make the program act.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "FuzzFiles.h"
#include "engine/ChatFunctions.h"
#include "engine/CommandTable.h"

using namespace verdo;

namespace {

class FuzzRandom : public Random {
  public:
    int uniformInt(int low, int high) override {
        state_ = state_ * 1103515245u + 12345u;
        return low + static_cast<int>((state_ >> 8) % static_cast<std::uint32_t>(high - low + 1));
    }
    void seed(std::uint32_t value) override { state_ = value; }

  private:
    std::uint32_t state_ = 1;
};

class FuzzClock : public Clock {
  public:
    std::string localDateTimeText() override { return "7/12/2026 10:11:12 <time>"; }
    std::int64_t steadyMilliseconds() override { return now += step; }
    std::int64_t now = 0;
    std::int64_t step = 1;
};

// Records nothing but what the checks need; lines must end in "\r".
class FuzzHost : public EngineHost {
  public:
    void SendLine(const std::string& text) override {
        if (text.empty() || text.back() != '\r') std::abort();
        ++sent;
    }
    void addChatLine(const std::vector<EngineSegment>& segments) override {
        if (segments.empty() || segments.size() > 3) std::abort();
        ++shown;
    }
    std::string UniqueName() const override { return "Verdo"; }
    std::string CurrentServer() const override { return "127.0.0.1"; }
    std::string channelName() const override { return channel; }
    bool connected() const override { return isConnected; }
    void disconnectByCommand() override { isConnected = false; }
    std::size_t rosterCount() const override { return roster.size(); }
    std::string rosterName(std::size_t index) const override { return roster.at(index); }
    tOptions& options() override { return options_; }
    ChatLists& lists() override { return lists_; }
    void setSettingsModified() override {}
    std::string ignorePrefix() const override { return ignore; }
    Random& random() override { return random_; }
    Clock& clock() override { return clock_; }

    std::size_t sent = 0;
    std::size_t shown = 0;
    std::string channel = "<channel><user>";
    std::string ignore;
    tStringList roster;
    bool isConnected = true;
    tOptions options_;
    ChatLists lists_;
    FuzzRandom random_;
    FuzzClock clock_;
};

tStringList splitLines(std::string_view part) {
    tStringList lines;
    std::size_t start = 0;
    while (start <= part.size()) {
        const std::size_t end = part.find('\n', start);
        lines.emplace_back(part.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return lines;
}

// The parts of one input, separated by 0xFF; missing ones are empty.
enum Part : std::size_t {
    Control,
    Template,
    User,
    Parameter,
    Whispers,
    Owners,
    Members,
    Commands,
    Responses,
    Levels,
    Roster,
    Ignore,
    PartCount
};

void setUpHost(FuzzHost& host, const std::vector<std::string_view>& parts) {
    const std::string_view control = parts[Control];
    const auto controlByte = [&](std::size_t i) {
        return i < control.size() ? static_cast<std::uint8_t>(control[i]) : std::uint8_t{0};
    };
    host.random_.seed(controlByte(0));
    host.clock_.step = controlByte(1) * 100;
    host.isConnected = (controlByte(2) & 1) != 0;
    host.options_.setMasterSwitch((controlByte(2) & 2) != 0);
    host.options_.setRespondToPhrases((controlByte(2) & 4) != 0);
    host.options_.setRespondToWhispers((controlByte(2) & 8) != 0);

    ChatLists& lists = host.lists_;
    // The built-in table first, so that its actions meet random parameters.
    FillBuiltInCommands(lists);
    if (!parts[Commands].empty()) {
        for (std::string& command : splitLines(parts[Commands]))
            lists.CommandList.push_back(std::move(command));
        for (std::string& response : splitLines(parts[Responses]))
            lists.CommandRes.push_back(std::move(response));
        for (std::string& level : splitLines(parts[Levels]))
            lists.CommandLevel.push_back(std::move(level));
    }
    if (!parts[Owners].empty()) lists.OwnerList = splitLines(parts[Owners]);
    if (!parts[Members].empty()) lists.MemberList = splitLines(parts[Members]);
    if (!parts[Roster].empty()) host.roster = splitLines(parts[Roster]);
    host.ignore = std::string(parts[Ignore]);
    // The response lists double as phrase and whisper entries.
    lists.PhraseList = lists.CommandList;
    lists.WhisperList = lists.CommandList;
    lists.PhraseRes = {lists.CommandRes, lists.CommandLevel, lists.OwnerList};
    lists.WhiserRes = lists.PhraseRes;
}

bool anybodyMayCommand(const ChatLists& lists) {
    if (!lists.OwnerList.empty() || !lists.MemberList.empty()) return true;
    for (const std::string& level : lists.CommandLevel)
        if (level == "0") return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string_view> parts = fuzzing::splitParts(data, size);
    parts.resize(PartCount);
    FuzzHost host;
    setUpHost(host, parts);
    ChatFunctions engine(host);

    const std::string_view pattern = parts[Template];
    const std::string expanded = engine.ExpandResponse(pattern, parts[User], parts[Parameter]);
    if (pattern.find('<') == std::string_view::npos && expanded != pattern) std::abort();

    const std::string user(parts[User]);
    const bool mayAct = anybodyMayCommand(host.lists_);
    for (const std::string& whisper : splitLines(parts[Whispers])) {
        const std::size_t sent = host.sent;
        const std::size_t shown = host.shown;
        engine.ProcessCommand(user, whisper);
        if (!mayAct && (host.sent != sent || host.shown != shown)) std::abort();
        engine.RespondToWhisper(user, whisper);
        engine.RespondToPhrase(user, whisper);
    }
    return 0;
}
