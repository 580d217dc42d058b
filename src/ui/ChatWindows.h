// ChatWindows: the main window's other windows. Some live as long as it does
// (help, user information and the launcher from their first use, the
// installed-games store the launcher starts games from, whisper windows); the dialogs
// its menus and popups open come and go. Each gets its data from the logic and hands its
// result back to it; every window's help opens the help window.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "dialogs/Help.h"
#include "dialogs/Launch.h"
#include "dialogs/Users.h"
#include "dialogs/WhisperWindows.h"
#include "engine/GameLauncher.h"
#include "platform/WineRegistry.h"
#include "ui/ChatDialogHost.h"

class QMenu;

namespace verdo {

class ChatForm;
class Platform;
class TfrmChat;

class ChatWindows {
  public:
    // The Window menu lists the whisper windows in `windowMenu`.
    ChatWindows(TfrmChat& window, ChatForm& form, Platform& platform, QMenu& windowMenu);
    ~ChatWindows();

    // The menus' dialogs and windows.
    void setup();
    void fonts();
    void macros();
    void userInfo();
    void accounts();
    void textFile();
    void joinChannel();
    void listChannel();
    void launcher();
    void helpScreen();
    void about();
    void reorderCustomList();
    // The help window at a topic of the help text.
    void showHelpTopic(const std::string& topic);

    // The windows the popups open for a user (an empty name: none).
    void sendUrlTo(const std::string& name);
    void openWhisperWindow(const std::string& name);
    void showUserInfo(const std::string& name);
    // New emptied the user records: the user information window empties and
    // closes.
    void userRecordsCleared();
    void showAccountInfo(const std::string& name);

    // A chat file read while the user information window is open shows at once.
    void optionsChanged();
    // Whisper windows recoloured with the main window.
    void applyAppearance() { whisper_.ApplyAppearance(); }
    // Whisper windows end with the main window.
    void closeWhisperWindows() { whisper_.closeAll(); }
    // Lines for a pane that belongs to a whisper window, or none.
    TfrmWhisper* whisperWindow(PaneId pane) const { return whisper_.window(pane); }

  private:
    // The help and user information windows, made at their first use.
    TfrmHelp& help();
    TfrmUsers& users();
    void rebuildWindowMenu();
    // The channel dialog; sends `command` + the chosen channel.
    // The channel chosen in the channel dialog, nothing when cancelled.
    std::optional<std::string> selectChannel();

    TfrmChat& window_;
    ChatForm& form_;
    QMenu& windowMenu_;
    // What every dialog asks of the main window.
    ChatDialogHost host_;
    tWhisperWindows whisper_;
    WineRegistry store_;
    GameLauncher launcher_;
    // Children of the main window, deleted before its logic: the user
    // information window edits the logic's user list.
    std::filesystem::path helpFile_;
    std::unique_ptr<TfrmHelp> help_;
    std::unique_ptr<TfrmUsers> users_;
    std::unique_ptr<TfrmLaunch> launch_;
};

}  // namespace verdo
