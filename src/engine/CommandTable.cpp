// The built-in remote command table (see CommandTable.h).
#include "engine/CommandTable.h"

namespace verdo {

void FillBuiltInCommands(ChatLists& lists) {
    lists.CommandList.clear();
    lists.CommandRes.clear();
    lists.CommandLevel.assign(BuiltInCommands.size(), "1");
    for (const BuiltInCommand& row : BuiltInCommands) {
        lists.CommandList.emplace_back(row.command);
        lists.CommandRes.emplace_back(row.token);
    }
}

}  // namespace verdo
