// Cutting long outgoing lines (see OutgoingSplit.h).
#include "interp/OutgoingSplit.h"

#include <array>

#include "platform/AnsiText.h"
#include "platform/Utf8.h"
#include "protocol/ProtocolLines.h"

namespace verdo {

namespace {

bool isBlank(char c) {
    return c == ' ';
}

std::size_t skipBlanks(std::string_view text, std::size_t from) {
    while (from < text.size() && isBlank(text[from]))
        ++from;
    return from;
}

std::size_t wordEnd(std::string_view text, std::size_t from) {
    while (from < text.size() && !isBlank(text[from]))
        ++from;
    return from;
}

// The part each piece repeats: "/w NAME " for the whisper commands, "/me " for
// the emote commands, nothing for talk. Nothing at all for other commands and
// for a whisper or emote without text.
std::optional<std::size_t> keptPrefix(std::string_view line) {
    if (line.empty() || line[0] != '/') return 0;
    static constexpr std::array<std::string_view, 4> kWhispers = {
        commandWord(WhisperPrefix), commandWord(WhisperLongPrefix), commandWord(MassPrefix),
        commandWord(MsgPrefix)};
    static constexpr std::array<std::string_view, 2> kEmotes = {commandWord(EmotePrefix),
                                                                commandWord(EmoteLongPrefix)};
    const std::size_t end = wordEnd(line, 0);
    const std::string word = lowerAZ(line.substr(0, end));
    std::size_t prefix = std::string_view::npos;
    for (std::string_view w : kEmotes)
        if (word == w) prefix = end;
    for (std::string_view w : kWhispers)
        if (word == w) prefix = wordEnd(line, skipBlanks(line, end));
    if (prefix == std::string_view::npos || prefix >= line.size()) return std::nullopt;
    return prefix + 1;  // the blank after the word or the name
}

}  // namespace

std::optional<std::vector<std::string>> SplitOutgoingLine(std::string_view line,
                                                          std::size_t limit) {
    if (line.size() <= limit) return std::vector<std::string>{std::string(line)};
    const std::optional<std::size_t> prefixLength = keptPrefix(line);
    if (!prefixLength || *prefixLength >= limit) return std::nullopt;
    const std::string_view prefix = line.substr(0, *prefixLength);
    const std::size_t room = limit - prefix.size();
    // A cut never falls inside a character of a UTF-8 line.
    const bool utf8 = isUtf8BeyondAscii(line);
    std::string_view rest = line.substr(prefix.size());
    std::vector<std::string> pieces;
    const auto add = [&](std::string_view piece) {
        while (!piece.empty() && isBlank(piece.back()))
            piece.remove_suffix(1);
        if (!piece.empty()) pieces.push_back(std::string(prefix) + std::string(piece));
    };
    while (rest.size() > room) {
        std::size_t cut = rest.substr(0, room + 1).rfind(' ');
        std::size_t next = cut + 1;
        if (cut == std::string_view::npos || cut == 0) {
            cut = utf8 ? utf8Boundary(rest, room) : room;
            if (cut == 0) cut = room;
            next = cut;
        }
        add(rest.substr(0, cut));
        rest = rest.substr(skipBlanks(rest, next));
    }
    add(rest);
    if (pieces.empty()) return std::nullopt;
    return pieces;
}

}  // namespace verdo
