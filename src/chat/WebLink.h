// Which received links may be opened: only web addresses. Anything else a peer
// sends (file:, javascript:, a local path, another scheme) is shown, never run.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace verdo {

// The address to open for `link`: itself for http and https (any case),
// "http://" + link when it has no scheme, nothing otherwise.
std::optional<std::string> webAddressFor(std::string_view link);

}  // namespace verdo
