// The automation engine (see ChatFunctions.h): response templates, answers to
// phrases, whispers and joining users, and what else happens to a joining
// user: bans by list and the action for the user's product.
#include "engine/ChatFunctions.h"

#include <algorithm>
#include <array>
#include <functional>

#include "platform/AnsiText.h"
#include "protocol/ProtocolLines.h"

namespace verdo {
namespace {

// Replaces every occurrence of `placeholder` (lower case) in `text`, found
// without regard to case. The search goes on after each inserted value, so a
// value that holds the placeholder itself is inserted once and the pass ends.
std::string replaceAll(const std::string& text, std::string_view placeholder,
                       const std::function<std::string()>& value) {
    const std::string lowered = lowerAZ(text);
    std::string out;
    out.reserve(text.size());
    std::size_t from = 0;
    for (std::size_t at = lowered.find(placeholder); at != std::string::npos;
         at = lowered.find(placeholder, from)) {
        out.append(text, from, at - from);
        out += value();
        from = at + placeholder.size();
    }
    if (from == 0) return text;
    out.append(text, from, std::string::npos);
    return out;
}

// An empty part never matches (it would otherwise match every name).
bool containsPart(const std::string& loweredName, const std::string& part) {
    return !part.empty() && loweredName.find(lowerAZ(part)) != std::string::npos;
}

}  // namespace

ChatFunctions::ChatFunctions(EngineHost& host)
    : host_(host), commands_(host, *this), accounts_(host) {}

void ChatFunctions::ProcessCommand(const std::string& user, const std::string& message) {
    commands_.ProcessCommand(user, message);
}

void ChatFunctions::TrackWhoisLine(const std::string& message) {
    accounts_.TrackWhoisLine(message);
}

std::string ChatFunctions::ExpandResponse(std::string_view response, std::string_view user,
                                          std::string_view parameter) {
    const std::size_t rosterSize = host_.rosterCount();
    std::string randomName;
    if (rosterSize > 0) {
        const int last = static_cast<int>(rosterSize - 1);
        randomName = host_.rosterName(static_cast<std::size_t>(host_.random().uniformInt(0, last)));
    }
    auto fixed = [](std::string value) { return [value] { return value; }; };
    const std::array<std::pair<std::string_view, std::function<std::string()>>, 6> passes = {{
        {"<user>", fixed(std::string(user))},
        {"<server>", fixed(host_.CurrentServer())},
        {"<time>", [this] { return host_.clock().localDateTimeText(); }},
        {"<channel>", fixed(host_.channelName())},
        {"<random>", fixed(randomName)},
        {"<parameter>", fixed(std::string(parameter))},
    }};
    std::string text(response);
    for (const auto& [placeholder, value] : passes)
        text = replaceAll(text, placeholder, value);
    return text;
}

std::string ChatFunctions::PickResponse(std::size_t index, const tResponseLists& lists) {
    const int first = host_.random().uniformInt(1, 3) - 1;
    for (int step = 0; step < 3; ++step) {
        const tStringList& list = lists[static_cast<std::size_t>((first + step) % 3)];
        // A list shorter than its entry list (a damaged file) has nothing here.
        if (index < list.size() && !list[index].empty()) return list[index];
    }
    return {};
}

void ChatFunctions::SendResponse(const std::string& text) {
    host_.SendLine(text + "\r", SendClass::Automatic);
}

void ChatFunctions::EchoOwnText(const std::string& text) {
    if (text.empty() || text.front() == '/') return;
    const tOptions& options = host_.options();
    host_.addChatLine({{"<" + host_.UniqueName() + "> ", options.yourNameColor()},
                       {text, options.yourTextColor()}});
}

void ChatFunctions::sendAndEcho(const std::string& text) {
    SendResponse(text);
    EchoOwnText(text);
}

bool ChatFunctions::HasIgnorePrefix(std::string_view message) const {
    const std::string prefix = host_.ignorePrefix();
    return !prefix.empty() && startsWithIgnoreCaseAZ(message, prefix);
}

void ChatFunctions::RespondToPhrase(const std::string& user, const std::string& message) {
    const tOptions& options = host_.options();
    if (!options.masterSwitch() || !options.respondToPhrases()) return;
    const ChatLists& lists = host_.lists();
    respondToEntry(lists.PhraseList, lists.PhraseRes, user, message);
}

void ChatFunctions::RespondToWhisper(const std::string& user, const std::string& message) {
    const tOptions& options = host_.options();
    if (!options.masterSwitch() || !options.respondToWhispers()) return;
    const ChatLists& lists = host_.lists();
    respondToEntry(lists.WhisperList, lists.WhiserRes, user, message);
}

// The first entry found anywhere in the message answers; the parameter starts
// one character after the entry.
void ChatFunctions::respondToEntry(const tStringList& entries, const tResponseLists& responses,
                                   const std::string& user, const std::string& message) {
    if (HasIgnorePrefix(message)) return;
    const std::string lowered = lowerAZ(message);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].empty()) continue;
        const std::size_t at = lowered.find(lowerAZ(entries[i]));
        if (at == std::string::npos) continue;
        const std::size_t parameterAt = std::min(at + entries[i].size() + 1, message.size());
        const std::string result =
            ExpandResponse(PickResponse(i, responses), user, message.substr(parameterAt));
        if (!result.empty() && mayAnswer(user)) sendAndEcho(result);
        return;
    }
}

