// The verdochat-sound module: the sound service on Qt Multimedia, loaded by
// the program when it plays its first sound (see LoadingQtPlatform.h).
#include <type_traits>

#include "platform/qt/QtSound.h"
#include "platform/qt/ServiceModuleEntries.h"

extern "C" Q_DECL_EXPORT verdo::Sound* verdoCreateSound() {
    return new verdo::QtSound();
}
static_assert(std::is_same_v<decltype(&verdoCreateSound), verdo::CreateSound>);
