// Remote commands (see RemoteCommands.h).
#include "engine/RemoteCommands.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "engine/ChatFunctions.h"
#include "platform/AnsiText.h"
#include "protocol/ProtocolLines.h"
#include "records/OptionFields.h"
#include "records/OptionSwitches.h"

namespace verdo {
namespace {

// Longest line a list whisper may reach before it is cut.
constexpr std::size_t ListLineLimit = 254;

bool containsName(const tStringList& list, std::string_view name) {
    for (const std::string& item : list) {
        if (equalsIgnoreCaseAZ(item, name)) return true;
    }
    return false;
}

// The last command word that begins the message, if any.
std::optional<std::size_t> findCommand(const tStringList& commands, std::string_view message) {
    std::optional<std::size_t> found;
    for (std::size_t i = 0; i < commands.size(); ++i) {
        if (startsWithIgnoreCaseAZ(message, commands[i])) found = i;
    }
    return found;
}

// Only "0" (anybody) and "2" (members and owners) widen access; any other
// level text, or none at all, means owners only, so that a damaged or
// hand-edited file never opens owner commands to every user.
bool mayRun(const ChatLists& lists, std::size_t index, std::string_view user) {
    const std::string level = index < lists.CommandLevel.size() ? lists.CommandLevel[index] : "";
    if (level == "0") return true;
    if (containsName(lists.OwnerList, user)) return true;
    return level == "2" && containsName(lists.MemberList, user);
}

void send(EngineHost& host, const std::string& line) {
    host.SendLine(line + "\r", SendClass::Command);
}

using Row = BuiltInCommand;

std::string joinChannel(EngineHost& host, const Row& row, const std::string&,
                        const std::string& parameter) {
    send(host, joinLine(parameter));
    return std::string(row.label) + parameter;
}

std::string disconnect(EngineHost& host, const Row& row, const std::string&, const std::string&) {
    if (!host.connected()) return {};
    host.disconnectByCommand();
    return std::string(row.label);
}

std::string say(EngineHost& host, const Row& row, const std::string&,
                const std::string& parameter) {
    send(host, parameter);
    const tOptions& options = host.options();
    host.addChatLine({{"<" + host.UniqueName() + "> ", options.yourNameColor()},
                      {parameter, options.yourTextColor()}});
    return std::string(row.label) + parameter;
}

std::string setSwitch(EngineHost& host, const Row& row, const std::string&,
                      const std::string& parameter) {
    const std::string state = lowerAZ(parameter);
    if (state != "on" && state != "off") return {};
    row.option->setOn(host.options().data(), state == "on");
    host.setSettingsModified();
    return std::string(row.label) + state;
}

std::string addToList(EngineHost& host, const Row& row, const std::string&,
                      const std::string& name) {
    (host.lists().*row.list).push_back(name);
    host.setSettingsModified();
    return std::string(row.label) + name;
}

std::string deleteFromList(EngineHost& host, const Row& row, const std::string&,
                           const std::string& name) {
    tStringList& list = host.lists().*row.list;
    for (auto it = list.begin(); it != list.end(); ++it) {
        if (!equalsIgnoreCaseAZ(*it, name)) continue;
        list.erase(it);
        host.setSettingsModified();
        return std::string(row.label) + name;
    }
    return std::string(row.missing);
}

// Whispers the names to `user` in lines of at most ListLineLimit characters.
void whisperList(EngineHost& host, const std::string& user, std::string_view heading,
                 const tStringList& names) {
    const std::string start = whisperLine(user, "");
    std::string line = WhisperPrefix + user + std::string(heading);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (line.size() + names[i].size() + 2 > ListLineLimit) {
            send(host, line);
            line = start + names[i];
        } else {
            line += names[i];
        }
        if (i + 1 < names.size()) line += "; ";
    }
    if (line != start) send(host, line);
}

std::string whisperNames(EngineHost& host, const Row& row, const std::string& user,
                         const std::string&) {
    whisperList(host, user, row.label, host.lists().*row.list);
    return {};
}

std::string massMessage(EngineHost& host, const Row& row, const std::string& user,
                        const std::string& text) {
    send(host, massLine(user, "Sending Mass Mail."));
    // Copies: the host may change the lists while lines are sent.
    const tStringList owners = host.lists().OwnerList;
    const tStringList members = host.lists().MemberList;
    for (const std::string& owner : owners)
        send(host, massLine(owner, text));
    for (const std::string& member : members)
        send(host, massLine(member, text));
    return std::string(row.label);
}

// A switch an owner sets on or off: its word, token and label are those of
// its row in the options table.
Row onOff(std::string_view optionName) {
    const OptionField* option = OptionFields::find(OptionFields::options(), optionName);
    const std::string_view token = option->remoteWord;
    return {"/" + std::string(token.substr(1, token.size() - 2)),
            token,
            option->remoteLabel,
            setSwitch,
            {},
            nullptr,
            option};
}

// The built-in actions. Adding a remote command: one row here (its default
// word, the token a command response names it by, its reply label and its
// handler) and, unless an existing handler fits, the handler above; a new
// chat file lists it, the configuration dialog offers its token and
// ProcessCommand runs it for the users its level in the file allows. A
// switch with a remote word in the options table needs no row: it follows
// the rows here unless one names it.
std::vector<Row> makeBuiltIns() {
    std::vector<Row> rows = {
        {"/join", "<join>", "Joining Channel ", joinChannel},
        {"/disconnect", "<disconnect>", "Disconnecting", disconnect},
        onOff("master-switch"),
        {"/say", "<say>", "Saying ", say},
        onOff("respond-to-joins"),
        onOff("auto-ban"),
        onOff("ban-everyone-except"),
        onOff("respond-to-phrases"),
        onOff("respond-to-whispers"),
        onOff("respond-to-timers"),
        {"/addowner", "<addowner>", "Adding Owner: ", addToList, {}, &ChatLists::OwnerList},
        {"/deleteowner", "<deleteowner>", "Deleting Owner: ", deleteFromList,
         "That user is not an owner.", &ChatLists::OwnerList},
        {"/addmember", "<addmember>", "Adding Member: ", addToList, {}, &ChatLists::MemberList},
        {"/deletemember", "<deletemember>", "Deleting Member: ", deleteFromList,
         "That user is not a member.", &ChatLists::MemberList},
        {"/addban", "<addban>", "Adding User Ban: ", addToList, {}, &ChatLists::BanList},
        {"/deleteban", "<deleteban>", "Deleting Ban User: ", deleteFromList,
         "That user is not on the ban list.", &ChatLists::BanList},
        {"/addnoban",
         "<addnoban>",
         "Adding User Exception: ",
         addToList,
         {},
         &ChatLists::NoBanList},
        {"/deletenoban", "<deletenoban>", "Deleting Ban Exception: ", deleteFromList,
         "That user is not on the No Ban list.", &ChatLists::NoBanList},
        {"/owners", "<owners>", " Owner List: ", whisperNames, {}, &ChatLists::OwnerList},
        {"/members", "<members>", " Member List: ", whisperNames, {}, &ChatLists::MemberList},
        {"/massmessage", "<messagemembers>", "Mass Mail Sent.", massMessage},
    };
    for (const OptionField* option : OptionSwitches::remote()) {
        const bool named = std::any_of(rows.begin(), rows.end(),
                                       [option](const Row& row) { return row.option == option; });
        if (!named) rows.push_back(onOff(option->name));
    }
    return rows;
}

// Splits at every "~"; a "~" at the very end adds no empty segment.
tStringList splitSegments(const std::string& response) {
    tStringList segments;
    std::size_t from = 0;
    for (std::size_t at = response.find('~'); at != std::string::npos;
         at = response.find('~', from)) {
        segments.push_back(response.substr(from, at - from));
        from = at + 1;
    }
    if (from < response.size() || segments.empty()) segments.push_back(response.substr(from));
    return segments;
}

}  // namespace

