// The built-in remote commands: the shape of their one table (the table and
// its handlers are in RemoteCommands.cpp, with the way to add one) and the
// default command list of a new chat file made from it.
#pragma once

#include <string>
#include <string_view>

#include "engine/ChatLists.h"

namespace verdo {

class EngineHost;
struct BuiltInCommand;
struct OptionField;

// Runs a built-in action for `user` with the text after the command word;
// returns the reply whispered back (empty: none).
using BuiltInAction = std::string (*)(EngineHost& host, const BuiltInCommand& row,
                                      const std::string& user, const std::string& parameter);

struct BuiltInCommand {
    std::string command;     // the default command word, "/join"
    std::string_view token;  // the command response that names the action, "<join>"
    std::string_view label;  // the reply, or its start before what was done
    BuiltInAction run;
    std::string_view missing = {};           // removals: the reply when the name is not listed
    tStringList ChatLists::*list = nullptr;  // list actions: the list
    const OptionField* option = nullptr;     // switch actions: the switch's row
};

// Replaces CommandList, CommandRes and CommandLevel by the built-in table:
// every action under its default word, for owners only (level "1").
void FillBuiltInCommands(ChatLists& lists);

}  // namespace verdo
