// The Lua state of one script (see ScriptSandbox.h).
#include "scripting/ScriptSandbox.h"

#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <lua.hpp>
#include <new>
#include <stdexcept>

#include "platform/Clock.h"
#include "platform/Random.h"
#include "scripting/ScriptStrings.h"

namespace verdo {
namespace {

// Base functions that reach files or the module system.
constexpr const char* RemovedGlobals[] = {"dofile", "loadfile", "require", "warn"};

// Room left under the memory cap, beyond the arguments, for pushing a call's
// arguments outside a protected call.
constexpr std::size_t DirectCallHeadroom = 64 * 1024;

// The conversions os.date accepts, as the C library writes them.
constexpr std::string_view DateConversions = "aAbBcCdDeFgGhHIjmMnprRStTuUVwWxXyYzZ%";

int panic(lua_State* state) {
    const char* message = lua_tostring(state, -1);
    throw std::runtime_error(message ? message : "unprotected Lua error");
}

// print: its arguments as tostring gives them, separated by tabs, to the log.
int print(lua_State* state) {
    const int count = lua_gettop(state);
    luaL_Buffer buffer;
    luaL_buffinit(state, &buffer);
    for (int i = 1; i <= count; ++i) {
        if (i > 1) luaL_addchar(&buffer, '\t');
        luaL_tolstring(state, i, nullptr);
        luaL_addvalue(&buffer);
    }
    luaL_pushresult(&buffer);
    std::size_t length = 0;
    const char* text = lua_tolstring(state, -1, &length);
    ScriptSandbox::of(state).log(std::string_view(text, length));
    return 0;
}

// load: text chunks only; a function as the source, or compiled code, is refused.
int load(lua_State* state) {
    std::size_t length = 0;
    const char* text = luaL_checklstring(state, 1, &length);
    const char* name = luaL_optstring(state, 2, text);
    const int status = luaL_loadbufferx(state, text, length, name, "t");
    if (status != LUA_OK) {
        luaL_pushfail(state);
        lua_insert(state, -2);
        return 2;
    }
    if (!lua_isnone(state, 4)) {
        lua_pushvalue(state, 4);
        if (!lua_setupvalue(state, -2, 1)) lua_pop(state, 1);
    }
    return 1;
}

int collectGarbage(lua_State* state) {
    const char* option = luaL_optstring(state, 1, "collect");
    if (std::strcmp(option, "count") != 0)
        return luaL_error(state, "collectgarbage: only \"count\" is available to scripts");
    const int kilobytes = lua_gc(state, LUA_GCCOUNT, 0);
    const int bytes = lua_gc(state, LUA_GCCOUNTB, 0);
    lua_pushnumber(state, static_cast<lua_Number>(kilobytes) + bytes / 1024.0);
    return 1;
}

int randomNumber(lua_State* state) {
    Random& random = ScriptSandbox::of(state).random();
    lua_Integer low = 1;
    lua_Integer high = 0;
    switch (lua_gettop(state)) {
        case 0: {
            const int draw = random.uniformInt(0, INT_MAX - 1);
            lua_pushnumber(state, static_cast<lua_Number>(draw) / INT_MAX);
            return 1;
        }
        case 1:
            high = luaL_checkinteger(state, 1);
            break;
        case 2:
            low = luaL_checkinteger(state, 1);
            high = luaL_checkinteger(state, 2);
            break;
        default:
            return luaL_error(state, "wrong number of arguments");
    }
    luaL_argcheck(state, low <= high, lua_gettop(state), "interval is empty");
    luaL_argcheck(state, low >= INT_MIN && high <= INT_MAX, lua_gettop(state),
                  "interval is outside the 32-bit range");
    lua_pushinteger(state, random.uniformInt(static_cast<int>(low), static_cast<int>(high)));
    return 1;
}

// The program's random source is seeded once at start; scripts do not reseed it.
int randomSeed(lua_State*) {
    return 0;
}

int osClock(lua_State* state) {
    lua_pushnumber(
        state,
        static_cast<lua_Number>(ScriptSandbox::of(state).clock().steadyMilliseconds()) / 1000.0);
    return 1;
}

int dateField(lua_State* state, const char* key, int fallback, int delta) {
    const int type = lua_getfield(state, -1, key);
    lua_Integer value = fallback;
    if (type != LUA_TNIL) {
        int isNumber = 0;
        value = lua_tointegerx(state, -1, &isNumber);
        if (!isNumber) return luaL_error(state, "field '%s' is not an integer", key);
        if (value < INT_MIN / 2 || value > INT_MAX / 2)
            return luaL_error(state, "field '%s' is out-of-bound", key);
        value -= delta;
    } else if (fallback < 0) {
        return luaL_error(state, "field '%s' missing in date table", key);
    }
    lua_pop(state, 1);
    return static_cast<int>(value);
}

int osTime(lua_State* state) {
    if (lua_isnoneornil(state, 1)) {
        lua_pushinteger(state, ScriptSandbox::of(state).clock().epochSeconds());
        return 1;
    }
    luaL_checktype(state, 1, LUA_TTABLE);
    lua_settop(state, 1);
    std::tm moment{};
    moment.tm_year = dateField(state, "year", -1, 1900);
    moment.tm_mon = dateField(state, "month", -1, 1);
    moment.tm_mday = dateField(state, "day", -1, 0);
    moment.tm_hour = dateField(state, "hour", 12, 0);
    moment.tm_min = dateField(state, "min", 0, 0);
    moment.tm_sec = dateField(state, "sec", 0, 0);
    lua_getfield(state, 1, "isdst");
    moment.tm_isdst = lua_isnil(state, -1) ? -1 : lua_toboolean(state, -1);
    lua_pop(state, 1);
    const std::time_t seconds = std::mktime(&moment);
    if (seconds == static_cast<std::time_t>(-1) && moment.tm_year != 69)
        return luaL_error(state, "time result cannot be represented in this installation");
    lua_pushinteger(state, static_cast<lua_Integer>(seconds));
    return 1;
}

void setDateField(lua_State* state, const char* key, int value) {
    lua_pushinteger(state, value);
    lua_setfield(state, -2, key);
}

int osDate(lua_State* state) {
    std::size_t length = 0;
    const char* format = luaL_optlstring(state, 1, "%c", &length);
    const std::time_t seconds = lua_isnoneornil(state, 2)
                                    ? ScriptSandbox::of(state).clock().epochSeconds()
                                    : static_cast<std::time_t>(luaL_checkinteger(state, 2));
    std::string_view pattern(format, length);
    std::tm moment{};
    const bool utc = !pattern.empty() && pattern.front() == '!';
    if (utc) pattern.remove_prefix(1);
    if ((utc ? gmtime_r(&seconds, &moment) : localtime_r(&seconds, &moment)) == nullptr)
        return luaL_error(state, "date result cannot be represented in this installation");
    if (pattern == "*t") {
        lua_createtable(state, 0, 9);
        setDateField(state, "year", moment.tm_year + 1900);
        setDateField(state, "month", moment.tm_mon + 1);
        setDateField(state, "day", moment.tm_mday);
        setDateField(state, "hour", moment.tm_hour);
        setDateField(state, "min", moment.tm_min);
        setDateField(state, "sec", moment.tm_sec);
        setDateField(state, "yday", moment.tm_yday + 1);
        setDateField(state, "wday", moment.tm_wday + 1);
        lua_pushboolean(state, moment.tm_isdst > 0);
        lua_setfield(state, -2, "isdst");
        return 1;
    }
    luaL_Buffer buffer;
    luaL_buffinit(state, &buffer);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%') {
            luaL_addchar(&buffer, pattern[i]);
            continue;
        }
        std::string conversion = "%";
        std::size_t at = i + 1;
        if (at < pattern.size() && (pattern[at] == 'E' || pattern[at] == 'O'))
            conversion += pattern[at++];
        if (at >= pattern.size() || DateConversions.find(pattern[at]) == std::string_view::npos)
            return luaL_argerror(state, 1, "invalid conversion specifier");
        conversion += pattern[at];
        i = at;
        char out[256];
        const std::size_t written = std::strftime(out, sizeof out, conversion.c_str(), &moment);
        luaL_addlstring(&buffer, out, written);
    }
    luaL_pushresult(&buffer);
    return 1;
}

