// ScriptStrings: string.find, string.match, string.gmatch and string.gsub for
// scripts, with Lua's behaviour but run on LuaPattern, whose steps count
// against the script's instruction budget.
#pragma once

struct lua_State;

namespace verdo {

class ScriptStrings {
  public:
    // Replaces the four functions in the string table on top of the stack.
    static void install(lua_State* state);
};

}  // namespace verdo
