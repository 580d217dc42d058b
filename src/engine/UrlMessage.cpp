// The whisper line of a sent web address and the address the dialog offers.
#include "engine/UrlMessage.h"

#include <algorithm>
#include <array>

#include "platform/AnsiText.h"
#include "protocol/ProtocolLines.h"

namespace verdo {

namespace {

constexpr std::string_view HttpScheme = "http://";
constexpr std::array<std::string_view, 2> WebSchemes = {HttpScheme, "https://"};

bool hasWebScheme(std::string_view address) {
    return std::any_of(WebSchemes.begin(), WebSchemes.end(), [address](std::string_view scheme) {
        return startsWithIgnoreCaseAZ(address, scheme);
    });
}

bool isBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ' || c == '\x7F';
}

}  // namespace

std::string withHttpScheme(std::string_view address) {
    if (hasWebScheme(address)) return std::string(address);
    return std::string(HttpScheme) + std::string(address);
}

std::string urlWhisperLine(std::string_view user, std::string_view address) {
    return msgLine(user, "/url " + withHttpScheme(address)) + '\r';
}

std::optional<std::string> webAddressOnClipboard(std::string_view text) {
    const auto first = std::find_if_not(text.begin(), text.end(), isBlankOrControl);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), isBlankOrControl).base();
    if (first >= last) return std::nullopt;
    const std::string_view word(&*first, static_cast<std::size_t>(last - first));
    if (std::any_of(word.begin(), word.end(), isBlankOrControl)) return std::nullopt;
    // A scheme alone names no page.
    if (!hasWebScheme(word) || word.find("://") + 3 == word.size()) return std::nullopt;
    return std::string(word);
}

}  // namespace verdo
