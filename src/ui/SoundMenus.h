// SoundMenus: the "&Sounds" menu and the roster popup's "&Play Sound" submenu,
// one entry per wave file of the sound folder and its subfolders, each keeping
// the file's full path. A sound of the first goes to the channel, of the
// second to the selected user. The popup, and so its submenu, is made when
// first opened; the submenu joins then.
#pragma once

#include <functional>
#include <optional>
#include <string>

class QMenu;

namespace verdo {

class ChatForm;

class SoundMenus {
  public:
    using SelectedUser = std::function<std::optional<std::string>()>;

    // The entries of `sounds` before now stay; the sound files follow them.
    SoundMenus(QMenu& sounds, ChatForm& form, SelectedUser selectedUser);

    // The roster popup's submenu, once it is made: filled when next opened.
    void setPlaySoundMenu(QMenu& playSound);

    // Both menus anew from the sound folder (when it was found).
    void build();
    // The same when either menu is next opened: the folder is not read at
    // start, before the window is up.
    void buildWhenOpened() { stale_ = true; }
    // Enabling at every idle update: "&Play Sound" only while logged on.
    void update();

  private:
    void buildOnOpening(QMenu& menu);

    QMenu& sounds_;
    QMenu* playSound_ = nullptr;
    ChatForm& form_;
    SelectedUser selectedUser_;
    int fixedEntries_ = 0;  // entries of "&Sounds" before the sound files
    bool stale_ = false;
};

}  // namespace verdo
