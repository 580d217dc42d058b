// The screen as the main window's logic sees it. The Qt window implements it
// with widgets, the headless runner on the console, tests by recording. Text is
// handed over as the 8-bit bytes the program carries; the view converts it for
// display. Colours are Windows colour values 0x00BBGGRR (top bit: system colour).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace verdo {

// Rich-text panes lines are appended to: the main chat view, the whisper pane,
// and (from 2 on) whisper windows.
using PaneId = int;
inline constexpr PaneId ChatPane = 0;
inline constexpr PaneId WhisperPane = 1;

struct ChatSegment {
    std::string text;
    std::uint32_t color = 0;
};
using ChatLine = std::array<ChatSegment, 3>;

// Commands and controls of the main window whose state the logic sets.
enum class ChatAction {
    Connect,      // acConnect: F4, also the tool-bar button and the menu item
    Away,         // acAway
    DND,          // acDND
    SendButtons,  // btnSend, btnWhisper and btnEmote together
    Lock,         // acLock: the whisper lock
    // The seven switches on the tool bar, each mirroring one option.
    Master,        // acMaster, Ctrl+F1
    Phrase,        // acPhrase, Ctrl+F2
    WhisperReply,  // acWhisper, Ctrl+F3
    Ban,           // acBan, Ctrl+F4
    NoBan,         // acNoBan, Ctrl+F5
    TimerSwitch,   // acTimer, Ctrl+F6
    JoinSwitch,    // acJoinSwitch, Ctrl+F7
    Pause,         // acPause, F12
};
inline constexpr int ChatActionCount = static_cast<int>(ChatAction::Pause) + 1;

enum class StatusPanel { Step = 0, Detail = 1 };

enum class MessageKind { Information, Warning, Error };

// --- Chat files: questions and file dialogs ---
enum class Answer { Yes, No, Cancel };
struct FileDialogRequest {
    bool save = false;  // save: asks before overwriting; open: the file must exist
    std::string title;
    std::string filter;            // "Chat Files (*.ch5)|*.ch5"
    std::string defaultExtension;  // without the dot
    std::string startFolder;       // empty: the dialog's own choice
};

class ChatView {
  public:
    virtual ~ChatView() = default;

    // One line of three coloured segments at the end of a pane, in the pane's
    // font (the chat font for the main view, the whisper font for the others).
    virtual void addChatLine(PaneId pane, const ChatLine& line) = 0;
    virtual void setStatusText(StatusPanel panel, const std::string& text) = 0;

    virtual void setActionEnabled(ChatAction action, bool enabled) = 0;
    virtual void setActionChecked(ChatAction action, bool checked) = 0;
    virtual void setActionCaption(ChatAction action, const std::string& caption) = 0;

    // The connecting dialog: modeless, centred on the main window, which takes
    // no input while it is shown.
    virtual void showConnectDialog() = 0;
    virtual void hideConnectDialog() = 0;
    virtual void setConnectServerText(const std::string& text) = 0;
    virtual void setConnectTimeoutText(const std::string& text) = 0;
    virtual void setMainInputEnabled(bool enabled) = 0;

    // The channel box and the roster were emptied or changed.
    virtual void setChannelText(const std::string& channel) = 0;
    virtual void rosterChanged() = 0;

    // Modal questions. May run a nested event loop: callers must survive
    // anything happening meanwhile.
    virtual void showMessage(const std::string& text, MessageKind kind) = 0;
    virtual std::optional<std::string> inputBox(const std::string& title, const std::string& prompt,
                                                const std::string& initial) = 0;

    // --- Chat files: questions, file dialogs, refresh from the options ---
    virtual Answer askYesNoCancel(const std::string& question) = 0;
    virtual bool askYesNo(const std::string& question) = 0;
    // The chosen path, or nothing when the dialog is cancelled.
    virtual std::optional<std::string> chooseFile(const FileDialogRequest& request) = 0;
    // The options and lists were replaced: colours, fonts, tool bar, lists.
    virtual void optionsChanged() = 0;

    // Keyboard focus to the entry line, caret after the last character.
    virtual void focusEntry() = 0;

    // --- The entry line, the user lists' selection and the URL bar ---
    // The entry's text as bytes; replacing it puts the caret at the end.
    virtual std::string entryText() const = 0;
    virtual void setEntryText(const std::string& text) = 0;
    // Each sent line is inserted as the first history item.
    virtual void addEntryHistory(const std::string& text) = 0;
    // The one selected row of the roster or of the custom user list.
    virtual std::optional<std::string> selectedRosterName() const = 0;
    virtual std::optional<std::string> selectedCustomName() const = 0;
    // Shows the URL bar with its label and link (one bar; a new link replaces
    // the old one).
    virtual void showUrlBar(const std::string& label, const std::string& link) = 0;
    // Asks for one call of ChatForm::ActionListUpdate once the current batch of
    // events has been handled.
    virtual void requestIdleUpdate() = 0;
};

}  // namespace verdo
