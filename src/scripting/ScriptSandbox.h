// ScriptSandbox: one Lua state for one script, with only what a script may
// use: the string, table, math and utf8 libraries, os.time, os.date and
// os.clock on the program's clock, and the base functions that cannot reach
// files or load compiled code. Memory is capped by its allocator, work by an
// instruction budget counted by a hook, and string matching runs on our own
// step-counting matcher.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "scripting/ScriptBudget.h"

struct lua_State;
struct lua_Debug;

namespace verdo {

class Clock;
class Random;

class ScriptSandbox {
  public:
    static constexpr std::size_t MemoryLimit = 64u << 20;
    // The hook counts instructions in batches of this many.
    static constexpr int HookInterval = 1000;

    using Log = std::function<void(std::string_view)>;

    // `log` receives what print writes. Throws std::bad_alloc when the state
    // cannot be made.
    ScriptSandbox(Clock& clock, Random& random, Log log);
    ~ScriptSandbox();
    ScriptSandbox(const ScriptSandbox&) = delete;
    ScriptSandbox& operator=(const ScriptSandbox&) = delete;

    lua_State* state() const { return state_; }
    ScriptBudget& budget() { return budget_; }
    std::size_t memoryUsed() const { return memory_.used; }
    Clock& clock() { return clock_; }
    Random& random() { return random_; }
    void log(std::string_view text) const { log_(text); }

    // Runs `work` inside a protected call with a fresh per-call budget: any
    // Lua error in it, a memory error included, ends the work. Returns the
    // error message, or nothing when the work finished.
    template <typename Work>
    std::optional<std::string> run(Work&& work) {
        return runWork(
            [](void* body, lua_State* state) {
                (*static_cast<std::remove_reference_t<Work>*>(body))(state);
            },
            &work);
    }
    // Calls the function behind the registry reference `callback` with the
    // arguments `push` puts on the stack (returning their count, at most
    // `argumentBytes` of text) and hands its one result to `read`, which must
    // not raise an error. As run, but the arguments go on the stack directly
    // when the memory cap leaves room for them, which spares the hot path of
    // event handlers a protected trampoline.
    template <typename Push, typename Read>
    std::optional<std::string> call(int callback, std::size_t argumentBytes, Push&& push,
                                    Read&& read) {
        return callWork(
            callback, argumentBytes,
            [](void* body, lua_State* state) {
                return (*static_cast<std::remove_reference_t<Push>*>(body))(state);
            },
            &push,
            [](void* body, lua_State* state) {
                (*static_cast<std::remove_reference_t<Read>*>(body))(state);
            },
            &read);
    }
    // Whether the last run stopped because the budget ran out.
    bool overran() const { return budget_.exhausted(); }

    // The sandbox a state belongs to.
    static ScriptSandbox& of(lua_State* state);
    // Ends the current call for running past the budget; every following
    // instruction fails too, so a script's own pcall cannot hold on.
    [[noreturn]] static void raiseOverrun(lua_State* state);

  private:
    // The work of run without its type: `body` calls `work`.
    struct Work {
        void (*body)(void*, lua_State*);
        void* work;
    };
    std::optional<std::string> runWork(void (*body)(void*, lua_State*), void* work);
    std::optional<std::string> callWork(int callback, std::size_t argumentBytes,
                                        int (*push)(void*, lua_State*), void* pushWork,
                                        void (*read)(void*, lua_State*), void* readWork);
    // The error of a protected call that ended with `status`; restores the
    // stack to `top`.
    std::optional<std::string> finish(int status, int top);

    struct Memory {
        std::size_t used = 0;
        std::size_t limit = MemoryLimit;
    };
    static void* allocate(void* memory, void* block, std::size_t oldSize, std::size_t newSize);
    static void countInstructions(lua_State* state, lua_Debug* debug);
    void setUp();

    Clock& clock_;
    Random& random_;
    Log log_;
    Memory memory_;
    ScriptBudget budget_;
    lua_State* state_ = nullptr;
};

}  // namespace verdo
