// The pattern functions of the string library for scripts (see ScriptStrings.h).
#include "scripting/ScriptStrings.h"

#include <lua.hpp>
#include <string>
#include <string_view>

#include "scripting/LuaPattern.h"
#include "scripting/ScriptSandbox.h"

namespace verdo {
namespace {

// A matcher whose step limit follows what the script's budget has left, and
// whose steps are charged to it after every use.
class MeteredPattern {
  public:
    MeteredPattern(lua_State* state, std::string_view subject, std::string_view pattern)
        : state_(state),
          budget_(ScriptSandbox::of(state).budget()),
          pattern_(subject, pattern, budget_.remaining()) {}

    std::size_t matchAt(std::size_t start, std::size_t patternStart) {
        return guarded([&] { return pattern_.matchAt(start, patternStart); });
    }
    std::size_t findPlain(std::size_t start) {
        return guarded([&] { return pattern_.findPlain(start); });
    }
    const LuaPattern& pattern() const { return pattern_; }

  private:
    template <typename Work>
    std::size_t guarded(Work work) {
        pattern_.restart(budget_.remaining());
        std::string error;
        bool overran = false;
        std::size_t result = LuaPattern::NoMatch;
        try {
            result = work();
        } catch (const LuaPattern::Error& malformed) {
            error = malformed.what();
        } catch (const LuaPattern::StepLimit&) {
            overran = true;
        }
        budget_.charge(pattern_.steps());
        if (overran) ScriptSandbox::raiseOverrun(state_);
        if (!error.empty()) luaL_error(state_, "%s", error.c_str());
        return result;
    }

