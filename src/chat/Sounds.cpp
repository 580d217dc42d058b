// Sounds between users: "~playsound " + a file name, received or sent.
#include "chat/ChatForm.h"
#include "chat/SoundFolder.h"

namespace verdo {

void ChatForm::setProgramFolder(const std::string& folder) {
    programFolder_ = folder;
    const auto sounds = findSoundFolder(folder);
    soundFolder_ = sounds ? sounds->string() : std::string();
}

std::string ChatForm::ReceiveSound(const std::string& text) {
    const std::string name = text.size() > 11 ? text.substr(11) : std::string();
    // A peer names a bare file; anything that could reach outside the folder
    // plays nothing.
    if (soundsAvailable() && isBareFileName(name)) {
        if (const auto file = findSoundFile(soundFolder_, name))
            platform_.sound().play(file->string());
    }
    return name;
}

SoundList ChatForm::soundList() const {
    return soundsAvailable() ? listSounds(soundFolder_) : SoundList{};
}

void ChatForm::playSentSound(const SoundEntry& entry) {
    if (options_.playSoundsLocally()) platform_.sound().play(entry.path);
}

namespace {
std::string withoutAmpersands(std::string caption) {
    std::erase(caption, '&');
    return caption;
}
}  // namespace

void ChatForm::SendSoundToChannel(const SoundEntry& entry) {
    inEvent([this, &entry] {
        if (!loggedOn_) return;
        const std::string name = withoutAmpersands(entry.caption);
        playSentSound(entry);
        sendLine("~playsound " + name);
        addStatusLine("Playing sound: " + name, options_.yourTextColor());
    });
}

void ChatForm::SendSoundToUser(const SoundEntry& entry) {
    inEvent([this, &entry] {
        const std::optional<std::string> user = view_.selectedRosterName();
        if (!loggedOn_ || !user) return;
        const std::string name = withoutAmpersands(entry.caption);
        playSentSound(entry);
        sendLine("/w " + *user + " ~playsound " + name);
        addStatusLine("Sending sound to " + *user + ": " + name, options_.yourTextColor());
    });
}

}  // namespace verdo
