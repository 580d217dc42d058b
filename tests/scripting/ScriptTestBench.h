// A host with the fake context, and helpers to load script text and give it
// the session's events, for the scripting tests.
#pragma once

#include <string>
#include <string_view>

#include "scripting/ScriptHost.h"
#include "support/FakeScriptContext.h"
#include "support/TimerClock.h"

namespace verdo::testing {

struct ScriptTestBench {
    FakeScriptContext context;
    ScriptHost host{context};
    TimerClock time{context.platform};

    // Loads `source` as the script `name`.lua; true when it started.
    bool load(std::string_view source, const std::string& name = "test") {
        host.loadSource(name + ".lua", source);
        return host.scripts().back().state == ScriptState::Running;
    }
    EventResult talk(std::string_view user, std::string_view text) {
        return event(SessionEventKind::Talk, user, text);
    }
    EventResult event(SessionEventKind kind, std::string_view user = {}, std::string_view text = {},
                      std::string_view product = {}, std::uint32_t flags = 0) {
        SessionEvent happened{kind};
        happened.user = user;
        happened.text = text;
        happened.product = product;
        happened.flags = flags;
        return host.onEvent(happened);
    }
    // Runs `code` in a new script and returns what it logs with verdo.log.
    std::string eval(std::string_view code) {
        context.infos.clear();
        context.errors.clear();
        load(code, "eval" + std::to_string(++evals));
        std::string out;
        for (const std::string& line : context.infos)
            out += line.substr(line.find("] ") + 2) + "\n";
        for (const std::string& line : context.errors)
            out += "error: " + line + "\n";
        return out;
    }
    int evals = 0;
};

}  // namespace verdo::testing
