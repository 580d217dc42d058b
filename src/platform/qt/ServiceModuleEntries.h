// The entry points of the program's modules: each makes one service and hands
// it over, to be deleted through its interface.
#pragma once

#include "platform/Sound.h"
#include "platform/TcpClient.h"

namespace verdo {

using CreateTcpClient = TcpClient* (*)();
using CreateSound = Sound* (*)();

// In verdochat-net and verdochat-sound.
inline constexpr const char* CreateTcpClientSymbol = "verdoCreateTcpClient";
inline constexpr const char* CreateSoundSymbol = "verdoCreateSound";

}  // namespace verdo
