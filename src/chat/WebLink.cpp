// Deciding whether a received link is a web address (see WebLink.h).
#include "chat/WebLink.h"

#include <cctype>

#include "platform/AnsiText.h"

namespace verdo {

namespace {
bool isSchemeChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
}

// The scheme of `link` ("http" of "http://x"), or empty when it has none. A
// host with a port ("example.com:8080") has a dot before its colon and no
// scheme; a single letter before a colon is a drive, which counts as a scheme
// so that it is refused.
std::string_view schemeOf(std::string_view link) {
    const std::size_t colon = link.find(':');
    if (colon == std::string_view::npos || colon == 0) return {};
    const std::string_view head = link.substr(0, colon);
    if (!std::isalpha(static_cast<unsigned char>(head.front()))) return {};
    for (char c : head) {
        if (!isSchemeChar(c)) return {};
    }
    if (head.find('.') != std::string_view::npos && link.substr(colon).rfind("://", 0) != 0) {
        return {};
    }
    return head;
}
}  // namespace

std::optional<std::string> webAddressFor(std::string_view link) {
    if (link.empty() || link.find('\0') != std::string_view::npos) return std::nullopt;
    const std::string_view scheme = schemeOf(link);
    if (!scheme.empty()) {
        if (equalsIgnoreCaseAZ(scheme, "http") || equalsIgnoreCaseAZ(scheme, "https")) {
            return std::string(link);
        }
        return std::nullopt;
    }
    // No scheme: a host name, never a path.
    if (!std::isalnum(static_cast<unsigned char>(link.front()))) return std::nullopt;
    return "http://" + std::string(link);
}

}  // namespace verdo
