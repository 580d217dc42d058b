// The verdochat-net module: the TCP client on Qt Network, loaded by the
// program at its first connect (see LoadingQtPlatform.h).
#include <type_traits>

#include "platform/qt/QtTcpClient.h"
#include "platform/qt/ServiceModuleEntries.h"

extern "C" Q_DECL_EXPORT verdo::TcpClient* verdoCreateTcpClient() {
    return new verdo::QtTcpClient();
}
static_assert(std::is_same_v<decltype(&verdoCreateTcpClient), verdo::CreateTcpClient>);
