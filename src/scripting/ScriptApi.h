// ScriptApi: the global table `verdo` through which a script registers its
// handlers, commands and timers, sends lines, reads the session's state and
// keeps its data.
#pragma once

struct lua_State;

namespace verdo {

class Script;

class ScriptApi {
  public:
    // Sets the global `verdo` in `state`, its functions bound to `script`.
    static void install(lua_State* state, Script& script);
};

}  // namespace verdo
