// One loaded bot script (see Script.h).
#include "scripting/Script.h"

#include <lua.hpp>

#include "platform/AnsiText.h"
#include "scripting/ScriptApi.h"
#include "scripting/ScriptContext.h"
#include "scripting/ScriptTimers.h"

namespace verdo {
namespace {

void pushText(lua_State* state, std::string_view text) {
    lua_pushlstring(state, text.data(), text.size());
}

int pushArguments(lua_State* state, ScriptArguments arguments, const SessionEvent& event) {
    switch (arguments) {
        case ScriptArguments::None:
            return 0;
        case ScriptArguments::Text:
            pushText(state, event.text);
            return 1;
        case ScriptArguments::User:
            pushText(state, event.user);
            return 1;
        case ScriptArguments::UserText:
            pushText(state, event.user);
            pushText(state, event.text);
            return 2;
        case ScriptArguments::UserFlags:
            pushText(state, event.user);
            lua_pushinteger(state, event.flags);
            return 2;
        case ScriptArguments::UserProductFlags:
            pushText(state, event.user);
            pushText(state, event.product);
            lua_pushinteger(state, event.flags);
            return 3;
    }
    return 0;
}

bool hasUser(ScriptArguments arguments) {
    return arguments != ScriptArguments::None && arguments != ScriptArguments::Text;
}

}  // namespace

Script::Script(std::filesystem::path path, ScriptContext& context, ScriptStore& store,
               ScriptTimers& timers, std::function<void(Script&)> dataChanged)
    : path_(std::move(path)),
      name_(nameOf(path_)),
      context_(context),
      store_(store),
      timers_(timers),
      dataChanged_(std::move(dataChanged)) {}

Script::~Script() {
    timers_.dropAll(*this);
}

std::string Script::nameOf(const std::filesystem::path& path) {
    return path.stem().string();
}

bool Script::start(std::string_view source) {
    try {
        sandbox_ = std::make_unique<ScriptSandbox>(context_.clock(), context_.random(),
                                                   [this](std::string_view text) { log(text); });
    } catch (const std::bad_alloc&) {
        state_ = ScriptState::Failed;
        message_ = "not enough memory to start";
        context_.showError("[" + name_ + "] " + message_);
        return false;
    }
    const std::string chunkName = "@" + path_.filename().string();
    sendClass_ = SendClass::Automatic;
    const auto error = sandbox_->run([&](lua_State* state) {
        ScriptApi::install(state, *this);
        if (luaL_loadbufferx(state, source.data(), source.size(), chunkName.c_str(), "t") != LUA_OK)
            lua_error(state);
        lua_call(state, 0, 0);
    });
    deliver(std::nullopt);
    if (!error) return true;
    timers_.dropAll(*this);
    state_ = ScriptState::Failed;
    message_ = sandbox_->overran() ? sandbox_->budget().reason() : *error;
    context_.showError("[" + name_ + "] " + message_);
    return false;
}

void Script::disable(const std::string& reason) {
    if (state_ == ScriptState::Disabled) return;
    state_ = ScriptState::Disabled;
    message_ = reason;
    timers_.dropAll(*this);
    context_.showError("[" + name_ + "] disabled: " + reason);
}

void Script::fail(const std::string& error) {
    if (sandbox_->overran()) {
        disable(sandbox_->budget().reason());
        return;
    }
    message_ = error;
    context_.showError("[" + name_ + "] " + error);
    const std::int64_t now = context_.clock().steadyMilliseconds();
    errorTimes_.push_back(now);
    while (!errorTimes_.empty() && now - errorTimes_.front() >= ErrorWindowMilliseconds)
        errorTimes_.pop_front();
    if (errorTimes_.size() >= static_cast<std::size_t>(ErrorLimit))
        disable(std::to_string(ErrorLimit) + " errors within a minute");
}

bool Script::deliver(std::optional<std::string_view> user, bool counts) {
    if (queued_.empty() && !counts) return true;
    auto lines = std::move(queued_);
    queued_.clear();
    if (user && !context_.mayAnswer(*user)) return false;
    for (const auto& [line, sendClass] : lines)
        context_.sendLine(line, sendClass);
    return true;
}

bool Script::handle(std::size_t index, const SessionEvent& event) {
    const ScriptEventName& info = ScriptEventNames[index];
    const std::optional<std::string_view> user =
        hasUser(info.arguments) ? std::optional<std::string_view>(event.user) : std::nullopt;
    bool handled = false;
    // A handler may register more handlers while it runs; they run too.
    for (std::size_t i = 0; i < handlers_[index].size(); ++i) {
        const int callback = handlers_[index][i];
        bool result = false;
        if (!callHandler(
                callback, event.user.size() + event.text.size() + event.product.size(),
                [&](lua_State* state) { return pushArguments(state, info.arguments, event); },
                [&](lua_State* state) {
                    result = lua_isboolean(state, -1) && lua_toboolean(state, -1);
                })) {
            queued_.clear();
            if (state_ != ScriptState::Running) break;
            continue;
        }
        deliver(user);
        handled = handled || result;
    }
    return handled;
}

std::vector<std::string_view> Script::events() const {
    std::vector<std::string_view> names;
    for (std::size_t i = 0; i < ScriptEventNames.size(); ++i)
        if (!handlers_[i].empty()) names.push_back(ScriptEventNames[i].name);
    return names;
}

std::string Script::runCommand(const ScriptCommand& command, std::string_view user,
                               std::string_view parameter) {
    std::string reply;
    const bool ran = call(SendClass::Command, [&](lua_State* state) {
        lua_rawgeti(state, LUA_REGISTRYINDEX, command.callback);
        pushText(state, user);
        pushText(state, parameter);
        lua_call(state, 2, 1);
        if (lua_isnil(state, -1)) return;
        if (!lua_isstring(state, -1))
            luaL_error(state, "the command \"%s\" returned a %s; it returns a text or nil",
                       command.word.c_str(), luaL_typename(state, -1));
        std::size_t length = 0;
        const char* text = lua_tolstring(state, -1, &length);
        reply.assign(text, length);
        if (reply.find_first_of("\r\n") != std::string::npos)
            luaL_error(state, "the reply of \"%s\" holds a line break", command.word.c_str());
    });
    if (!ran) {
        queued_.clear();
        return {};
    }
    if (!deliver(user, !reply.empty())) return {};
    return reply;
}

void Script::runTimer(int callback, bool last) {
    // Like timed messages, script timers act only while logged on with the
    // master switch on; a time that comes due otherwise is skipped.
    if (context_.loggedOn() && context_.masterSwitch()) {
        if (call(SendClass::Timed, [&](lua_State* state) {
                lua_rawgeti(state, LUA_REGISTRYINDEX, callback);
                lua_call(state, 0, 0);
            }))
            deliver(std::nullopt);
        else
            queued_.clear();
    }
    if (last) release(callback);
}

void Script::addHandler(std::size_t index, int callback) {
    handlers_[index].push_back(callback);
}

void Script::addCommand(std::string word, ScriptCommandLevel level, int callback) {
    for (ScriptCommand& command : commands_) {
        if (!equalsIgnoreCaseAZ(command.word, word)) continue;
        release(command.callback);
        command = {std::move(word), level, callback};
        return;
    }
    commands_.push_back({std::move(word), level, callback});
}

void Script::queueLine(std::string line) {
    queued_.emplace_back(std::move(line), sendClass_);
}

void Script::release(int callback) {
    if (sandbox_ && state_ != ScriptState::Failed)
        luaL_unref(sandbox_->state(), LUA_REGISTRYINDEX, callback);
}

void Script::log(std::string_view text) {
    context_.showInfo("[" + name_ + "] " + std::string(text));
}

}  // namespace verdo
