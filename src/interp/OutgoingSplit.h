// Cutting an outgoing line that is too long for the server into pieces that
// each say what the line said: a whisper's pieces are whispers to the same
// user, an emote's pieces emotes, talk is cut as it is. Other commands cannot
// be cut.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace verdo {

// `line` without its carriage return. Gives the line itself when it is at most
// `limit` bytes long; otherwise the pieces, each at most `limit` bytes, cut at
// the last blank at or before the limit (or at the limit when there is none);
// nothing when the line cannot be cut, or when a character of its text is
// longer than the room its prefix leaves (a piece never holds part of one).
std::optional<std::vector<std::string>> SplitOutgoingLine(std::string_view line, std::size_t limit);

// Takes the first piece of `line` that is at most `limit` bytes long; `line`
// keeps the rest behind the prefix the pieces repeat, or becomes empty. Nothing
// (and `line` unchanged) when the line cannot be cut or its prefix leaves no
// room within `limit`.
std::optional<std::string> TakeFirstPiece(std::string& line, std::size_t limit);
// The same for a line whose kept prefix (see KeptPrefixLength) is known.
std::optional<std::string> TakeFirstPiece(std::string& line, std::size_t prefix, std::size_t limit);

// The first piece of `line` that is at most `limit` bytes long, and the rest
// as a line of its own (with the prefix the pieces repeat), or nothing when the
// line cannot be cut or its prefix leaves no room within `limit`. A line of at
// most `limit` bytes is its own first piece, with an empty rest.
std::optional<std::pair<std::string, std::string>> CutOutgoingLine(std::string_view line,
                                                                   std::size_t limit);

// The length of the part each piece of `line` repeats ("/w NAME ", "/me ", or
// nothing for talk), or nothing when the line is a command that cannot be cut.
std::optional<std::size_t> KeptPrefixLength(std::string_view line);

}  // namespace verdo
