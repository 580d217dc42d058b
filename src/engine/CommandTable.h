// The built-in remote command table and the action tokens a command response
// can name.
#pragma once

#include <array>
#include <string_view>

#include "engine/ChatLists.h"

namespace verdo {

struct BuiltInCommand {
    std::string_view command;
    std::string_view token;
};

// All built-in commands are for owners only (level "1").
inline constexpr std::array<BuiltInCommand, 21> BuiltInCommands = {{
    {"/join", "<join>"},
    {"/disconnect", "<disconnect>"},
    {"/allevents", "<allevents>"},
    {"/say", "<say>"},
    {"/userjoin", "<userjoin>"},
    {"/ban", "<ban>"},
    {"/noban", "<noban>"},
    {"/phrase", "<phrase>"},
    {"/whisper", "<whisper>"},
    {"/timers", "<timers>"},
    {"/addowner", "<addowner>"},
    {"/deleteowner", "<deleteowner>"},
    {"/addmember", "<addmember>"},
    {"/deletemember", "<deletemember>"},
    {"/addban", "<addban>"},
    {"/deleteban", "<deleteban>"},
    {"/addnoban", "<addnoban>"},
    {"/deletenoban", "<deletenoban>"},
    {"/owners", "<owners>"},
    {"/members", "<members>"},
    {"/massmessage", "<messagemembers>"},
}};

// Replaces CommandList, CommandRes and CommandLevel by the built-in table.
void FillBuiltInCommands(ChatLists& lists);

}  // namespace verdo
