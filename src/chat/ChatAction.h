// The names of the main window's actions, apart from their table (see
// ChatActions.h), so that the logic and the views can name an action without
// the table, whose rows run the logic.
#pragma once

#include <cstddef>

namespace verdo {

enum class ChatAction {
    New,
    Open,
    Save,
    SaveAs,
    Import,
    Connect,
    Away,
    DND,
    Lock,
    Text,
    Join,
    List,
    Launch,
    Exit,
    Undo,
    Cut,
    Copy,
    Paste,
    SelectAll,
    Find,
    FindNext,
    FindPrevious,
    JumpToMarker,
    Master,
    Phrase,
    WhisperReply,
    Ban,
    NoBan,
    TimerSwitch,
    JoinSwitch,
    Pause,
    Toolbar,
    Setup,
    Fonts,
    Macros,
    Scripts,
    ReloadScripts,
    UserInfo,
    Accounts,
    Reorder,
    RefreshSounds,
    StopSounds,
    HelpScreen,
    About,
    AltN,
    Count
};
inline constexpr std::size_t ChatActionCount = static_cast<std::size_t>(ChatAction::Count);

}  // namespace verdo
