// The program's name and the defaults of the gateway it talks to.
#pragma once

#include <cstdint>
#include <string_view>

namespace verdo {

inline constexpr std::string_view ProgramTitle = "VerdoChat Version 6";
inline constexpr std::uint16_t DefaultGatewayPort = 6112;
inline constexpr std::string_view DefaultChannel = "Blizzard Chat Verdo-1";

}  // namespace verdo
