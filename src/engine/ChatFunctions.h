// ChatFunctions: the automation engine. Expands response templates, answers
// phrases, whispers and joining users, bans by list, runs product actions and
// obeys whispered remote commands, all through the EngineHost.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "engine/AccountTracking.h"
#include "engine/AnswerLimiter.h"
#include "engine/ChatLists.h"
#include "engine/EngineHost.h"
#include "engine/RemoteCommands.h"

namespace verdo {

class ChatFunctions {
  public:
    explicit ChatFunctions(EngineHost& host);
    // The remote commands answer through this object: it stays where it is.
    ChatFunctions(const ChatFunctions&) = delete;
    ChatFunctions& operator=(const ChatFunctions&) = delete;

    // Replaces "<user>", "<server>", "<time>", "<channel>", "<random>" and
    // "<parameter>" (any letter case), in that order; later passes see what
    // earlier ones inserted.
    std::string ExpandResponse(std::string_view response, std::string_view user,
                               std::string_view parameter);
    // One of the three alternatives of entry `index`, drawn at random, falling
    // back cyclically past empty ones; empty when all three are empty.
    std::string PickResponse(std::size_t index, const tResponseLists& lists);
    // Sends `text` with one carriage return through the paced sender.
    void SendResponse(const std::string& text);
    // Shows the program's own public text; empty text and commands ("/...")
    // are not shown.
    void EchoOwnText(const std::string& text);
    bool HasIgnorePrefix(std::string_view message) const;
    // False, after telling the user once, while answers to `user` are held back.
    bool mayAnswer(const std::string& user);

    // Automatic reactions; each does nothing while its switches are off.
    void RespondToPhrase(const std::string& user, const std::string& message);
    void RespondToWhisper(const std::string& user, const std::string& message);
    void RespondToJoin(const std::string& user);
    void CheckBanList(const std::string& user);
    void CheckNoBanList(const std::string& user);
    void RunProductAction(const std::string& user, std::string_view product);

    // A whisper matched against the command table; runs the command when the
    // whisperer has its level, whatever the switches say.
    void ProcessCommand(const std::string& user, const std::string& message);
    // Whether an item of the command table matches the whisper, whatever its level.
    bool commandTableMatches(std::string_view message) const {
        return commands_.matchesAnyCommand(message);
    }
    // Remembers the name and account number of a whois answer and reports
    // what is known about both; other lines are ignored.
    void TrackWhoisLine(const std::string& message);

  private:
    void respondToEntry(const tStringList& entries, const tResponseLists& responses,
                        const std::string& user, const std::string& message);
    void sendAndEcho(const std::string& text);
    void sendBan(const std::string& user);

    EngineHost& host_;
    AnswerLimiter limiter_;
    RemoteCommands commands_;
    AccountTracking accounts_;
};

}  // namespace verdo
