// Splitting a server-list entry into host and port.
#include "chat/ServerEntry.h"

#include <charconv>

namespace verdo {

namespace {
bool parsePort(std::string_view text, std::uint16_t& port) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value == 0 || value > 65535) {
        return false;
    }
    port = static_cast<std::uint16_t>(value);
    return true;
}
}  // namespace

ServerAddress parseServerEntry(std::string_view entry, std::uint16_t defaultPort) {
    ServerAddress address{std::string(entry), defaultPort};
    if (!entry.empty() && entry.front() == '[') {
        const std::size_t close = entry.find(']');
        if (close == std::string_view::npos) return address;
        address.host = std::string(entry.substr(1, close - 1));
        const std::string_view rest = entry.substr(close + 1);
        if (rest.size() > 1 && rest.front() == ':' && !parsePort(rest.substr(1), address.port)) {
            address.port = defaultPort;
        }
        return address;
    }
    const std::size_t colon = entry.rfind(':');
    // More than one colon without brackets is a bare IPv6 address.
    if (colon == std::string_view::npos || entry.find(':') != colon) return address;
    std::uint16_t port = defaultPort;
    if (parsePort(entry.substr(colon + 1), port)) {
        address.host = std::string(entry.substr(0, colon));
        address.port = port;
    }
    return address;
}

}  // namespace verdo
