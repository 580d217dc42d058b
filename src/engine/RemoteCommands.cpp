// Remote commands (see RemoteCommands.h).
#include "engine/RemoteCommands.h"

#include <optional>

#include "engine/ChatFunctions.h"
#include "engine/CommandTable.h"
#include "platform/AnsiText.h"
#include "protocol/ProtocolLines.h"
#include "records/OptionSwitches.h"

namespace verdo {
namespace {

// Longest line a list whisper may reach before it is cut.
constexpr std::size_t ListLineLimit = 254;

struct ListCommand {
    std::string_view addToken;
    std::string_view deleteToken;
    tStringList ChatLists::*list;
    std::string_view added;
    std::string_view deleted;
    std::string_view absent;
};
constexpr std::array<ListCommand, 4> ListCommands = {{
    {"<addowner>", "<deleteowner>", &ChatLists::OwnerList,
     "Adding Owner: ", "Deleting Owner: ", "That user is not an owner."},
    {"<addmember>", "<deletemember>", &ChatLists::MemberList,
     "Adding Member: ", "Deleting Member: ", "That user is not a member."},
    {"<addban>", "<deleteban>", &ChatLists::BanList,
     "Adding User Ban: ", "Deleting Ban User: ", "That user is not on the ban list."},
    {"<addnoban>", "<deletenoban>", &ChatLists::NoBanList,
     "Adding User Exception: ", "Deleting Ban Exception: ", "That user is not on the No Ban list."},
}};

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

std::string runSwitch(EngineHost& host, const OptionSwitch& command, const std::string& parameter) {
    const std::string state = lowerAZ(parameter);
    if (state != "on" && state != "off") return {};
    (host.options().*command.set)(state == "on");
    host.setSettingsModified();
    return std::string(command.commandLabel) + state;
}

std::string addToList(EngineHost& host, const ListCommand& command, const std::string& name) {
    (host.lists().*command.list).push_back(name);
    host.setSettingsModified();
    return std::string(command.added) + name;
}

std::string deleteFromList(EngineHost& host, const ListCommand& command, const std::string& name) {
    tStringList& list = host.lists().*command.list;
    for (auto it = list.begin(); it != list.end(); ++it) {
        if (!equalsIgnoreCaseAZ(*it, name)) continue;
        list.erase(it);
        host.setSettingsModified();
        return std::string(command.deleted) + name;
    }
    return std::string(command.absent);
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

std::string massMessage(EngineHost& host, const std::string& user, const std::string& text) {
    send(host, massLine(user, "Sending Mass Mail."));
    // Copies: the host may change the lists while lines are sent.
    const tStringList owners = host.lists().OwnerList;
    const tStringList members = host.lists().MemberList;
    for (const std::string& owner : owners)
        send(host, massLine(owner, text));
    for (const std::string& member : members)
        send(host, massLine(member, text));
    return "Mass Mail Sent.";
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

std::optional<std::string> RemoteCommands::runBuiltIn(std::string_view token,
                                                      const std::string& user,
                                                      const std::string& parameter) {
    if (token == "<join>") {
        send(host_, joinLine(parameter));
        return "Joining Channel " + parameter;
    }
    if (token == "<disconnect>") {
        if (!host_.connected()) return std::string();
        host_.disconnectByCommand();
        return "Disconnecting";
    }
    if (token == "<say>") {
        send(host_, parameter);
        const tOptions& options = host_.options();
        host_.addChatLine({{"<" + host_.UniqueName() + "> ", options.yourNameColor()},
                           {parameter, options.yourTextColor()}});
        return "Saying " + parameter;
    }
    for (const OptionSwitch& command : OptionSwitches) {
        if (token == command.commandWord) return runSwitch(host_, command, parameter);
    }
    for (const ListCommand& command : ListCommands) {
        if (token == command.addToken) return addToList(host_, command, parameter);
        if (token == command.deleteToken) return deleteFromList(host_, command, parameter);
    }
    if (token == "<owners>" || token == "<members>") {
        const bool owners = token == "<owners>";
        whisperList(host_, user, owners ? " Owner List: " : " Member List: ",
                    owners ? host_.lists().OwnerList : host_.lists().MemberList);
        return std::string();
    }
    if (token == "<messagemembers>") return massMessage(host_, user, parameter);
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
