// Cutting an outgoing line that is too long for the server into pieces that
// each say what the line said: a whisper's pieces are whispers to the same
// user, an emote's pieces emotes, talk is cut as it is. Other commands cannot
// be cut.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace verdo {

// `line` without its carriage return. Gives the line itself when it is at most
// `limit` bytes long; otherwise the pieces, each at most `limit` bytes, cut at
// the last blank at or before the limit (or at the limit when there is none);
// nothing when the line cannot be cut.
std::optional<std::vector<std::string>> SplitOutgoingLine(std::string_view line, std::size_t limit);

}  // namespace verdo
