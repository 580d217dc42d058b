// Script: one loaded bot script: its sandbox, the handlers and commands it
// registered, the lines it asked to send during a call, and its state. Errors
// are shown with the script's name; ten within a minute, or running past the
// instruction budget, disable it.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "chat/SessionEvents.h"
#include "protocol/SendClass.h"
#include "scripting/ScriptEvents.h"
#include "scripting/ScriptSandbox.h"

namespace verdo {

class ScriptContext;
class ScriptStore;
class ScriptTimers;

enum class ScriptState {
    Running,   // loaded; its message is the last error, if any
    Failed,    // could not be loaded; the message says why
    Disabled,  // stopped by the user or for its errors or its work
};

enum class ScriptCommandLevel { Any, Members, Owners };

struct ScriptCommand {
    std::string word;
    ScriptCommandLevel level;
    int callback;  // a reference in the script's registry
};

class Script {
  public:
    static constexpr int ErrorLimit = 10;
    static constexpr std::int64_t ErrorWindowMilliseconds = 60'000;
    static constexpr std::size_t TimerLimit = 1000;

    // `dataChanged` runs after every change of the stored data.
    Script(std::filesystem::path path, ScriptContext& context, ScriptStore& store,
           ScriptTimers& timers, std::function<void(Script&)> dataChanged);
    ~Script();
    Script(const Script&) = delete;
    Script& operator=(const Script&) = delete;

    // The file name without ".lua": the name in messages and of the data file.
    static std::string nameOf(const std::filesystem::path& path);

    const std::filesystem::path& path() const { return path_; }
    const std::string& name() const { return name_; }
    ScriptState state() const { return state_; }
    const std::string& message() const { return message_; }
    std::size_t memoryUsed() const { return sandbox_ ? sandbox_->memoryUsed() : 0; }

    // Runs the script's text; false (and Failed) on a syntax or run error.
    bool start(std::string_view source);
    // Stops the script for `reason`, with an error line.
    void disable(const std::string& reason);
    // Marks a script that is not started (disabled by the user, unreadable),
    // without a line.
    void setUnstarted(ScriptState state, std::string message) {
        state_ = state;
        message_ = std::move(message);
    }

    // Runs the handlers of event `index` of ScriptEventNames; true when one
    // returned true.
    bool handle(std::size_t index, const SessionEvent& event);
    bool listensTo(std::size_t index) const { return !handlers_[index].empty(); }
    // The names of the events it listens to, in table order.
    std::vector<std::string_view> events() const;
    const std::vector<ScriptCommand>& commands() const { return commands_; }
    // Runs a command for `user`: the reply to whisper back ("" for none).
    std::string runCommand(const ScriptCommand& command, std::string_view user,
                           std::string_view parameter);
    // Runs a timer's callback; releases it when `last`.
    void runTimer(int callback, bool last);

    // For the verdo table: what the script registers and sends.
    void addHandler(std::size_t index, int callback);
    void addCommand(std::string word, ScriptCommandLevel level, int callback);
    void queueLine(std::string line);
    void release(int callback);
    void noteDataChanged() { dataChanged_(*this); }
    void log(std::string_view text);
    ScriptContext& context() { return context_; }
    ScriptStore& store() { return store_; }
    ScriptTimers& timers() { return timers_; }

  private:
    // Runs `work` in the sandbox; on an error reports it and returns false.
    template <typename Work>
    bool call(SendClass sendClass, Work&& work) {
        if (state_ != ScriptState::Running) return false;
        sendClass_ = sendClass;
        const auto error = sandbox_->run(work);
        if (!error) return true;
        fail(*error);
        return false;
    }
    // An event handler's call: as call, through the sandbox's direct path.
    template <typename Push, typename Read>
    bool callHandler(int callback, std::size_t argumentBytes, Push&& push, Read&& read) {
        if (state_ != ScriptState::Running) return false;
        sendClass_ = SendClass::Automatic;
        const auto error = sandbox_->call(callback, argumentBytes, push, read);
        if (!error) return true;
        fail(*error);
        return false;
    }
    void fail(const std::string& error);
    // Sends the queued lines; to a user's event only when the answer-loop
    // guard lets one more answer to `user` through. False when held back.
    bool deliver(std::optional<std::string_view> user, bool counts = false);

    std::filesystem::path path_;
    std::string name_;
    ScriptContext& context_;
    ScriptStore& store_;
    ScriptTimers& timers_;
    std::function<void(Script&)> dataChanged_;
    std::unique_ptr<ScriptSandbox> sandbox_;
    ScriptState state_ = ScriptState::Running;
    std::string message_;
    std::array<std::vector<int>, ScriptEventNames.size()> handlers_;
    std::vector<ScriptCommand> commands_;
    SendClass sendClass_ = SendClass::Automatic;
    std::vector<std::pair<std::string, SendClass>> queued_;
    std::deque<std::int64_t> errorTimes_;
};

}  // namespace verdo
