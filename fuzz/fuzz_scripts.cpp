// Random script text and random event arguments through the script host:
// nothing may crash or hang, and nothing may reach the file system. The
// input's first byte picks a script that is loaded first (an example or a
// probe of the sandbox) so that the random part meets working handlers; the
// rest is cut at 0xFF bytes into the random script, a user, a text and a
// product. The scripts' data folder must hold nothing afterwards but data
// files, and the working folder must be as it was.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzFiles.h"
#include "scripting/ScriptHost.h"
#include "support/FakeScriptContext.h"
#include "support/TimerClock.h"

using namespace verdo;

namespace {

constexpr std::string_view Preludes[] = {
    R"lua(verdo.on("talk", function(u, t) verdo.say(t:gsub("%s+", " ")) return t:find("^!") ~= nil end)
       verdo.command("!x", "any", function(u, p) verdo.store(u, p) return p:rep(2) end))lua",
    R"lua(verdo.on("whisper", function(u, t) local f = load(t) if f then pcall(f) end end))lua",
    R"lua(verdo.every(1, function() verdo.send("/w " .. verdo.me() .. " tick") end)
       verdo.on("join", function(u, p, f) verdo.after(0.5, function() verdo.whisper(u, p .. f) end) end))lua",
    R"lua(verdo.on("talk", function(u, t) for a, b in t:gmatch("(%w+)=(%w*)") do verdo.store(a, b) end
       verdo.log(tostring(verdo.fetch(u))) end))lua",
    R"lua(local probes = { io, require, dofile, loadfile, package, debug, os.execute, os.getenv,
         os.remove, string.dump }
       for _, p in pairs(probes) do error("reachable") end)lua",
};

std::set<std::filesystem::path> entries(const std::filesystem::path& folder) {
    std::set<std::filesystem::path> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        found.insert(entry.path());
    return found;
}

std::vector<std::string_view> parts(std::string_view input) {
    std::vector<std::string_view> cut;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = input.find('\xff', start);
        cut.push_back(input.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    cut.resize(std::max<std::size_t>(cut.size(), 4));
    return cut;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static const std::set<std::filesystem::path> workingFolder = [] {
        fuzzing::resetScratch();
        return entries(std::filesystem::current_path());
    }();
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::vector<std::string_view> cut = parts(input);
    {
        testing::FakeScriptContext context;
        context.platform.fakeRandom.scatter = true;
        context.roster = {{std::string(cut[1]), std::string(cut[3]), 2}};
        ScriptHost host(context);
        host.setDataFolder(fuzzing::scratchFolder());
        host.loadSource("prelude.lua", Preludes[data[0] % std::size(Preludes)]);
        host.loadSource("fuzz.lua", cut[0]);
        testing::TimerClock time(context.platform);
        const std::string_view user = cut[1];
        const std::string_view text = cut[2];
        for (const SessionEventKind kind :
             {SessionEventKind::LoggedOn, SessionEventKind::UserJoined, SessionEventKind::Talk,
              SessionEventKind::WhisperReceived, SessionEventKind::FlagsChanged,
              SessionEventKind::UserLeft, SessionEventKind::Disconnected}) {
            SessionEvent event{kind};
            event.user = user;
            event.text = text;
            event.product = cut[3];
            event.flags = static_cast<std::uint32_t>(size);
            host.onEvent(event);
        }
        host.tryCommand(user, text);
        time.advanceBy(3500);
        for (const auto& [line, sendClass] : context.sent)
            if (line.find_first_of("\r\n") != std::string::npos) std::abort();
        if (data[0] % std::size(Preludes) == 4 &&
            host.scripts().front().state == ScriptState::Failed)
            std::abort();  // the probe reached something it must not
    }
    for (const auto& entry : entries(fuzzing::scratchFolder())) {
        if (entry.extension() != ".data") std::abort();
        std::filesystem::remove(entry);
    }
    if (entries(std::filesystem::current_path()) != workingFolder) std::abort();
    return 0;
}
