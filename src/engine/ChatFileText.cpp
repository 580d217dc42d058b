// Writing a chat file as a text document and reading it back (see ChatFileText.h).
#include "engine/ChatFileText.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <span>

#include "engine/BuiltInLists.h"
#include "engine/ChatFile.h"
#include "engine/ListEditing.h"
#include "platform/AnsiText.h"
#include "platform/PrintableText.h"
#include "platform/Utf8.h"
#include "records/OptionFields.h"

namespace verdo {
namespace {

constexpr std::string_view Header =
    "# VerdoChat chat file as text: \"verdochat chatfile import\" makes the chat file from it.\n"
    "# [section] lines, then \"name = value\" lines; lines starting with # or ; are comments.\n"
    "# Values are taken without the blanks around them; one that begins or ends with a blank\n"
    "# is in double quotes. Escapes: \\\\ \\\" \\t \\r \\n and \\xHH for any byte.\n"
    "# In a list, \"entry\" starts an item and its aligned columns follow it.\n"
    "# residue-OFFSET lines hold the record bytes no option shows; keep them as they are.\n";
// After HiddenLine in a document that hides passwords.
constexpr std::string_view HiddenHeader =
    "# Each \"********\" stands for the password the chat file imported into holds\n"
    "# (for a name, the password of the same name there); \"chatfile export\n"
    "# --show-passwords\" writes them, and any other value is taken as written.\n";

constexpr std::string_view ResiduePrefix = "residue-";
// Runs of residue closer than this are written as one.
constexpr std::size_t ResidueGap = 8;

void appendHexByte(std::string& out, unsigned char byte) {
    constexpr char Digits[] = "0123456789abcdef";
    out += Digits[byte >> 4];
    out += Digits[byte & 15];
}

std::optional<unsigned char> hexByte(std::string_view two) {
    unsigned value = 0;
    for (const char c : two) {
        value <<= 4;
        if (c >= '0' && c <= '9')
            value |= static_cast<unsigned>(c - '0');
        else if (c >= 'a' && c <= 'f')
            value |= static_cast<unsigned>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F')
            value |= static_cast<unsigned>(c - 'A' + 10);
        else
            return std::nullopt;
    }
    return static_cast<unsigned char>(value);
}

// A UTF-8 character the document writes as it is: the C1 and bidirectional
// controls are written as escapes, so no viewer reorders or steers by them.
bool isPrintableSequence(std::string_view sequence) {
    return printableText(sequence, true) == sequence;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A value of a line: quoted or bare, with escapes; nullopt when malformed.
std::optional<std::string> unquote(std::string_view raw) {
    raw = trim(raw);
    const bool quoted = !raw.empty() && raw.front() == '"';
    if (quoted) raw.remove_prefix(1);
    std::string value;
    std::size_t i = 0;
    for (; i < raw.size(); ++i) {
        const char c = raw[i];
        if (quoted && c == '"') break;
        if (c != '\\') {
            value += c;
            continue;
        }
        if (++i == raw.size()) return std::nullopt;
        switch (raw[i]) {
            case '\\':
                value += '\\';
                break;
            case '"':
                value += '"';
                break;
            case 't':
                value += '\t';
                break;
            case 'r':
                value += '\r';
                break;
            case 'n':
                value += '\n';
                break;
            case 'x': {
                const auto byte = i + 2 < raw.size() ? hexByte(raw.substr(i + 1, 2))
                                                     : std::optional<unsigned char>();
                if (!byte) return std::nullopt;
                value += static_cast<char>(*byte);
                i += 2;
                break;
            }
            default:
                return std::nullopt;
        }
    }
    if (quoted && (i == raw.size() || !trim(raw.substr(i + 1)).empty())) return std::nullopt;
    return value;
}

// A listing for a person shows what could steer the terminal or reorder the
// line as "?"; the document keeps every byte as an escape.
void writeLine(std::string& out, std::string_view name, std::string_view value, TextDetail detail) {
    out.append(name);
    out += " =";
    if (value.empty()) {
        out += '\n';
        return;
    }
    out += ' ';
    out += ChatFileText::quote(detail == TextDetail::Readable ? printableText(value)
                                                              : std::string(value));
    out += '\n';
}

// The record a new chat file starts with: what import builds on and what the
// residue of an exported record is measured against.
void newOptions(tOptions& options) {
    ChatLists lists;
    tUserList users;
    NewChatFile({options, lists, users});
}

// The whole width of a text field: its length byte and every character it
// can hold, whatever its value's length.
std::size_t fieldWidth(const OptionField& field) {
    return 1 + field.capacity;
}

// Every byte of `record` that none of `fields` writes and that differs from
// `base`, as runs of offset and bytes; none of the field `secret`.
std::vector<std::pair<std::size_t, std::string_view>> residueOf(std::span<const OptionField> fields,
                                                                const std::uint8_t* record,
                                                                const std::uint8_t* base,
                                                                std::size_t size,
                                                                const OptionField* secret) {
    std::vector<bool> covered(size, false);
    for (const OptionField& field : fields) {
        const std::size_t width = &field == secret ? fieldWidth(field) : field.footprint(record);
        std::fill_n(covered.begin() + static_cast<std::ptrdiff_t>(field.offset), width, true);
    }
    std::vector<std::pair<std::size_t, std::string_view>> runs;
    const char* bytes = reinterpret_cast<const char*>(record);
    std::size_t i = 0;
    while (i < size) {
        if (covered[i] || record[i] == base[i]) {
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        for (std::size_t j = end; j < size && !covered[j] && j - end < ResidueGap; ++j)
            if (record[j] != base[j]) end = j + 1;
        runs.emplace_back(i, std::string_view(bytes + i, end - i));
        i = end;
    }
    return runs;
}

// Writes a record's values and residue; `secret`, when given, is written as
// the mask and its field's residue is left out. Returns whether anything was
// left out.
bool writeRecord(std::string& out, std::span<const OptionField> fields, const std::uint8_t* record,
                 const std::uint8_t* base, std::size_t size, TextDetail detail,
                 const OptionField* secret = nullptr) {
    bool withheld = false;
    for (const OptionField& field : fields) {
        const std::string value = field.format(record);
        const bool hide = &field == secret;
        withheld = withheld || (hide && !value.empty());
        writeLine(out, field.name, hide ? ChatFileText::hidden(value) : value, detail);
    }
    if (detail != TextDetail::Complete) return withheld;
    if (secret != nullptr) {
        // What an older, longer password left behind the hidden one.
        for (std::size_t i = secret->offset + secret->footprint(record);
             i < secret->offset + fieldWidth(*secret); ++i)
            withheld = withheld || record[i] != base[i];
    }
    for (const auto& [offset, bytes] : residueOf(fields, record, base, size, secret)) {
        std::string hex;
        for (const char byte : bytes)
            appendHexByte(hex, static_cast<unsigned char>(byte));
        writeLine(out, std::string(ResiduePrefix) + std::to_string(offset), hex, detail);
    }
    return withheld;
}

void writeNumber(std::string& out, TextDetail detail, std::size_t index) {
    if (detail == TextDetail::Readable) out += "# " + std::to_string(index + 1) + "\n";
}

// The log-on password of the options.
const OptionField* passwordOption() {
    return OptionFields::find(OptionFields::options(), ChatFileText::PasswordOption);
}

// The password column of the names list.
const ListColumn& passwordColumn() {
    const ChatListShape& shape = *ListEditing::find(ChatFileText::PasswordList);
    return *std::find_if(shape.columns.begin(), shape.columns.end(), [](const ListColumn& c) {
        return c.name == ChatFileText::PasswordColumn;
    });
}

// Writes a list's items; `secret`, when given, is written as the mask.
// Returns whether a value was left out.
bool writeList(std::string& out, const ChatListShape& shape, const ChatLists& lists,
               TextDetail detail, const ListColumn* secret) {
    bool withheld = false;
    std::size_t groups = 0;
    for (const ListColumn& column : shape.columns)
        groups = std::max(groups, column.of(lists).size());
    for (std::size_t i = 0; i < groups; ++i) {
        writeNumber(out, detail, i);
        for (const ListColumn& column : shape.columns) {
            const tStringList& items = column.of(lists);
            if (i >= items.size()) continue;
            const bool hide = &column == secret;
            withheld = withheld || (hide && !items[i].empty());
            writeLine(out, column.name, hide ? ChatFileText::hidden(items[i]) : items[i], detail);
        }
    }
    return withheld;
}

// One "name = value" line of the document.
struct Line {
    std::size_t number;
    std::string name;
    std::string value;
};

std::string lineError(std::size_t number, std::string_view why) {
    return "line " + std::to_string(number) + ": " + std::string(why);
}

// Bytes of a record that no residue line may change: the options record's
// format version, which only the loader and saver set.
struct Locked {
    std::size_t begin = 0;
    std::size_t end = 0;
};

// A "residue-OFFSET = hex" line into `record`; empty or why not.
std::string applyResidue(const Line& line, std::uint8_t* record, std::size_t size, Locked locked) {
    const std::string_view offsetText = std::string_view(line.name).substr(ResiduePrefix.size());
    std::size_t offset = 0;
    for (const char c : offsetText) {
        if (c < '0' || c > '9' || offset > size) return "bad residue offset";
        offset = offset * 10 + static_cast<std::size_t>(c - '0');
    }
    const std::string& hex = line.value;
    if (offsetText.empty() || hex.size() % 2 != 0 || offset + hex.size() / 2 > size)
        return "residue does not fit the record";
    if (offset < locked.end && offset + hex.size() / 2 > locked.begin)
        return "residue cannot change the format version";
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const auto byte = hexByte(std::string_view(hex).substr(i, 2));
        if (!byte) return "residue is not hex bytes";
        record[offset + i / 2] = *byte;
    }
    return {};
}

// The lines of one record: residue first, then the values, which win.
std::string applyRecord(const std::vector<Line>& lines, std::span<const OptionField> fields,
                        std::uint8_t* record, std::size_t size, OptionInput input,
                        Locked locked = {}) {
    for (const Line& line : lines) {
        if (!startsWithIgnoreCaseAZ(line.name, ResiduePrefix)) continue;
        if (std::string why = applyResidue(line, record, size, locked); !why.empty())
            return lineError(line.number, why);
    }
    for (const Line& line : lines) {
        if (startsWithIgnoreCaseAZ(line.name, ResiduePrefix)) continue;
        const OptionField* field = OptionFields::find(fields, line.name);
        if (field == nullptr) return lineError(line.number, "unknown name \"" + line.name + "\"");
        if (std::string why = field->store(record, line.value, input); !why.empty())
            return lineError(line.number, why);
    }
    return {};
}

bool holdsLineBreak(std::string_view value) {
    return value.find_first_of("\r\n") != std::string_view::npos;
}

// The document cut into sections of lines, checked for form only.
struct Section {
    std::size_t number;
    std::string name;
    std::vector<Line> lines;
};

std::string splitSections(std::string_view text, std::vector<Section>& sections) {
    std::size_t number = 0;
    while (!text.empty()) {
        const std::size_t stop = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, stop);
        text.remove_prefix(std::min(stop + 1, text.size()));
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::string_view content = trim(line);
        if (content.empty() || content.front() == '#' || content.front() == ';') continue;
        if (content.front() == '[') {
            if (content.back() != ']') return lineError(number, "a section line ends in \"]\"");
            sections.push_back(
                {number, std::string(trim(content.substr(1, content.size() - 2))), {}});
            continue;
        }
        const std::size_t equals = content.find('=');
        if (equals == std::string_view::npos)
            return lineError(number, "expected \"name = value\" or \"[section]\"");
        if (sections.empty()) return lineError(number, "a value before the first [section]");
        const auto value = unquote(content.substr(equals + 1));
        if (!value) return lineError(number, "malformed value (quotes or escapes)");
        sections.back().lines.push_back({number, lowerAZ(trim(content.substr(0, equals))), *value});
    }
    return {};
}

// `kept`, in a document that hides passwords: the record whose password a
// masked one stands for.
std::string readOptions(const Section& section, tOptions& options, ChatLists& lists,
                        OptionInput input, const tOptions* kept) {
    std::set<std::string> seen;
    std::vector<Line> recordLines;
    bool keepPassword = false;
    for (const Line& line : section.lines) {
        if (!seen.insert(line.name).second)
            return lineError(line.number, "\"" + line.name + "\" is given twice");
        if (kept != nullptr && line.name == ChatFileText::PasswordOption &&
            line.value == ChatFileText::PasswordMask) {
            keepPassword = true;
            continue;
        }
        const int action = ChatFileText::productActionIndex(line.name);
        if (action < 0) {
            recordLines.push_back(line);
            continue;
        }
        if (holdsLineBreak(line.value))
            return lineError(line.number, "a line break cannot be stored in a product action");
        lists.ProductActions[static_cast<std::size_t>(action)] = line.value;
    }
    constexpr Locked version{tOptions::FormatVersionOffset,
                             tOptions::FormatVersionOffset + tOptions::FormatVersionSize};
    if (std::string why = applyRecord(recordLines, OptionFields::options(), options.data(),
                                      tOptions::Size, input, version);
        !why.empty())
        return why;
    if (keepPassword) {
        // The whole field, so that the chat file's own bytes stay as they were.
        const OptionField& field = *passwordOption();
        std::copy_n(kept->data() + field.offset, fieldWidth(field), options.data() + field.offset);
    }
    return {};
}

// In a document that hides passwords, each masked password beside a name
// becomes the password of the same name in `kept`, none for a new name. A
// name listed more than once takes for its n-th listing the password of the
// n-th listing there (of the first, when there are fewer), and a password
// beside no name (a damaged file) that of a password beside no name at its
// place, so that the chat file a document came from reads it back unchanged.
void keepNamePasswords(ChatLists& lists, const ChatLists& kept) {
    const ListColumn& namesColumn = ListEditing::find(ChatFileText::PasswordList)->columns.front();
    tStringList& passwords = passwordColumn().in(lists);
    const tStringList& names = namesColumn.of(lists);
    const tStringList& keptNames = namesColumn.of(kept);
    const tStringList& keptPasswords = passwordColumn().of(kept);
    const auto keptPassword = [&](std::size_t at) {
        return at < keptPasswords.size() ? keptPasswords[at] : std::string();
    };
    for (std::size_t i = 0; i < passwords.size(); ++i) {
        if (passwords[i] != ChatFileText::PasswordMask) continue;
        if (i >= names.size()) {
            passwords[i] = i >= keptNames.size() ? keptPassword(i) : std::string();
            continue;
        }
        const auto same = [&](const std::string& name) {
            return equalsIgnoreCaseAZ(name, names[i]);
        };
        const auto earlier =
            std::count_if(names.begin(), names.begin() + static_cast<std::ptrdiff_t>(i), same);
        std::optional<std::size_t> first;
        std::optional<std::size_t> match;
        for (std::size_t k = 0, seen = 0; k < keptNames.size() && !match; ++k) {
            if (!same(keptNames[k])) continue;
            if (!first) first = k;
            if (seen++ == static_cast<std::size_t>(earlier)) match = k;
        }
        if (!match) match = first;
        passwords[i] = match ? keptPassword(*match) : std::string();
    }
}

std::string readList(const Section& section, const ChatListShape& shape, ChatLists& lists) {
    ListEditing::clear(lists, shape);
    std::size_t group = 0;
    std::set<std::string_view> inGroup;
    bool started = false;
    for (const Line& line : section.lines) {
        const auto column =
            std::find_if(shape.columns.begin(), shape.columns.end(),
                         [&line](const ListColumn& c) { return c.name == line.name; });
        if (column == shape.columns.end())
            return lineError(line.number, "unknown column \"" + line.name + "\" in [" +
                                              std::string(shape.name) + "]");
        if (holdsLineBreak(line.value))
            return lineError(line.number, "a line break cannot be stored in a list");
        // "entry" or a column given again begins the next item.
        if (started && (column == shape.columns.begin() || inGroup.count(column->name) != 0)) {
            ++group;
            inGroup.clear();
        }
        started = true;
        inGroup.insert(column->name);
        tStringList& items = column->in(lists);
        if (items.size() < group) items.resize(group);
        items.push_back(line.value);
    }
    return {};
}

std::string readUsers(const Section& section, tUserList& users, OptionInput input) {
    std::vector<std::vector<Line>> records;
    for (const Line& line : section.lines) {
        if (line.name == "name" && records.size() == tUserList::MaxRecords)
            return lineError(line.number, "more than " + std::to_string(tUserList::MaxRecords) +
                                              " user records");
        if (line.name == "name")
            records.emplace_back();
        else if (records.empty())
            return lineError(line.number, "a user record starts with \"name\"");
        records.back().push_back(line);
    }
    for (const auto& lines : records) {
        auto user = std::make_unique<tUser>();
        if (std::string why =
                applyRecord(lines, OptionFields::userRecord(), user->data(), tUser::Size, input);
            !why.empty())
            return why;
        users.Add(std::move(user));
    }
    return {};
}

}  // namespace

std::vector<std::string_view> ChatFileText::sections() {
    std::vector<std::string_view> names = {OptionsSection};
    for (const ChatListShape& shape : ListEditing::lists())
        names.push_back(shape.name);
    names.push_back(UsersSection);
    return names;
}

std::string ChatFileText::write(const tOptions& options, const ChatLists& lists,
                                const tUserList& users, TextDetail detail, std::string_view section,
                                Passwords passwords) {
    std::string out;
    const bool all = section.empty();
    if (all && detail == TextDetail::Complete) out += Header;
    const auto heading = [&out](std::string_view name) {
        if (!out.empty()) out += '\n';
        out += "[" + std::string(name) + "]\n";
    };
    const bool hide = passwords == Passwords::Hidden;
    bool withheld = false;
    if (all || equalsIgnoreCaseAZ(section, OptionsSection)) {
        heading(OptionsSection);
        tOptions base;
        newOptions(base);
        withheld = writeRecord(out, OptionFields::options(), options.data(), base.data(),
                               tOptions::Size, detail, hide ? passwordOption() : nullptr);
        for (std::size_t i = 0; i < ProductActionFields.size(); ++i)
            writeLine(out, ProductActionFields[i].name, lists.ProductActions[i], detail);
    }
    for (const ChatListShape& shape : ListEditing::lists()) {
        if (!all && !equalsIgnoreCaseAZ(section, shape.name)) continue;
        heading(shape.name);
        withheld =
            writeList(out, shape, lists, detail, hide ? &passwordColumn() : nullptr) || withheld;
    }
    if (all || equalsIgnoreCaseAZ(section, UsersSection)) {
        heading(UsersSection);
        const tUser base;
        for (int i = 0; i < users.Count(); ++i) {
            writeNumber(out, detail, static_cast<std::size_t>(i));
            writeRecord(out, OptionFields::userRecord(), users.Items(i)->data(), base.data(),
                        tUser::Size, detail);
        }
    }
    if (withheld) {
        if (all && detail == TextDetail::Complete) out.insert(Header.size(), HiddenHeader);
        out.insert(0, std::string(HiddenLine) + "\n");
    }
    return out;
}

std::string ChatFileText::read(std::string_view text, tOptions& options, ChatLists& lists,
                               tUserList& users, OptionInput input) {
    std::vector<Section> sections;
    if (std::string why = splitSections(text, sections); !why.empty()) return why;
    // An empty or cut-off text, or some other file, must never become a chat
    // file of new settings.
    if (sections.empty()) return "no [section] line: not a chat file document";

    tOptions newRecord;
    ChatLists newLists;
    tUserList newUsers;
    NewChatFile({newRecord, newLists, newUsers});
    const bool masked = hidesPasswords(text);
    std::set<std::string> seen;
    for (const Section& section : sections) {
        if (!seen.insert(lowerAZ(section.name)).second)
            return lineError(section.number, "section [" + section.name + "] is given twice");
        std::string why;
        if (equalsIgnoreCaseAZ(section.name, OptionsSection))
            why = readOptions(section, newRecord, newLists, input, masked ? &options : nullptr);
        else if (equalsIgnoreCaseAZ(section.name, UsersSection))
            why = readUsers(section, newUsers, input);
        else if (const ChatListShape* shape = ListEditing::find(section.name))
            why = readList(section, *shape, newLists);
        else
            why = lineError(section.number, "unknown section [" + section.name + "]");
        if (!why.empty()) return why;
    }
    if (masked) keepNamePasswords(newLists, lists);
    PadAlignedLists(newLists);

    options = newRecord;
    lists = std::move(newLists);
    users.Clear();
    for (int i = 0; i < newUsers.Count(); ++i)
        users.Add(std::make_unique<tUser>(*newUsers.Items(i)));
    return {};
}

bool ChatFileText::hidesPasswords(std::string_view text) {
    const std::string_view first = text.substr(0, text.find('\n'));
    return trim(first.substr(0, first.find_last_not_of('\r') + 1)) == HiddenLine;
}

std::string_view ChatFileText::hidden(std::string_view password) {
    return password.empty() ? std::string_view() : PasswordMask;
}

int ChatFileText::productActionIndex(std::string_view name) {
    for (std::size_t i = 0; i < ProductActionFields.size(); ++i)
        if (equalsIgnoreCaseAZ(ProductActionFields[i].name, name)) return static_cast<int>(i);
    return -1;
}

std::string ChatFileText::quote(std::string_view value, bool alwaysQuoted) {
    const bool quoted =
        alwaysQuoted ||
        (!value.empty() && (value.front() == ' ' || value.back() == ' ' || value.front() == '"'));
    std::string out;
    if (quoted) out += '"';
    for (std::size_t i = 0; i < value.size(); ++i) {
        const auto c = static_cast<unsigned char>(value[i]);
        if (c == '\\' || (c == '"' && quoted)) {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else if (const std::size_t length = c >= 0x80 ? utf8SequenceLength(value, i) : 0;
                   length > 0 && isPrintableSequence(value.substr(i, length))) {
            out.append(value.substr(i, length));
            i += length - 1;
        } else {
            out += "\\x";
            appendHexByte(out, c);
        }
    }
    if (quoted) out += '"';
    return out;
}

std::optional<std::string> ChatFileText::unquote(std::string_view raw) {
    return verdo::unquote(raw);
}

}  // namespace verdo
