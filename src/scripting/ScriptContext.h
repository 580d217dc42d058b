// ScriptContext: everything bot scripts may ask of the program, and the only
// way they reach it. The session implements it; tests implement it with a
// recording fake. Texts are the program's 8-bit text.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Clock.h"
#include "platform/Random.h"
#include "platform/Timer.h"
#include "protocol/SendClass.h"

namespace verdo {

// One row of the channel roster as scripts see it.
struct ScriptUser {
    std::string name;
    std::string product;  // the four-letter code as the roster shows it
    std::uint32_t flags = 0;
};

class ScriptContext {
  public:
    virtual ~ScriptContext() = default;

    // One line through the session's paced, split, resend-on-refusal queue,
    // shown as automatic answers are. `line` has no line break; it is sent
    // as it is ("/w Ann hi", "/ban Zed", "hello").
    virtual void sendLine(std::string_view line, SendClass sendClass) = 0;

    // The name the server gave this program, the channel it is in, the roster
    // in its order.
    virtual std::string me() const = 0;
    virtual std::string channel() const = 0;
    virtual std::vector<ScriptUser> users() const = 0;
    // On the chat file's owner list, on its member list (whole names, case ignored).
    virtual bool isOwner(std::string_view name) const = 0;
    virtual bool isMember(std::string_view name) const = 0;
    virtual bool loggedOn() const = 0;
    // The "Master Event Switch" of the current chat file.
    virtual bool masterSwitch() const = 0;
    // The response ignore prefix: answers skip a text that begins with it.
    virtual bool hasIgnorePrefix(std::string_view text) const = 0;
    // Counts one automatic answer to `user` for the answer-loop guard; false
    // when the guard holds answers to that user back (then nothing is sent).
    virtual bool mayAnswer(std::string_view user) = 0;

    // An Info line and an Error line in the chat view (the console headless).
    virtual void showInfo(std::string_view text) = 0;
    virtual void showError(std::string_view text) = 0;

    virtual Clock& clock() = 0;
    virtual Random& random() = 0;
    // A new timer, disabled; the scripts' timers and the delayed data writes
    // run on it.
    virtual std::unique_ptr<Timer> createTimer() = 0;
};

}  // namespace verdo
