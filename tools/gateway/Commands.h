// What the gateway does with one line from a logged-on user: talk, or one of
// the slash commands. Each handler gets the text after the command word.
#pragma once

#include <string>
#include <string_view>

namespace verdo::gateway {

class ChatWorld;
class Member;

void talk(ChatWorld& world, Member& member, std::string_view text);
void runCommand(ChatWorld& world, Member& member, std::string_view line);

// Splits "word rest" at the first blank; the rest loses its leading blanks.
std::pair<std::string, std::string> splitWord(std::string_view text);

// Handlers, grouped by file.
void emote(ChatWorld& world, Member& member, std::string_view text);
void whisper(ChatWorld& world, Member& member, std::string_view args);
void joinChannel(ChatWorld& world, Member& member, std::string_view args);
void rejoin(ChatWorld& world, Member& member, std::string_view args);

void kick(ChatWorld& world, Member& member, std::string_view args);
void ban(ChatWorld& world, Member& member, std::string_view args);
void unban(ChatWorld& world, Member& member, std::string_view args);
void designate(ChatWorld& world, Member& member, std::string_view args);
void squelch(ChatWorld& world, Member& member, std::string_view args);
// The local gateway lets every user announce, so that broadcasts can be tried.
void announce(ChatWorld& world, Member& member, std::string_view args);
void unsquelch(ChatWorld& world, Member& member, std::string_view args);

void away(ChatWorld& world, Member& member, std::string_view args);
void doNotDisturb(ChatWorld& world, Member& member, std::string_view args);
void whois(ChatWorld& world, Member& member, std::string_view args);
void who(ChatWorld& world, Member& member, std::string_view args);
void users(ChatWorld& world, Member& member, std::string_view args);
void timeOfDay(ChatWorld& world, Member& member, std::string_view args);
void stats(ChatWorld& world, Member& member, std::string_view args);
void help(ChatWorld& world, Member& member, std::string_view args);

// The product's full name ("Starcraft" for STAR, "Chat" for CHAT, ...).
std::string productName(std::string_view product);

}  // namespace verdo::gateway