void replaceField(lua_State* state, const char* name, lua_CFunction function) {
    if (function)
        lua_pushcfunction(state, function);
    else
        lua_pushnil(state);
    lua_setfield(state, -2, name);
}

int setUpState(lua_State* state) {
    // Most of what a handler makes (its arguments, a few texts) dies young:
    // the generational collector frees it for less work.
    lua_gc(state, LUA_GCGEN, 0, 0);
    luaL_requiref(state, LUA_GNAME, luaopen_base, 1);
    for (const char* name : RemovedGlobals)
        replaceField(state, name, nullptr);
    replaceField(state, "print", print);
    replaceField(state, "load", load);
    replaceField(state, "collectgarbage", collectGarbage);
    lua_pop(state, 1);

    luaL_requiref(state, LUA_STRLIBNAME, luaopen_string, 1);
    replaceField(state, "dump", nullptr);
    ScriptStrings::install(state);
    lua_pop(state, 1);

    luaL_requiref(state, LUA_TABLIBNAME, luaopen_table, 1);
    lua_pop(state, 1);
    luaL_requiref(state, LUA_UTF8LIBNAME, luaopen_utf8, 1);
    lua_pop(state, 1);

    luaL_requiref(state, LUA_MATHLIBNAME, luaopen_math, 1);
    replaceField(state, "random", randomNumber);
    replaceField(state, "randomseed", randomSeed);
    lua_pop(state, 1);

    lua_createtable(state, 0, 3);
    replaceField(state, "time", osTime);
    replaceField(state, "date", osDate);
    replaceField(state, "clock", osClock);
    lua_setglobal(state, "os");
    return 0;
}

}  // namespace

