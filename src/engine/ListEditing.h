// ListEditing: the lists of a chat file by readable name, and the one set of
// rules for adding and removing their items. Index-aligned lists (a phrase
// with its three responses, a command with its response and level, a timer
// with its interval, a name with its password, an account with its number, a
// macro's key with its text) are one item of several columns: every edit
// touches every column at the same index, as the configuration dialog's
// editors do (through the same AlignedLists), so the columns never drift
// apart. The configuration dialog keeps names and passwords as two
// independent drop-downs; here a name is added with its password.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ChatLists.h"

namespace verdo {

// What a column accepts from a person (a stored file may hold anything).
enum class ColumnRule {
    Text,         // any text on one line
    Level,        // "0", "1" or "2": any user, owners only, members
    Interval,     // seconds, 0 to 10000
    MacroLetter,  // one letter A to Z, kept in capitals
};

struct ListColumn {
    std::string_view name;  // readable name of the column ("entry" for the first)
    tStringList& (*in)(ChatLists&);
    ColumnRule rule = ColumnRule::Text;
    // The value of a column a person leaves out when adding.
    std::string_view fill = "";
    // The longest value a person may enter; 0: no limit. The dialogs' input
    // fields for the column take it from here.
    std::size_t limit = 0;

    const tStringList& of(const ChatLists& lists) const;
};

// Where an added item goes, as the dialog puts it.
enum class ListOrder {
    Append,        // at the end
    First,         // at the top (servers: the new one is tried first)
    AppendUnique,  // at the end, unless already listed in any letter case (drop-downs)
    ByMacroKey,    // one item per key letter, in the order A to Z
};

struct ChatListShape {
    std::string_view name;     // "phrases"
    std::string_view caption;  // the dialog's caption
    ListOrder order;
    std::vector<ListColumn> columns;  // columns[0] is the entry
};

class ListEditing {
  public:
    // The longest action (a command word, a macro's text, a product action)
    // a person may enter. Names and channels take the limit of the log-on
    // fields of the options table.
    static constexpr std::size_t ActionLimit = 254;

    // Every list of a chat file, in the order of the ".ext" file.
    static std::span<const ChatListShape> lists();
    // By readable name (letters A to Z without case); null when unknown.
    static const ChatListShape* find(std::string_view name);
    // The limit of a list's column by readable names; 0 when it has none.
    static std::size_t limit(std::string_view list, std::string_view column = "entry");

    static std::size_t count(const ChatLists& lists, const ChatListShape& shape);
    // Item `index` as one value per column.
    static std::vector<std::string> item(const ChatLists& lists, const ChatListShape& shape,
                                         std::size_t index);

    // Checks `values` (entry first; columns left out get their fill) against
    // the columns' rules; empty when acceptable, or why not.
    static std::string check(const ChatListShape& shape, std::vector<std::string>& values);
    // Adds a checked item where the list's order puts it. Returns its index,
    // or count() when an AppendUnique list already holds the entry.
    static std::size_t add(ChatLists& lists, const ChatListShape& shape,
                           const std::vector<std::string>& values);
    // Removes item `index` from every column; an index out of range is ignored.
    static void removeAt(ChatLists& lists, const ChatListShape& shape, std::size_t index);
    // Empties every column.
    static void clear(ChatLists& lists, const ChatListShape& shape);
    // The first item whose entry equals `entry`, letters A to Z without case;
    // count() when there is none.
    static std::size_t indexOf(const ChatLists& lists, const ChatListShape& shape,
                               std::string_view entry);
};

}  // namespace verdo
