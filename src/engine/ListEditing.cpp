// The chat-file lists by name, and adding and removing their aligned items.
#include "engine/ListEditing.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "engine/AlignedLists.h"
#include "platform/AnsiText.h"
#include "records/OptionFields.h"

namespace verdo {
namespace {

// A name or channel: as long as the log-on field of the options that the
// same drop-down edits.
std::size_t nameLimit() {
    return OptionFields::find(OptionFields::options(), "user-name")->limit;
}
constexpr std::size_t ActionLimit = ListEditing::ActionLimit;

#define VERDO_COLUMN(expr) +[](ChatLists& l) -> tStringList& { return expr; }

// An entry list with its three response alternatives.
std::vector<ListColumn> withResponses(tStringList& (*entries)(ChatLists&),
                                      std::array<tStringList& (*)(ChatLists&), 3> responses) {
    return {{"entry", entries},
            {"response-1", responses[0]},
            {"response-2", responses[1]},
            {"response-3", responses[2]}};
}

std::vector<ChatListShape> makeShapes() {
    const std::size_t names = nameLimit();
    return {
        {"custom", "Custom user list", ListOrder::Append, {{"entry", VERDO_COLUMN(l.UserDef)}}},
        {"names",
         "User Name:",
         ListOrder::AppendUnique,
         {{"entry", VERDO_COLUMN(l.NameList), ColumnRule::Text, "", names},
          {"password", VERDO_COLUMN(l.PasswordList), ColumnRule::Text, "", names}}},
        {"servers", "Server List:", ListOrder::First, {{"entry", VERDO_COLUMN(l.ServerList)}}},
        {"homes",
         "Home Channel:",
         ListOrder::AppendUnique,
         {{"entry", VERDO_COLUMN(l.HomeList), ColumnRule::Text, "", names}}},
        {"channels",
         "Channels",
         ListOrder::Append,
         {{"entry", VERDO_COLUMN(l.ChannelList), ColumnRule::Text, "", names}}},
        {"owners", "Owners:", ListOrder::Append, {{"entry", VERDO_COLUMN(l.OwnerList)}}},
        {"members", "Members:", ListOrder::Append, {{"entry", VERDO_COLUMN(l.MemberList)}}},
        {"accounts",
         "Accounts",
         ListOrder::Append,
         {{"entry", VERDO_COLUMN(l.AccountList)}, {"number", VERDO_COLUMN(l.NumberList)}}},
        {"phrases", "Phrase to Respond to:", ListOrder::Append,
         withResponses(VERDO_COLUMN(l.PhraseList),
                       {VERDO_COLUMN(l.PhraseRes[0]), VERDO_COLUMN(l.PhraseRes[1]),
                        VERDO_COLUMN(l.PhraseRes[2])})},
        {"whispers", "Whisper to Respond to:", ListOrder::Append,
         withResponses(VERDO_COLUMN(l.WhisperList),
                       {VERDO_COLUMN(l.WhiserRes[0]), VERDO_COLUMN(l.WhiserRes[1]),
                        VERDO_COLUMN(l.WhiserRes[2])})},
        {"bans", "Ban These Users:", ListOrder::Append, {{"entry", VERDO_COLUMN(l.BanList)}}},
        {"exceptions",
         "Do NOT Ban These Users:",
         ListOrder::Append,
         {{"entry", VERDO_COLUMN(l.NoBanList)}}},
        {"joins", "User Name:", ListOrder::Append,
         withResponses(
             VERDO_COLUMN(l.UserJoinList),
             {VERDO_COLUMN(l.UserRes[0]), VERDO_COLUMN(l.UserRes[1]), VERDO_COLUMN(l.UserRes[2])})},
        {"timers",
         "Edit Response:",
         ListOrder::Append,
         {{"entry", VERDO_COLUMN(l.TimerList)},
          {"interval", VERDO_COLUMN(l.IntervalList), ColumnRule::Interval, "60"}}},
        {"commands",
         "Available Commands:",
         ListOrder::Append,
         {{"entry", VERDO_COLUMN(l.CommandList), ColumnRule::Text, "", ActionLimit},
          {"response", VERDO_COLUMN(l.CommandRes)},
          {"level", VERDO_COLUMN(l.CommandLevel), ColumnRule::Level, "1"}}},
        {"macros",
         "Macro Key:",
         ListOrder::ByMacroKey,
         {{"entry", VERDO_COLUMN(l.MacroKeys), ColumnRule::MacroLetter},
          {"action", VERDO_COLUMN(l.MacroList), ColumnRule::Text, "", ActionLimit}}},
    };
}

#undef VERDO_COLUMN

bool isNumberIn(std::string_view text, int low, int high) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc() && stop == end && value >= low && value <= high;
}

std::string checkValue(const ChatListShape& shape, const ListColumn& column, std::string& value) {
    const std::string what = std::string(shape.name) + " " + std::string(column.name) + ": ";
    if (value.find_first_of("\r\n") != std::string::npos)
        return what + "a line break cannot be stored";
    if (column.limit != 0 && value.size() > column.limit)
        return what + "too long (" + std::to_string(value.size()) + " characters, at most " +
               std::to_string(column.limit) + ")";
    switch (column.rule) {
        case ColumnRule::Text:
            return {};
        case ColumnRule::Level:
            return isNumberIn(value, 0, 2)
                       ? std::string()
                       : what + "expected 0 (any user), 1 (owners only) or 2 (members)";
        case ColumnRule::Interval:
            return isNumberIn(value, 0, 10000) ? std::string()
                                               : what + "expected seconds from 0 to 10000";
        case ColumnRule::MacroLetter:
            value = upperAZ(value);
            return value.size() == 1 && value[0] >= 'A' && value[0] <= 'Z'
                       ? std::string()
                       : what + "expected one letter A to Z (the key Ctrl-Alt-letter)";
    }
    return {};
}

// The shape's columns as the one set of aligned lists the dialog edits too;
// columns shorter than the entry list (a damaged file) are padded first.
AlignedLists columnsOf(ChatLists& lists, const ChatListShape& shape) {
    std::vector<tStringList*> followers;
    for (std::size_t c = 1; c < shape.columns.size(); ++c)
        followers.push_back(&shape.columns[c].in(lists));
    return AlignedLists(shape.columns.front().in(lists), std::move(followers));
}

void insertAt(ChatLists& lists, const ChatListShape& shape, std::size_t index,
              const std::vector<std::string>& values) {
    columnsOf(lists, shape).insert(index, values);
}

}  // namespace

