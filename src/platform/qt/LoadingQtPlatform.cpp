// Sockets and sounds from the program's modules (see LoadingQtPlatform.h).
#include "platform/qt/LoadingQtPlatform.h"

#include "platform/qt/DeferredTcpClient.h"
#include "platform/qt/ServiceModule.h"
#include "platform/qt/ServiceModuleEntries.h"

namespace verdo {

LoadingQtPlatform::LoadingQtPlatform()
    : network_(std::make_shared<ServiceModule>(QStringLiteral("verdochat-net"),
                                               ServiceModule::programFolders())),
      sounds_(std::make_shared<ServiceModule>(QStringLiteral("verdochat-sound"),
                                              ServiceModule::programFolders())),
      sound_([sounds = sounds_](std::string& error) -> std::unique_ptr<Sound> {
          const auto create =
              reinterpret_cast<CreateSound>(sounds->resolve(CreateSoundSymbol, error));
          return std::unique_ptr<Sound>(create != nullptr ? create() : nullptr);
      }) {}

std::unique_ptr<TcpClient> LoadingQtPlatform::createTcpClient() {
    return std::make_unique<DeferredTcpClient>(
        [network = network_](std::string& error) -> std::unique_ptr<TcpClient> {
            const auto create =
                reinterpret_cast<CreateTcpClient>(network->resolve(CreateTcpClientSymbol, error));
            return std::unique_ptr<TcpClient>(create != nullptr ? create() : nullptr);
        });
}

}  // namespace verdo
