// Server-list entries with and without a port.
#include "chat/ServerEntry.h"

#include <gtest/gtest.h>

namespace verdo {
namespace {

void expectAddress(std::string_view entry, const std::string& host, std::uint16_t port) {
    const ServerAddress address = parseServerEntry(entry);
    EXPECT_EQ(address.host, host) << entry;
    EXPECT_EQ(address.port, port) << entry;
}

TEST(ServerEntryTest, HostsPortsAndBrackets) {
    expectAddress("useast.battle.net", "useast.battle.net", 6112);
    expectAddress("127.0.0.1:4000", "127.0.0.1", 4000);
    expectAddress("[::1]:7000", "::1", 7000);
    expectAddress("[::1]", "::1", 6112);
    expectAddress("::1", "::1", 6112);
}

TEST(ServerEntryTest, BadPortsLeaveTheEntryAsAHostName) {
    expectAddress("host:", "host:", 6112);
    expectAddress("host:abc", "host:abc", 6112);
    expectAddress("host:70000", "host:70000", 6112);
    expectAddress("host:0", "host:0", 6112);
    expectAddress("[::1]:x", "::1", 6112);
}

}  // namespace
}  // namespace verdo
