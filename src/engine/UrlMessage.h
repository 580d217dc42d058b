// Web addresses sent to another user: a whisper whose text starts with "/url ",
// which a receiving copy of the program shows as a link.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace verdo {

// `address` itself when it starts with "http://" in any letter case, otherwise
// "http://" + address (an empty address included). A secure address
// ("https://", any case) is kept as it is too: prefixing it would break it.
std::string withHttpScheme(std::string_view address);

// "/msg " + user + " /url " + the address with its scheme + carriage return.
std::string urlWhisperLine(std::string_view user, std::string_view address);

// The clipboard's text as an address to offer: one word starting with
// "http://" or "https://" (any letter case) followed by something, blanks
// around it ignored; nothing for any other text.
std::optional<std::string> webAddressOnClipboard(std::string_view text);

}  // namespace verdo
