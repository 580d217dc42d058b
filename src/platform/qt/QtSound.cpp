// Playing wave files with QSoundEffect (see QtSound.h).
#include "platform/qt/QtSound.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QUrl>

namespace verdo {

void QtSound::play(const std::string& path) {
    // Without an output QSoundEffect reports itself playing for ever: skip it.
    if (QMediaDevices::audioOutputs().isEmpty()) return;
    const QString file = QString::fromLocal8Bit(path.c_str());
    if (!QFileInfo(file).isFile()) return;
    std::unique_ptr<QSoundEffect>& effect = effects_[path];
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(file));
    }
    effect->play();
}

void QtSound::stopAll() {
    for (const auto& [path, effect] : effects_)
        effect->stop();
}

}  // namespace verdo