std::span<const BuiltInCommand> RemoteCommands::builtIns() {
    static const std::vector<BuiltInCommand> rows = makeBuiltIns();
    return rows;
}

std::optional<std::string> RemoteCommands::runBuiltIn(std::string_view token,
                                                      const std::string& user,
                                                      const std::string& parameter) {
    for (const BuiltInCommand& row : builtIns()) {
        if (token == row.token) return row.run(host_, row, user, parameter);
    }
    return std::nullopt;
}

void RemoteCommands::runUserResponse(const std::string& response, const std::string& user,
                                     const std::string& parameter) {
    for (const std::string& segment : splitSegments(response)) {
        const std::string text = responses_.ExpandResponse(segment, user, parameter);
        responses_.SendResponse(text);
        responses_.EchoOwnText(text);
    }
}

bool RemoteCommands::matchesAnyCommand(std::string_view message) const {
    return findCommand(host_.lists().CommandList, message).has_value();
}

void RemoteCommands::ProcessCommand(const std::string& user, const std::string& message) {
    const ChatLists& lists = host_.lists();
    const std::optional<std::size_t> index = findCommand(lists.CommandList, message);
    // A command without a response (a damaged file) is not run.
    if (!index || *index >= lists.CommandRes.size()) return;
    if (!mayRun(lists, *index, user)) return;
    const std::size_t wordLength = lists.CommandList[*index].size();
    const std::string parameter =
        message.size() > wordLength + 1 ? message.substr(wordLength + 1) : std::string();
    const std::string response = lists.CommandRes[*index];

    const std::optional<std::string> reply = runBuiltIn(lowerAZ(response), user, parameter);
    if (!reply) {
        if (!responses_.mayAnswer(user)) return;
        runUserResponse(response, user, parameter);
    } else if (!reply->empty()) {
        send(host_, whisperLine(user, *reply));
    }
    host_.addChatLine({{"Command from " + user + " " + message, host_.options().infoColor()}});
}

}  // namespace verdo
