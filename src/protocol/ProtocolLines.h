// The spellings of the commands this program sends to the chat gateway, in one
// place for the decoder, the automation engine, the session and the windows.
// The builders return the line without its carriage return; the sender adds it.
#pragma once

#include <string>
#include <string_view>

namespace verdo {

// Command prefixes with the blank that follows the command word.
inline constexpr char WhisperPrefix[] = "/w ";
inline constexpr char MsgPrefix[] = "/msg ";  // the long whisper, used by replies and windows
inline constexpr char MassPrefix[] = "/m ";   // the whisper of mass mail
inline constexpr char JoinPrefix[] = "/join ";
// The Join Channel action's own spelling; the server reads commands in any case.
inline constexpr char JoinChannelPrefix[] = "/Join ";
inline constexpr char WhoPrefix[] = "/who ";
inline constexpr char WhoisPrefix[] = "/whois ";
inline constexpr char EmotePrefix[] = "/me ";
inline constexpr char SquelchPrefix[] = "/squelch ";
inline constexpr char UnsquelchPrefix[] = "/unsquelch ";
inline constexpr char KickPrefix[] = "/kick ";
inline constexpr char BanPrefix[] = "/ban ";
inline constexpr char DesignatePrefix[] = "/designate ";
inline constexpr char AwayCommand[] = "/away";
inline constexpr char DndCommand[] = "/DND";
// Other spellings of the whisper and emote commands that the server accepts.
inline constexpr char WhisperLongPrefix[] = "/whisper ";
inline constexpr char EmoteLongPrefix[] = "/emote ";

// A prefix without its closing blank: the command word.
constexpr std::string_view commandWord(std::string_view prefix) {
    return prefix.substr(0, prefix.size() - 1);
}

inline std::string prefixed(std::string_view prefix, std::string_view rest) {
    std::string line;
    line.reserve(prefix.size() + rest.size());
    line.append(prefix).append(rest);
    return line;
}

inline std::string whisperLine(std::string_view user, std::string_view text) {
    return prefixed(WhisperPrefix, std::string(user) + ' ' + std::string(text));
}
inline std::string msgLine(std::string_view user, std::string_view text) {
    return prefixed(MsgPrefix, std::string(user) + ' ' + std::string(text));
}
inline std::string massLine(std::string_view user, std::string_view text) {
    return prefixed(MassPrefix, std::string(user) + ' ' + std::string(text));
}
inline std::string joinLine(std::string_view channel) {
    return prefixed(JoinPrefix, channel);
}
inline std::string joinChannelLine(std::string_view channel) {
    return prefixed(JoinChannelPrefix, channel);
}
inline std::string listChannelLine(std::string_view channel) {
    return prefixed(WhoPrefix, channel);
}
inline std::string whoisLine(std::string_view user) {
    return prefixed(WhoisPrefix, user);
}
inline std::string emoteLine(std::string_view text) {
    return prefixed(EmotePrefix, text);
}
inline std::string squelchLine(std::string_view user, bool squelch) {
    return prefixed(squelch ? SquelchPrefix : UnsquelchPrefix, user);
}
inline std::string banLine(std::string_view user, std::string_view reason) {
    return prefixed(BanPrefix, std::string(user) + ' ' + std::string(reason));
}
// Away or do-not-disturb: with a reason it switches on, bare it switches off.
inline std::string awayLine(bool dnd, std::string_view reason) {
    std::string line = dnd ? DndCommand : AwayCommand;
    if (!reason.empty()) line.append(" ").append(reason);
    return line;
}

}  // namespace verdo
