// The session's events as scripts name them, with the arguments each handler
// receives, in one table.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "chat/SessionEvents.h"

namespace verdo {

enum class ScriptArguments {
    None,              // ()
    Text,              // (text)
    User,              // (user)
    UserText,          // (user, text)
    UserFlags,         // (user, flags)
    UserProductFlags,  // (user, product, flags)
};

struct ScriptEventName {
    SessionEventKind kind;
    std::string_view name;
    ScriptArguments arguments;
    // Acts like the automatic answers: runs only with the master switch on
    // (and, with a text, when it does not begin with the ignore prefix); a
    // handler that returns true makes the session skip those answers.
    bool answers;
};

inline constexpr std::array<ScriptEventName, 12> ScriptEventNames = {{
    {SessionEventKind::LoggedOn, "logon", ScriptArguments::Text, false},
    {SessionEventKind::ChannelJoined, "channel", ScriptArguments::Text, false},
    {SessionEventKind::UserInChannel, "user", ScriptArguments::UserProductFlags, false},
    {SessionEventKind::UserJoined, "join", ScriptArguments::UserProductFlags, true},
    {SessionEventKind::UserLeft, "leave", ScriptArguments::User, false},
    {SessionEventKind::FlagsChanged, "flags", ScriptArguments::UserFlags, false},
    {SessionEventKind::Talk, "talk", ScriptArguments::UserText, true},
    {SessionEventKind::Emote, "emote", ScriptArguments::UserText, true},
    {SessionEventKind::WhisperReceived, "whisper", ScriptArguments::UserText, true},
    {SessionEventKind::Info, "info", ScriptArguments::Text, false},
    {SessionEventKind::Error, "error", ScriptArguments::Text, false},
    {SessionEventKind::Disconnected, "disconnect", ScriptArguments::None, false},
}};

inline std::optional<std::size_t> scriptEventIndex(std::string_view name) {
    for (std::size_t i = 0; i < ScriptEventNames.size(); ++i)
        if (ScriptEventNames[i].name == name) return i;
    return std::nullopt;
}

inline std::optional<std::size_t> scriptEventIndex(SessionEventKind kind) {
    for (std::size_t i = 0; i < ScriptEventNames.size(); ++i)
        if (ScriptEventNames[i].kind == kind) return i;
    return std::nullopt;
}

}  // namespace verdo
