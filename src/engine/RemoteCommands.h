// RemoteCommands: whispers matched against the command table, run for users
// with the command's level and answered by a whisper. The built-in actions
// change switches and lists, join, say, disconnect or mail the members; any
// other response is expanded and sent like an answer.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/CommandTable.h"

namespace verdo {

class ChatFunctions;

class RemoteCommands {
  public:
    // User responses are expanded, sent and held back through `responses`.
    RemoteCommands(EngineHost& host, ChatFunctions& responses)
        : host_(host), responses_(responses) {}

    // Runs the command a whisper begins with when the whisperer has its
    // level, whatever the switches say.
    void ProcessCommand(const std::string& user, const std::string& message);
    // Whether any item of the command table begins the message, whatever its
    // level: such an item shadows the bot scripts' commands.
    bool matchesAnyCommand(std::string_view message) const;

    // The built-in actions, one row each, in the order of a new file's
    // command list.
    static std::span<const BuiltInCommand> builtIns();

  private:
    // The reply of a built-in action (empty: none); no value when `token` is
    // not an action token.
    std::optional<std::string> runBuiltIn(std::string_view token, const std::string& user,
                                          const std::string& parameter);
    void runUserResponse(const std::string& response, const std::string& user,
                         const std::string& parameter);

    EngineHost& host_;
    ChatFunctions& responses_;
};

}  // namespace verdo
