// The functions of the `verdo` table (see ScriptApi.h).
#include "scripting/ScriptApi.h"

#include <climits>
#include <cmath>
#include <lua.hpp>
#include <string>
#include <string_view>

#include "scripting/Script.h"
#include "scripting/ScriptContext.h"
#include "scripting/ScriptStore.h"
#include "scripting/ScriptTimers.h"

namespace verdo {
namespace {

// Timers run no more often than this, and no later than the platform's timer allows.
constexpr double ShortestTimerSeconds = 0.1;
constexpr double LongestTimerSeconds = INT_MAX / 1000.0;

Script& scriptOf(lua_State* state) {
    return *static_cast<Script*>(lua_touserdata(state, lua_upvalueindex(1)));
}

std::string_view checkText(lua_State* state, int index) {
    std::size_t length = 0;
    const char* text = luaL_checklstring(state, index, &length);
    return {text, length};
}

// A text that becomes (part of) one line to the server: a line break in it
// would start a second line, so it is refused.
std::string_view checkLineText(lua_State* state, int index) {
    const std::string_view text = checkText(state, index);
    if (text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos)
        luaL_argerror(state, index, "the text holds a line break or a zero byte");
    return text;
}

int checkFunction(lua_State* state, int index) {
    luaL_checktype(state, index, LUA_TFUNCTION);
    lua_pushvalue(state, index);
    return luaL_ref(state, LUA_REGISTRYINDEX);
}

void pushText(lua_State* state, std::string_view text) {
    lua_pushlstring(state, text.data(), text.size());
}

int on(lua_State* state) {
    const std::string_view name = checkText(state, 1);
    const auto index = scriptEventIndex(name);
    if (!index)
        return luaL_argerror(state, 1, lua_pushfstring(state, "unknown event \"%s\"", name.data()));
    scriptOf(state).addHandler(*index, checkFunction(state, 2));
    return 0;
}

int command(lua_State* state) {
    const std::string_view word = checkLineText(state, 1);
    const std::string_view level = checkText(state, 2);
    ScriptCommandLevel parsed = ScriptCommandLevel::Any;
    if (level == "members")
        parsed = ScriptCommandLevel::Members;
    else if (level == "owners")
        parsed = ScriptCommandLevel::Owners;
    else if (level != "any")
        return luaL_argerror(state, 2, "the level is \"any\", \"members\" or \"owners\"");
    scriptOf(state).addCommand(std::string(word), parsed, checkFunction(state, 3));
    return 0;
}

std::string_view checkSaid(lua_State* state) {
    const std::string_view text = checkLineText(state, 1);
    if (!text.empty() && text.front() == '/')
        luaL_argerror(state, 1, "a text that begins with \"/\" is a command; use verdo.send");
    return text;
}

int say(lua_State* state) {
    const std::string_view text = checkSaid(state);
    if (!text.empty()) scriptOf(state).queueLine(std::string(text));
    return 0;
}

int emote(lua_State* state) {
    const std::string_view text = checkSaid(state);
    scriptOf(state).queueLine("/me " + std::string(text));
    return 0;
}

int whisper(lua_State* state) {
    const std::string_view user = checkLineText(state, 1);
    const std::string_view text = checkLineText(state, 2);
    if (user.empty() || user.find_first_of(" \t") != std::string_view::npos)
        return luaL_argerror(state, 1, "a user name is one word");
    scriptOf(state).queueLine("/w " + std::string(user) + " " + std::string(text));
    return 0;
}

int send(lua_State* state) {
    scriptOf(state).queueLine(std::string(checkLineText(state, 1)));
    return 0;
}

int addTimer(lua_State* state, bool repeat) {
    const lua_Number seconds = luaL_checknumber(state, 1);
    luaL_argcheck(state, seconds >= ShortestTimerSeconds && seconds <= LongestTimerSeconds, 1,
                  "the time is 0.1 seconds or more, at most 24 days");
    Script& script = scriptOf(state);
    if (script.timers().count(script) >= Script::TimerLimit)
        return luaL_error(state, "too many timers (at most %d)",
                          static_cast<int>(Script::TimerLimit));
    const int callback = checkFunction(state, 2);
    const auto milliseconds = static_cast<std::int64_t>(std::llround(seconds * 1000));
    lua_pushinteger(state, script.timers().add(script, callback, milliseconds, repeat));
    return 1;
}

int after(lua_State* state) {
    return addTimer(state, false);
}

int every(lua_State* state) {
    return addTimer(state, true);
}

int cancel(lua_State* state) {
    Script& script = scriptOf(state);
    const lua_Integer id = luaL_checkinteger(state, 1);
    const auto callback = id > 0 && id <= INT_MAX
                              ? script.timers().cancel(script, static_cast<int>(id))
                              : std::nullopt;
    if (callback) script.release(*callback);
    lua_pushboolean(state, callback.has_value());
    return 1;
}

int me(lua_State* state) {
    pushText(state, scriptOf(state).context().me());
    return 1;
}

int channel(lua_State* state) {
    pushText(state, scriptOf(state).context().channel());
    return 1;
}

int users(lua_State* state) {
    const std::vector<ScriptUser> roster = scriptOf(state).context().users();
    lua_createtable(state, static_cast<int>(std::min<std::size_t>(roster.size(), INT_MAX)), 0);
    lua_Integer index = 0;
    for (const ScriptUser& user : roster) {
        lua_createtable(state, 0, 3);
        pushText(state, user.name);
        lua_setfield(state, -2, "name");
        pushText(state, user.product);
        lua_setfield(state, -2, "product");
        lua_pushinteger(state, user.flags);
        lua_setfield(state, -2, "flags");
        lua_rawseti(state, -2, ++index);
    }
    return 1;
}

int isOwner(lua_State* state) {
    lua_pushboolean(state, scriptOf(state).context().isOwner(checkText(state, 1)));
    return 1;
}

// The "members" level: members and owners alike.
int isMember(lua_State* state) {
    const std::string_view name = checkText(state, 1);
    const ScriptContext& context = scriptOf(state).context();
    lua_pushboolean(state, context.isMember(name) || context.isOwner(name));
    return 1;
}

int loggedOn(lua_State* state) {
    lua_pushboolean(state, scriptOf(state).context().loggedOn());
    return 1;
}

int store(lua_State* state) {
    Script& script = scriptOf(state);
    const std::string key(checkText(state, 1));
    std::optional<ScriptStore::Value> value;
    switch (lua_type(state, 2)) {
        case LUA_TNIL:
        case LUA_TNONE:
            break;
        case LUA_TSTRING:
            value = std::string(checkText(state, 2));
            break;
        case LUA_TBOOLEAN:
            value = lua_toboolean(state, 2) != 0;
            break;
        case LUA_TNUMBER:
            if (lua_isinteger(state, 2)) {
                value = static_cast<std::int64_t>(lua_tointeger(state, 2));
            } else {
                const lua_Number number = lua_tonumber(state, 2);
                if (!std::isfinite(number))
                    return luaL_argerror(state, 2, "only finite numbers are stored");
                value = static_cast<double>(number);
            }
            break;
        default:
            return luaL_argerror(state, 2, "stored values are texts, numbers or booleans");
    }
    if (!script.store().store(key, std::move(value)))
        return luaL_error(state, "the stored data would pass 1 MiB");
    script.noteDataChanged();
    return 0;
}

int fetch(lua_State* state) {
    const ScriptStore::Value* value =
        scriptOf(state).store().fetch(std::string(checkText(state, 1)));
    if (!value) {
        lua_pushnil(state);
    } else if (const auto* text = std::get_if<std::string>(value)) {
        pushText(state, *text);
    } else if (const auto* integer = std::get_if<std::int64_t>(value)) {
        lua_pushinteger(state, *integer);
    } else if (const auto* flag = std::get_if<bool>(value)) {
        lua_pushboolean(state, *flag);
    } else {
        lua_pushnumber(state, std::get<double>(*value));
    }
    return 1;
}

int keys(lua_State* state) {
    const std::vector<std::string> names = scriptOf(state).store().keys();
    lua_createtable(state, static_cast<int>(std::min<std::size_t>(names.size(), INT_MAX)), 0);
    lua_Integer index = 0;
    for (const std::string& name : names) {
        pushText(state, name);
        lua_rawseti(state, -2, ++index);
    }
    return 1;
}

int log(lua_State* state) {
    scriptOf(state).log(checkText(state, 1));
    return 0;
}

int time(lua_State* state) {
    lua_pushinteger(state, scriptOf(state).context().clock().epochSeconds());
    return 1;
}

}  // namespace

void ScriptApi::install(lua_State* state, Script& script) {
    static const luaL_Reg functions[] = {{"on", on},
                                         {"command", command},
                                         {"say", say},
                                         {"emote", emote},
                                         {"whisper", whisper},
                                         {"send", send},
                                         {"after", after},
                                         {"every", every},
                                         {"cancel", cancel},
                                         {"me", me},
                                         {"channel", channel},
                                         {"users", users},
                                         {"is_owner", isOwner},
                                         {"is_member", isMember},
                                         {"logged_on", loggedOn},
                                         {"store", store},
                                         {"fetch", fetch},
                                         {"keys", keys},
                                         {"log", log},
                                         {"time", time},
                                         {nullptr, nullptr}};
    lua_createtable(state, 0, static_cast<int>(std::size(functions)) - 1);
    lua_pushlightuserdata(state, &script);
    luaL_setfuncs(state, functions, 1);
    lua_setglobal(state, "verdo");
}

}  // namespace verdo
