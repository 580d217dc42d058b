// The sounds between users (see SoundBoard.h).
#include "chat/SoundBoard.h"

namespace verdo {

void SoundBoard::setProgramFolder(const std::string& folder) {
    programFolder_ = folder;
    soundFolder_.reset();
}

const std::string& SoundBoard::soundFolder() const {
    if (!soundFolder_) {
        const auto sounds = findSoundFolder(programFolder_);
        soundFolder_ = sounds ? sounds->string() : std::string();
    }
    return *soundFolder_;
}

std::string SoundBoard::ReceiveSound(const std::string& text) {
    const std::string name = text.size() > 11 ? text.substr(11) : std::string();
    playNamed(name);
    return name;
}

// A name from a peer or from Chat.ini must be a bare file: anything that could
// reach outside the folder plays nothing.
void SoundBoard::playNamed(const std::string& name) {
    if (available() && isBareFileName(name)) {
        if (const auto file = findSoundFile(soundFolder(), name)) sound_.play(file->string());
    }
}

SoundList SoundBoard::list() const {
    return available() ? listSounds(soundFolder()) : SoundList{};
}

void SoundBoard::playSent(const SoundEntry& entry, bool locally) {
    if (locally) sound_.play(entry.path);
}

}  // namespace verdo
