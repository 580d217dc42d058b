// The sounds between users: the "Sounds" folder beside the program, the sounds
// other users request ("~playsound " + a file name), and the ones this user
// plays to them.
#pragma once

#include <optional>
#include <string>

#include "chat/SoundFolder.h"
#include "platform/Sound.h"

namespace verdo {

class SoundBoard {
  public:
    explicit SoundBoard(Sound& sound) : sound_(sound) {}

    // The folder the program runs from; its "Sounds" folder is looked up once,
    // when first asked for, so the start does not wait for the folder scan.
    void setProgramFolder(const std::string& folder);
    const std::string& programFolder() const { return programFolder_; }
    bool available() const { return !soundFolder().empty(); }
    // The "Sounds" folder found, or empty.
    const std::string& soundFolder() const;
    // The sounds for the "&Sounds" and "&Play Sound" menus.
    SoundList list() const;
    // Plays the sound a peer requested when it is found; returns its name.
    std::string ReceiveSound(const std::string& text);
    // Plays the file `name` of the sound folder or one of its subfolders.
    void playNamed(const std::string& name);
    // A sound this user sends, heard here too when `locally`.
    void playSent(const SoundEntry& entry, bool locally);
    // Silences every sound that is playing.
    void stopAll() { sound_.stopAll(); }

  private:
    Sound& sound_;
    std::string programFolder_;
    // Empty until a program folder is given; unknown until looked up.
    mutable std::optional<std::string> soundFolder_{std::string()};
};

}  // namespace verdo
