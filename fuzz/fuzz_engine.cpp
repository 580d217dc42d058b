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
#include "support/FakeEngineHost.h"

using namespace verdo;
using verdo::testing::FakeEngineHost;

namespace {

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

void setUpHost(FakeEngineHost& host, const std::vector<std::string_view>& parts) {
    const std::string_view control = parts[Control];
    const auto controlByte = [&](std::size_t i) {
        return i < control.size() ? static_cast<std::uint8_t>(control[i]) : std::uint8_t{0};
    };
    host.random_.scatter = true;
    host.random_.recordRanges = false;
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
    host.channel = "<channel><user>";
    host.uniqueName = "Verdo";
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
    FakeEngineHost host;
    setUpHost(host, parts);
    ChatFunctions engine(host);

    const std::string_view pattern = parts[Template];
    const std::string expanded = engine.ExpandResponse(pattern, parts[User], parts[Parameter]);
    if (pattern.find('<') == std::string_view::npos && expanded != pattern) std::abort();

    const std::string user(parts[User]);
    const bool mayAct = anybodyMayCommand(host.lists_);
    for (const std::string& whisper : splitLines(parts[Whispers])) {
        host.sent.clear();
        host.shown.clear();
        engine.ProcessCommand(user, whisper);
        if (!mayAct && (!host.sent.empty() || !host.shown.empty())) std::abort();
        engine.RespondToWhisper(user, whisper);
        engine.RespondToPhrase(user, whisper);
        // Every line goes out with its carriage return, in one to three parts.
        for (const std::string& line : host.sent)
            if (line.empty() || line.back() != '\r') std::abort();
        for (const auto& line : host.shown)
            if (line.empty() || line.size() > 3) std::abort();
    }
    return 0;
}
