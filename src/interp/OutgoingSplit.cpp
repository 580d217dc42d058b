// Cutting long outgoing lines (see OutgoingSplit.h).
#include "interp/OutgoingSplit.h"

#include <algorithm>
#include <array>
#include <utility>

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
    const std::string_view word = line.substr(0, end);
    const auto isOneOf = [&](const auto& words) {
        return std::any_of(words.begin(), words.end(), [&](std::string_view w) {
            return w.size() == word.size() && equalsIgnoreCaseAZ(word, w);
        });
    };
    std::size_t prefix = std::string_view::npos;
    if (isOneOf(kEmotes)) prefix = end;
    if (isOneOf(kWhispers)) prefix = wordEnd(line, skipBlanks(line, end));
    if (prefix == std::string_view::npos || prefix >= line.size()) return std::nullopt;
    return prefix + 1;  // the blank after the word or the name
}

std::string_view trimBlanksRight(std::string_view text) {
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Where the first piece of `rest` ends and where the next one starts, for a
// piece of at most `room` bytes: at the last blank that fits, else at `room`
// (never inside a character of a UTF-8 `line`). In talk, the next piece must
// not start with "/", or the server would take it for a command: nothing when
// no cut avoids that (a run of slashes longer than the room).
std::optional<std::pair<std::size_t, std::size_t>> cutPoint(std::string_view line,
                                                            std::string_view rest, std::size_t room,
                                                            bool talk) {
    const auto startsCommand = [&](std::size_t at) {
        return talk && at < rest.size() && rest[at] == '/';
    };
    for (std::size_t blank = rest.substr(0, room + 1).rfind(' ');
         blank != std::string_view::npos && blank > 0; blank = rest.substr(0, blank).rfind(' ')) {
        const std::size_t next = skipBlanks(rest, blank + 1);
        if (!startsCommand(next)) return std::pair{blank, next};
    }
    const bool utf8 = isUtf8BeyondAscii(line);
    std::size_t cut = utf8 ? utf8Boundary(rest, room) : room;
    if (cut == 0) cut = room;
    // The "/" starts no piece: the cut moves before the character ahead of it.
    while (startsCommand(skipBlanks(rest, cut)) && cut > 1)
        cut = utf8 ? utf8Boundary(rest, cut - 1) : cut - 1;
    if (cut == 0) cut = room;
    const std::size_t next = skipBlanks(rest, cut);
    if (startsCommand(next)) return std::nullopt;
    return std::pair{cut, next};
}

// Whether every character of the text behind `prefix` fits in `room` bytes,
// so that no piece has to hold part of one. Only a UTF-8 line has characters
// longer than a byte, and none is longer than four.
bool charactersFit(std::string_view line, std::size_t prefix, std::size_t room) {
    if (room >= 4 || !isUtf8BeyondAscii(line)) return true;
    for (std::size_t at = prefix; at < line.size();) {
        const std::size_t length = std::max<std::size_t>(utf8SequenceLength(line, at), 1);
        if (length > room) return false;
        at += length;
    }
    return true;
}

}  // namespace

std::optional<std::size_t> KeptPrefixLength(std::string_view line) {
    return keptPrefix(line);
}

std::optional<std::string> TakeFirstPiece(std::string& line, std::size_t limit) {
    if (line.size() <= limit) return std::exchange(line, std::string());
    const std::optional<std::size_t> prefix = keptPrefix(line);
    if (!prefix) return std::nullopt;
    return TakeFirstPiece(line, *prefix, limit);
}

std::optional<std::string> TakeFirstPiece(std::string& line, std::size_t prefix,
                                          std::size_t limit) {
    if (line.size() <= limit) return std::exchange(line, std::string());
    if (prefix >= limit) return std::nullopt;
    const std::size_t room = limit - prefix;
    if (!charactersFit(line, prefix, room)) return std::nullopt;
    const std::string_view whole = line;
    std::size_t from = prefix;  // where the text not yet taken starts
    while (from < whole.size()) {
        const std::string_view rest = whole.substr(from);
        std::string_view piece = rest;
        std::size_t next = rest.size();
        if (rest.size() > room) {
            const auto cut = cutPoint(whole, rest, room, prefix == 0);
            if (!cut) return std::nullopt;
            piece = rest.substr(0, cut->first);
            next = cut->second;
        }
        piece = trimBlanksRight(piece);
        from += std::min(next, rest.size());
        if (piece.empty()) continue;
        std::string first;
        first.reserve(prefix + piece.size());
        first.append(whole.substr(0, prefix)).append(piece);
        // The rest stays in place behind the prefix the pieces repeat.
        if (from >= line.size()) {
            line.clear();
        } else {
            line.erase(prefix, from - prefix);
        }
        return first;
    }
    return std::nullopt;
}

std::optional<std::pair<std::string, std::string>> CutOutgoingLine(std::string_view line,
                                                                   std::size_t limit) {
    std::string rest(line);
    std::optional<std::string> first = TakeFirstPiece(rest, limit);
    if (!first) return std::nullopt;
    return std::pair{std::move(*first), std::move(rest)};
}

std::optional<std::vector<std::string>> SplitOutgoingLine(std::string_view line,
                                                          std::size_t limit) {
    if (line.size() <= limit) return std::vector{std::string(line)};
    // Every piece repeats the line's own prefix: the rest of talk that starts
    // with "/" is still talk. A line that cannot be cut to the end is not cut.
    const std::optional<std::size_t> prefix = keptPrefix(line);
    if (!prefix) return std::nullopt;
    std::vector<std::string> pieces;
    std::string rest(line);
    do {
        std::optional<std::string> piece = TakeFirstPiece(rest, *prefix, limit);
        if (!piece) return std::nullopt;
        pieces.push_back(std::move(*piece));
    } while (!rest.empty());
    return pieces;
}

}  // namespace verdo