    lua_State* state_;
    ScriptBudget& budget_;
    LuaPattern pattern_;
};

// Lua's rule for a start position: negative counts from the end.
std::size_t startPosition(lua_Integer position, std::size_t length) {
    if (position > 0) return static_cast<std::size_t>(position);
    if (position == 0) return 1;
    if (position < -static_cast<lua_Integer>(length)) return 1;
    return length + static_cast<std::size_t>(position + 1);
}

std::string_view checkText(lua_State* state, int index) {
    std::size_t length = 0;
    const char* text = luaL_checklstring(state, index, &length);
    return {text, length};
}

void pushCapture(lua_State* state, const LuaPattern& pattern, std::string_view subject, int index,
                 std::size_t start, std::size_t end) {
    if (index >= pattern.captureCount()) {
        if (index != 0) luaL_error(state, "invalid capture index %%%d", index + 1);
        lua_pushlstring(state, subject.data() + start, end - start);
        return;
    }
    const LuaPattern::Capture& capture = pattern.capture(index);
    if (capture.length == LuaPattern::Unfinished) luaL_error(state, "unfinished capture");
    if (capture.length == LuaPattern::PositionCapture)
        lua_pushinteger(state, static_cast<lua_Integer>(capture.start + 1));
    else
        lua_pushlstring(state, subject.data() + capture.start,
                        static_cast<std::size_t>(capture.length));
}

// Pushes the captures, or the whole match when there are none and `whole`.
int pushCaptures(lua_State* state, const LuaPattern& pattern, std::string_view subject,
                 std::size_t start, std::size_t end, bool whole) {
    const int count = pattern.captureCount() == 0 && whole ? 1 : pattern.captureCount();
    luaL_checkstack(state, count, "too many captures");
    for (int i = 0; i < count; ++i)
        pushCapture(state, pattern, subject, i, start, end);
    return count;
}

int findOrMatch(lua_State* state, bool find) {
    const std::string_view subject = checkText(state, 1);
    std::string_view pattern = checkText(state, 2);
    const std::size_t init = startPosition(luaL_optinteger(state, 3, 1), subject.size());
    if (init > subject.size() + 1) {
        luaL_pushfail(state);
        return 1;
    }
    MeteredPattern matcher(state, subject, pattern);
    if (find && (lua_toboolean(state, 4) || LuaPattern::isPlain(pattern))) {
        const std::size_t at = matcher.findPlain(init - 1);
        if (at != LuaPattern::NoMatch) {
            lua_pushinteger(state, static_cast<lua_Integer>(at + 1));
            lua_pushinteger(state, static_cast<lua_Integer>(at + pattern.size()));
            return 2;
        }
        luaL_pushfail(state);
        return 1;
    }
    const bool anchored = !pattern.empty() && pattern.front() == '^';
    std::size_t start = init - 1;
    do {
        const std::size_t end = matcher.matchAt(start, anchored ? 1 : 0);
        if (end == LuaPattern::NoMatch) continue;
        if (!find) return pushCaptures(state, matcher.pattern(), subject, start, end, true);
        lua_pushinteger(state, static_cast<lua_Integer>(start + 1));
        lua_pushinteger(state, static_cast<lua_Integer>(end));
        return 2 + pushCaptures(state, matcher.pattern(), subject, 0, 0, false);
    } while (start++ < subject.size() && !anchored);
    luaL_pushfail(state);
    return 1;
}

int find(lua_State* state) {
    return findOrMatch(state, true);
}

int match(lua_State* state) {
    return findOrMatch(state, false);
}

// Where the iterator of gmatch stands; kept in a userdata upvalue.
struct MatchWalk {
    std::size_t next;
    std::size_t lastEnd;
};

int gmatchStep(lua_State* state) {
    const std::string_view subject = checkText(state, lua_upvalueindex(1));
    const std::string_view pattern = checkText(state, lua_upvalueindex(2));
    auto* walk = static_cast<MatchWalk*>(lua_touserdata(state, lua_upvalueindex(3)));
    MeteredPattern matcher(state, subject, pattern);
    for (std::size_t start = walk->next; start <= subject.size(); ++start) {
        const std::size_t end = matcher.matchAt(start, 0);
        if (end != LuaPattern::NoMatch && end != walk->lastEnd) {
            walk->next = walk->lastEnd = end;
            return pushCaptures(state, matcher.pattern(), subject, start, end, true);
        }
    }
    walk->next = subject.size() + 1;
    return 0;
}

int gmatch(lua_State* state) {
    const std::string_view subject = checkText(state, 1);
    checkText(state, 2);
    std::size_t init = startPosition(luaL_optinteger(state, 3, 1), subject.size()) - 1;
    if (init > subject.size()) init = subject.size() + 1;
    lua_settop(state, 2);
    auto* walk = static_cast<MatchWalk*>(lua_newuserdatauv(state, sizeof(MatchWalk), 0));
    *walk = {init, LuaPattern::NoMatch};
    lua_pushcclosure(state, gmatchStep, 3);
    return 1;
}

void addReplacementText(lua_State* state, luaL_Buffer& buffer, const LuaPattern& pattern,
                        std::string_view subject, std::size_t start, std::size_t end) {
    std::size_t length = 0;
    const char* text = lua_tolstring(state, 3, &length);
    const std::string_view replacement(text, length);
    for (std::size_t i = 0; i < replacement.size(); ++i) {
        const char c = replacement[i];
        if (c != '%') {
            luaL_addchar(&buffer, c);
            continue;
        }
        if (++i == replacement.size())
            luaL_error(state, "invalid use of '%%' in replacement string");
        const char next = replacement[i];
        if (next == '%') {
            luaL_addchar(&buffer, '%');
        } else if (next == '0') {
            luaL_addlstring(&buffer, subject.data() + start, end - start);
        } else if (next >= '1' && next <= '9') {
            pushCapture(state, pattern, subject, next - '1', start, end);
            luaL_tolstring(state, -1, nullptr);
            lua_remove(state, -2);
            luaL_addvalue(&buffer);
        } else {
            luaL_error(state, "invalid use of '%%' in replacement string");
        }
    }
}

void addReplacement(lua_State* state, luaL_Buffer& buffer, const LuaPattern& pattern,
                    std::string_view subject, std::size_t start, std::size_t end, int kind) {
    if (kind == LUA_TFUNCTION) {
        lua_pushvalue(state, 3);
        const int count = pushCaptures(state, pattern, subject, start, end, true);
        lua_call(state, count, 1);
    } else if (kind == LUA_TTABLE) {
        pushCapture(state, pattern, subject, 0, start, end);
        lua_gettable(state, 3);
    } else {
        addReplacementText(state, buffer, pattern, subject, start, end);
        return;
    }
    if (!lua_toboolean(state, -1)) {
        lua_pop(state, 1);
        luaL_addlstring(&buffer, subject.data() + start, end - start);
    } else if (!lua_isstring(state, -1)) {
        luaL_error(state, "invalid replacement value (a %s)", luaL_typename(state, -1));
    } else {
        luaL_addvalue(&buffer);
    }
}

int gsub(lua_State* state) {
    const std::string_view subject = checkText(state, 1);
    std::string_view pattern = checkText(state, 2);
    const int kind = lua_type(state, 3);
    const lua_Integer most =
        luaL_optinteger(state, 4, static_cast<lua_Integer>(subject.size()) + 1);
    luaL_argexpected(
        state,
        kind == LUA_TNUMBER || kind == LUA_TSTRING || kind == LUA_TFUNCTION || kind == LUA_TTABLE,
        3, "string/function/table");
    const bool anchored = !pattern.empty() && pattern.front() == '^';
    luaL_Buffer buffer;
    luaL_buffinit(state, &buffer);
    MeteredPattern matcher(state, subject, pattern);
    std::size_t at = 0;
    std::size_t lastEnd = LuaPattern::NoMatch;
    lua_Integer count = 0;
    while (count < most) {
        const std::size_t end = matcher.matchAt(at, anchored ? 1 : 0);
        if (end != LuaPattern::NoMatch && end != lastEnd) {
            ++count;
            addReplacement(state, buffer, matcher.pattern(), subject, at, end, kind);
            at = lastEnd = end;
        } else if (at < subject.size()) {
            luaL_addchar(&buffer, subject[at++]);
        } else {
            break;
        }
        if (anchored) break;
    }
    if (count == 0) {
        lua_pushvalue(state, 1);
    } else {
        luaL_addlstring(&buffer, subject.data() + at, subject.size() - at);
        luaL_pushresult(&buffer);
    }
    lua_pushinteger(state, count);
    return 2;
}

}  // namespace

void ScriptStrings::install(lua_State* state) {
    static const luaL_Reg functions[] = {
        {"find", find}, {"match", match}, {"gmatch", gmatch}, {"gsub", gsub}, {nullptr, nullptr}};
    luaL_setfuncs(state, functions, 0);
}

}  // namespace verdo