const tStringList& ListColumn::of(const ChatLists& lists) const {
    // The accessor only selects a member; it never changes the lists.
    return in(const_cast<ChatLists&>(lists));
}

std::span<const ChatListShape> ListEditing::lists() {
    static const std::vector<ChatListShape> shapes = makeShapes();
    return shapes;
}

const ChatListShape* ListEditing::find(std::string_view name) {
    const auto all = lists();
    const auto found = std::find_if(all.begin(), all.end(), [name](const ChatListShape& shape) {
        return equalsIgnoreCaseAZ(shape.name, name);
    });
    return found == all.end() ? nullptr : &*found;
}

std::size_t ListEditing::limit(std::string_view list, std::string_view column) {
    const ChatListShape* shape = find(list);
    if (shape == nullptr) return 0;
    for (const ListColumn& each : shape->columns) {
        if (each.name == column) return each.limit;
    }
    return 0;
}

std::size_t ListEditing::count(const ChatLists& lists, const ChatListShape& shape) {
    return shape.columns.front().of(lists).size();
}

std::vector<std::string> ListEditing::item(const ChatLists& lists, const ChatListShape& shape,
                                           std::size_t index) {
    std::vector<std::string> values;
    for (const ListColumn& column : shape.columns) {
        const tStringList& list = column.of(lists);
        values.push_back(index < list.size() ? list[index] : std::string());
    }
    return values;
}

std::string ListEditing::check(const ChatListShape& shape, std::vector<std::string>& values) {
    if (values.empty() || values.size() > shape.columns.size()) {
        std::string usage;
        for (const ListColumn& column : shape.columns)
            usage += " " + upperAZ(column.name);
        return std::string(shape.name) + " takes" + usage;
    }
    if (values.front().empty()) return std::string(shape.name) + ": the entry is empty";
    for (std::size_t c = values.size(); c < shape.columns.size(); ++c)
        values.emplace_back(shape.columns[c].fill);
    for (std::size_t c = 0; c < shape.columns.size(); ++c) {
        if (std::string problem = checkValue(shape, shape.columns[c], values[c]); !problem.empty())
            return problem;
    }
    return {};
}

std::size_t ListEditing::add(ChatLists& lists, const ChatListShape& shape,
                             const std::vector<std::string>& values) {
    const std::size_t size = count(lists, shape);
    switch (shape.order) {
        case ListOrder::Append:
            insertAt(lists, shape, size, values);
            return size;
        case ListOrder::First:
            insertAt(lists, shape, 0, values);
            return 0;
        case ListOrder::AppendUnique:
            if (indexOf(lists, shape, values.front()) != size) return size;
            insertAt(lists, shape, size, values);
            return size;
        case ListOrder::ByMacroKey: {
            // One binding per letter: the new one replaces any earlier one.
            const tStringList& keys = shape.columns.front().of(lists);
            for (std::size_t i = keys.size(); i-- > 0;) {
                if (equalsIgnoreCaseAZ(keys[i], values.front())) removeAt(lists, shape, i);
            }
            const auto later = std::find_if(keys.begin(), keys.end(), [&values](const auto& key) {
                return upperAZ(key) > values.front();
            });
            const auto index = static_cast<std::size_t>(later - keys.begin());
            insertAt(lists, shape, index, values);
            return index;
        }
    }
    return size;
}

void ListEditing::removeAt(ChatLists& lists, const ChatListShape& shape, std::size_t index) {
    columnsOf(lists, shape).remove(index);
}

void ListEditing::clear(ChatLists& lists, const ChatListShape& shape) {
    columnsOf(lists, shape).clear();
}

std::size_t ListEditing::indexOf(const ChatLists& lists, const ChatListShape& shape,
                                 std::string_view entry) {
    const tStringList& entries = shape.columns.front().of(lists);
    const auto found = std::find_if(entries.begin(), entries.end(), [entry](const auto& item) {
        return equalsIgnoreCaseAZ(item, entry);
    });
    return static_cast<std::size_t>(found - entries.begin());
}

}  // namespace verdo