void ChatFunctions::RespondToJoin(const std::string& user) {
    const tOptions& options = host_.options();
    if (!options.masterSwitch() || !options.respondToJoins()) return;
    const ChatLists& lists = host_.lists();
    for (std::size_t i = 0; i < lists.UserJoinList.size(); ++i) {
        if (!equalsIgnoreCaseAZ(lists.UserJoinList[i], user)) continue;
        const std::string result = ExpandResponse(PickResponse(i, lists.UserRes), user, "");
        if (!result.empty()) sendAndEcho(result);
        return;
    }
    const std::string forAll = options.joinResponse();
    // The greeting for all users is sent even when it expands to nothing.
    if (!forAll.empty()) sendAndEcho(ExpandResponse(forAll, user, ""));
}

bool ChatFunctions::mayAnswer(const std::string& user) {
    const auto verdict = limiter_.tryAnswer(user, host_.clock().steadyMilliseconds());
    if (verdict == AnswerLimiter::Verdict::FirstHeldBack) {
        host_.addChatLine(
            {{"Holding back automatic answers to " + user + " (more than 5 within 30 seconds).",
              host_.options().infoColor()}});
    }
    return verdict == AnswerLimiter::Verdict::Allowed;
}

void ChatFunctions::sendBan(const std::string& user) {
    host_.SendLine(banLine(user, "AutoBan") + "\r", SendClass::Automatic);
}

void ChatFunctions::CheckBanList(const std::string& user) {
    const tOptions& options = host_.options();
    if (!options.masterSwitch() || !options.autoBan()) return;
    const std::string lowered = lowerAZ(user);
    for (const std::string& part : host_.lists().BanList) {
        if (containsPart(lowered, part)) sendBan(user);
    }
}

void ChatFunctions::CheckNoBanList(const std::string& user) {
    const tOptions& options = host_.options();
    if (!options.masterSwitch() || !options.banEveryoneExcept()) return;
    const std::string lowered = lowerAZ(user);
    for (const std::string& part : host_.lists().NoBanList) {
        if (containsPart(lowered, part)) return;
    }
    sendBan(user);
}

void ChatFunctions::RunProductAction(const std::string& user, std::string_view product) {
    if (!host_.options().masterSwitch()) return;
    const tProductActions& actions = host_.lists().ProductActions;
    for (std::size_t i = 0; i < ProductActionCodes.size(); ++i) {
        if (product != ProductActionCodes[i] || actions[i] == NoProductAction) continue;
        // Sent even when empty: an action left blank sends an empty line.
        sendAndEcho(ExpandResponse(actions[i], user, ""));
    }
}

}  // namespace verdo
