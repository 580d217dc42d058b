// Making the sound service at the first sound (see DeferredSound.h).
#include "platform/qt/DeferredSound.h"

#include <QtDebug>

namespace verdo {

DeferredSound::DeferredSound(Make make) : make_(std::move(make)) {}

void DeferredSound::play(const std::string& path) {
    if (!tried_) {
        tried_ = true;
        std::string error;
        sound_ = make_(error);
        if (!sound_)
            qWarning().noquote() << "Sounds are not played:" << QString::fromStdString(error);
    }
    if (sound_) sound_->play(path);
}

void DeferredSound::stopAll() {
    if (sound_) sound_->stopAll();
}

}  // namespace verdo
