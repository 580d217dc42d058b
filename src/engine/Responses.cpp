// Answers to phrases said in the channel, to whispers and to joining users.
#include <algorithm>

#include "engine/ChatFunctions.h"
#include "platform/AnsiText.h"

namespace verdo {

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

}  // namespace verdo
