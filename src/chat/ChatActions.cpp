// The main window's action table (see ChatActions.h). Rows are in menu order;
// the tool bar takes its groups in the same order.
#include "chat/ChatActions.h"

#include <array>

#include "chat/ChatForm.h"

namespace verdo {

namespace {

using A = ChatAction;
using M = MenuId;
using E = Enabling;
using C = Check;

constexpr std::array<ChatActionInfo, ChatActionCount> Table = {{
    // id, object name, caption, tool-bar caption, checked caption, hint, key,
    // menu, separator before, tool-bar group, check, enabling, logic. A switch
    // action (Check::Option) flips the option whose row names its object name.
    {A::New, "acNew", "&New", nullptr, nullptr, "Clear chat settings", nullptr, M::File, false, 0,
     C::None, E::Always, [](ChatForm& f) { f.document().acNewExecute(); }},
    {A::Open, "acOpen", "&Open Chat File...", nullptr, nullptr, "Open a chat file", nullptr,
     M::File, false, 0, C::None, E::Always, [](ChatForm& f) { f.document().acOpenExecute(); }},
    {A::Save, "acSave", "&Save Chat Settings", nullptr, nullptr, "Save chat settings", nullptr,
     M::File, false, 0, C::None, E::Always, [](ChatForm& f) { f.document().acSaveExecute(); }},
    {A::SaveAs, "acSaveAs", "Save &As...", nullptr, nullptr, "Save chat settings as", nullptr,
     M::File, false, 0, C::None, E::Always, [](ChatForm& f) { f.document().acSaveAsExecute(); }},
    {A::Import, "acImport", "&Import Files from Version 4", nullptr, nullptr,
     "Import response files of version 4", nullptr, M::File, true, 0, C::None, E::Always,
     [](ChatForm& f) { f.document().acImportExecute(); }},
    {A::Connect, "acConnect", "&Connect", nullptr, "&Disconnect", "Connect to the server", "F4",
     M::File, true, 1, C::LoggedOn, E::Always, [](ChatForm& f) { f.connect(); }},
    {A::Away, "acAway", "&Away", nullptr, nullptr, "Set AWAY mode", "Ctrl+A", M::File, true, 0,
     C::Away, E::LoggedOn, [](ChatForm& f) { f.away().acAwayExecute(); }},
    {A::DND, "acDND", "&DND", nullptr, nullptr, "Activate DND mode", "Ctrl+D", M::File, false, 0,
     C::DND, E::LoggedOn, [](ChatForm& f) { f.away().acDNDExecute(); }},
    {A::Lock, "acLock", "&Whisper Lock", nullptr, nullptr,
     "Lock all public messages to current user", "Ctrl+W", M::File, false, 1, C::Lock, E::Always,
     [](ChatForm& f) { f.text().acLockExecute(); }},
    {A::Text, "acText", "&Text File...", nullptr, nullptr,
     "Read a text file into the channel or to a user", "Ctrl+T", M::File, true, 0, C::None,
     E::LoggedOn, nullptr},
    {A::Join, "acJoin", "&Join Channel...", nullptr, nullptr, nullptr, "Ctrl+J", M::File, false, 0,
     C::None, E::LoggedOn, nullptr},
    {A::List, "acList", "&List Users...", nullptr, nullptr, nullptr, "Ctrl+L", M::File, false, 0,
     C::None, E::LoggedOn, nullptr},
    {A::Launch, "acLaunch", "E&xecute Program...", nullptr, nullptr, "Execute a program...",
     nullptr, M::File, true, 0, C::None, E::Always, nullptr},
    {A::Exit, "acExit", "E&xit", nullptr, nullptr, nullptr, nullptr, M::File, true, 0, C::None,
     E::Always, nullptr},

    {A::Undo, "acUndo", "&Undo", nullptr, nullptr, nullptr, "Ctrl+Z", M::Edit, false, 0, C::None,
     E::ByWindow, nullptr},
    {A::Cut, "acCut", "Cu&t", nullptr, nullptr, nullptr, "Ctrl+X", M::Edit, true, 3, C::None,
     E::ByWindow, nullptr},
    {A::Copy, "acCopy", "&Copy", nullptr, nullptr, nullptr, "Ctrl+C", M::Edit, false, 3, C::None,
     E::ByWindow, nullptr},
    {A::Paste, "acPaste", "&Paste", nullptr, nullptr, nullptr, "Ctrl+V", M::Edit, false, 3, C::None,
     E::ByWindow, nullptr},
    {A::SelectAll, "acSelectAll", "&Select All", nullptr, nullptr, nullptr, nullptr, M::Edit, true,
     0, C::None, E::ByWindow, nullptr},
    {A::Find, "acFind", "&Find...", nullptr, nullptr, "Find text in the chat", "Ctrl+Shift+F",
     M::Edit, true, 0, C::None, E::Always, nullptr},
    {A::FindNext, "acFindNext", "Find &Next", nullptr, nullptr, nullptr, "F3", M::Edit, false, 0,
     C::None, E::Always, nullptr},
    {A::FindPrevious, "acFindPrevious", "Find Pre&vious", nullptr, nullptr, nullptr, "Shift+F3",
     M::Edit, false, 0, C::None, E::Always, nullptr},
    {A::JumpToMarker, "acJumpToMarker", "Jump to Marker", nullptr, nullptr,
     "Show the first line that came while the window was in the background", nullptr, M::Edit, true,
     0, C::None, E::Always, nullptr},

    {A::Master, "acMaster", "Master Event Switch", "Master", nullptr, "Toggle Master Event Switch",
     "Ctrl+F1", M::Options, false, 2, C::Option, E::Always, nullptr},
    {A::Phrase, "acPhrase", "Phrase Response Switch", "Phrases", nullptr, "Toggle Phrase Responses",
     "Ctrl+F2", M::Options, false, 2, C::Option, E::Always, nullptr},
    {A::WhisperReply, "acWhisper", "Whisper Response Switch", "Whispers", nullptr,
     "Toggle Whisper Responses", "Ctrl+F3", M::Options, false, 2, C::Option, E::Always, nullptr},
    {A::Ban, "acBan", "AutoBan Switch", "AutoBan", nullptr, "Toggle Auto-Ban", "Ctrl+F4",
     M::Options, false, 2, C::Option, E::Always, nullptr},
    {A::NoBan, "acNoBan", "NoBan Switch", "NoBan", nullptr, "Toggle Exclusion Ban", "Ctrl+F5",
     M::Options, false, 2, C::Option, E::Always, nullptr},
    {A::TimerSwitch, "acTimer", "Timer Switch", "Timer", nullptr, "Toggle Timer Events", "Ctrl+F6",
     M::Options, false, 2, C::Option, E::Always, nullptr},
    {A::JoinSwitch, "acJoinSwitch", "Join Switch", "Joins", nullptr, "Toggle User Join Response",
     "Ctrl+F7", M::Options, false, 2, C::Option, E::Always, nullptr},
    {A::Pause, "acPause", "Chat P&ause", "Pause", nullptr,
     "Pause incoming messages to allow cutting/pasting", "F12", M::Options, true, 2, C::Paused,
     E::LoggedOn, [](ChatForm& f) { f.pause().acPauseExecute(); }},
    {A::Toolbar, "acToolbar", "Tool&bar", nullptr, nullptr, nullptr, nullptr, M::Options, false, 0,
     C::ByWindow, E::Always, nullptr},
    {A::Setup, "acSetup", "&Setup...", nullptr, nullptr, "Setup general options and connection",
     "F6", M::Options, true, 0, C::None, E::Always, nullptr},
    {A::Fonts, "acFonts", "&Fonts and Colors...", nullptr, nullptr,
     "Define general fonts and colors", "Ctrl+F", M::Options, false, 0, C::None, E::Always,
     nullptr},
    {A::Macros, "acMacros", "Edit &Macros", nullptr, nullptr, nullptr, "F11", M::Options, false, 0,
     C::None, E::Always, nullptr},
    {A::Scripts, "acScripts", "S&cripts...", nullptr, nullptr,
     "List the bot scripts, switch them on or off", nullptr, M::Options, true, 0, C::None,
     E::Always, nullptr},
    {A::ReloadScripts, "acReloadScripts", "&Reload Scripts", nullptr, nullptr,
     "Load the bot scripts again; their stored data stays", nullptr, M::Options, false, 0, C::None,
     E::Always, nullptr},

    {A::UserInfo, "acUserInfo", "&User Information...", nullptr, nullptr, nullptr, "Ctrl+U",
     M::Users, false, 0, C::None, E::Always, nullptr},
    {A::Accounts, "acAccounts", "User &Accounts", nullptr, nullptr, nullptr, nullptr, M::Users,
     false, 0, C::None, E::Always, nullptr},

    {A::Reorder, "acReorder", "&Reorder Custom List...", nullptr, nullptr,
     "Change the order of users on the custom user list", nullptr, M::Users, false, 0, C::None,
     E::Always, nullptr},

    {A::RefreshSounds, "acRefreshSounds", "&Refresh Sound List", nullptr, nullptr, nullptr, nullptr,
     M::Sounds, false, 0, C::None, E::Always, nullptr},
    {A::StopSounds, "acStopSound", "Stop All Sounds", nullptr, nullptr, nullptr, nullptr, M::Sounds,
     false, 0, C::None, E::Always, [](ChatForm& f) { f.sounds().stopAll(); }},

    {A::HelpScreen, "acHelpScreen", "VerdoChat &Help", nullptr, nullptr, nullptr, "F1", M::Help,
     false, 0, C::None, E::Always, nullptr},
    {A::About, "acAbout", "&About Verdochat", nullptr, nullptr, nullptr, nullptr, M::Help, true, 0,
     C::None, E::Always, nullptr},
    {A::AltN, "acAltN", "Alt&N", nullptr, nullptr, nullptr, "Alt+N", M::None, false, 0, C::None,
     E::Always, nullptr},
}};

constexpr bool inEnumOrder() {
    for (std::size_t i = 0; i < Table.size(); ++i) {
        if (static_cast<std::size_t>(Table[i].id) != i) return false;
    }
    return true;
}
static_assert(inEnumOrder(), "one row per action, in the order of ChatAction");

}  // namespace

std::span<const ChatActionInfo> chatActions() {
    return Table;
}

const ChatActionInfo& actionInfo(ChatAction id) {
    return Table[static_cast<std::size_t>(id)];
}

}  // namespace verdo