ScriptSandbox::ScriptSandbox(Clock& clock, Random& random, Log log)
    : clock_(clock), random_(random), log_(std::move(log)) {
    state_ = lua_newstate(&ScriptSandbox::allocate, &memory_);
    if (!state_) throw std::bad_alloc();
    *static_cast<ScriptSandbox**>(lua_getextraspace(state_)) = this;
    lua_atpanic(state_, panic);
    lua_sethook(state_, &ScriptSandbox::countInstructions, LUA_MASKCOUNT, HookInterval);
    if (run([](lua_State* state) { setUpState(state); })) {
        lua_close(state_);
        throw std::bad_alloc();
    }
}

ScriptSandbox::~ScriptSandbox() {
    // Finalizers that a script left behind run at close; they get no budget.
    budget_.exhaust();
    lua_sethook(state_, &ScriptSandbox::countInstructions, LUA_MASKCOUNT, 1);
    lua_close(state_);
}

ScriptSandbox& ScriptSandbox::of(lua_State* state) {
    return **static_cast<ScriptSandbox**>(lua_getextraspace(state));
}

void* ScriptSandbox::allocate(void* memory, void* block, std::size_t oldSize, std::size_t newSize) {
    auto& counted = *static_cast<Memory*>(memory);
    const std::size_t old = block ? oldSize : 0;
    if (newSize == 0) {
        std::free(block);
        counted.used -= old;
        return nullptr;
    }
    if (newSize > old && counted.used + (newSize - old) > counted.limit) return nullptr;
    void* moved = std::realloc(block, newSize);
    if (!moved) return nullptr;
    counted.used = counted.used - old + newSize;
    return moved;
}

void ScriptSandbox::countInstructions(lua_State* state, lua_Debug*) {
    ScriptSandbox& sandbox = of(state);
    if (sandbox.budget_.exhausted() || !sandbox.budget_.charge(HookInterval)) raiseOverrun(state);
}

void ScriptSandbox::raiseOverrun(lua_State* state) {
    of(state).budget_.exhaust();
    lua_sethook(state, &ScriptSandbox::countInstructions, LUA_MASKCOUNT, 1);
    luaL_error(state, "stopped: too much work in one go");
    std::abort();  // luaL_error does not return
}

std::optional<std::string> ScriptSandbox::runWork(void (*body)(void*, lua_State*), void* work) {
    budget_.startCall(clock_.steadyMilliseconds());
    const int top = lua_gettop(state_);
    Work call{body, work};
    lua_pushcfunction(state_, [](lua_State* state) {
        const auto* called = static_cast<const Work*>(lua_touserdata(state, 1));
        lua_remove(state, 1);
        called->body(called->work, state);
        return 0;
    });
    lua_pushlightuserdata(state_, &call);
    return finish(lua_pcall(state_, 1, 0, 0), top);
}

std::optional<std::string> ScriptSandbox::callWork(int callback, std::size_t argumentBytes,
                                                   int (*push)(void*, lua_State*), void* pushWork,
                                                   void (*read)(void*, lua_State*),
                                                   void* readWork) {
    // Pushing outside a protected call is safe only while no allocation can
    // fail; near the cap the arguments are pushed inside one.
    if (memory_.used + argumentBytes + DirectCallHeadroom > memory_.limit) {
        return run([&](lua_State* state) {
            lua_rawgeti(state, LUA_REGISTRYINDEX, callback);
            lua_call(state, push(pushWork, state), 1);
            read(readWork, state);
        });
    }
    budget_.startCall(clock_.steadyMilliseconds());
    const int top = lua_gettop(state_);
    lua_rawgeti(state_, LUA_REGISTRYINDEX, callback);
    const int status = lua_pcall(state_, push(pushWork, state_), 1, 0);
    if (status == LUA_OK) read(readWork, state_);
    return finish(status, top);
}

std::optional<std::string> ScriptSandbox::finish(int status, int top) {
    std::optional<std::string> error;
    if (status != LUA_OK) {
        std::size_t length = 0;
        const char* message =
            lua_type(state_, -1) == LUA_TSTRING ? lua_tolstring(state_, -1, &length) : nullptr;
        error = message
                    ? std::string(message, length)
                    : std::string("(error object is a ") + luaL_typename(state_, -1) + " value)";
    }
    lua_settop(state_, top);
    // An overrun left the hook counting every instruction; the next call
    // counts in batches again.
    if (lua_gethookcount(state_) != HookInterval)
        lua_sethook(state_, &ScriptSandbox::countInstructions, LUA_MASKCOUNT, HookInterval);
    return error;
}

}  // namespace verdo
