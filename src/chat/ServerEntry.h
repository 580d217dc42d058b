// A server-list entry: "host", "host:port" or "[ipv6]:port"; 6112 without a port.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace verdo {

struct ServerAddress {
    std::string host;
    std::uint16_t port = 6112;
};

ServerAddress parseServerEntry(std::string_view entry, std::uint16_t defaultPort = 6112);

}  // namespace verdo
