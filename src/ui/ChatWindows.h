// ChatWindows: the main window's companions that live as long as it does: the
// help window, the user information window, the program launcher with the
// installed-games store it starts games from, and the whisper windows.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "dialogs/Help.h"
#include "dialogs/Launch.h"
#include "dialogs/Users.h"
#include "dialogs/WhisperWindows.h"
#include "engine/GameLauncher.h"
#include "platform/WineRegistry.h"

namespace verdo {

struct ChatWindows {
    // The whisper windows take their colours from `options`, which outlives them.
    ChatWindows(const tOptions& options, ProcessStarter& processes,
                std::function<void(const std::string&)> openLink)
        : whisper(options), store(defaultWinePrefix()), launcher(store, processes, openLink) {}

    tWhisperWindows whisper;
    WineRegistry store;
    GameLauncher launcher;
    // Children of the main window, deleted before its logic: the user
    // information window edits the logic's user list.
    std::unique_ptr<TfrmHelp> help;
    std::unique_ptr<TfrmUsers> users;
    std::unique_ptr<TfrmLaunch> launch;
};

}  // namespace verdo
