// The default command list of a new chat file (see CommandTable.h).
#include "engine/CommandTable.h"

#include "engine/RemoteCommands.h"

namespace verdo {

void FillBuiltInCommands(ChatLists& lists) {
    const std::span<const BuiltInCommand> commands = RemoteCommands::builtIns();
    lists.CommandList.clear();
    lists.CommandRes.clear();
    lists.CommandLevel.assign(commands.size(), "1");
    for (const BuiltInCommand& row : commands) {
        lists.CommandList.push_back(row.command);
        lists.CommandRes.emplace_back(row.token);
    }
}

}  // namespace verdo
