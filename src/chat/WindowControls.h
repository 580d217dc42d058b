// The controls only a window has: action states, the connecting dialog, the
// entry line's text, history and focus, the URL bar, the custom user list and
// the user information window. The session sets them
// and never reads them back. Without a window (headless, tests of the core)
// this class itself stands in and does nothing.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "chat/ChatAction.h"

namespace verdo {

class WindowControls {
  public:
    virtual ~WindowControls() = default;

    virtual void setActionEnabled(ChatAction, bool) {}
    virtual void setActionChecked(ChatAction, bool) {}
    virtual void setActionCaption(ChatAction, const std::string&) {}
    // Send, Emote and Whisper beside the entry line, together.
    virtual void setSendButtonsEnabled(bool) {}

    // The connecting dialog: modeless, centred on the main window, which takes
    // no input while it is shown.
    virtual void showConnectDialog() {}
    virtual void hideConnectDialog() {}
    virtual void setConnectServerText(const std::string&) {}
    virtual void setConnectTimeoutText(const std::string&) {}
    virtual void setMainInputEnabled(bool) {}

    // Keyboard focus to the entry line, caret after the last character.
    virtual void focusEntry() {}
    // Replacing the entry's text puts the caret at the end.
    virtual void setEntryText(const std::string&) {}
    // Each sent line is inserted as the first history item.
    virtual void addEntryHistory(const std::string&) {}
    // Shows the URL bar with its label and link (one bar; a new link replaces
    // the old one).
    virtual void showUrlBar(const std::string&, const std::string&) {}

    // The custom user list changed: shown again with `selectRow` selected
    // (nothing: no selection in it).
    virtual void customListChanged(std::optional<std::size_t> /*selectRow*/) {}
    // Opens the user information window at the name (empty: no user).
    virtual void showUserInfo(const std::string& /*name*/) {}
    // New emptied the user records: the user information window empties and
    // closes.
    virtual void userRecordsCleared() {}
};

}  // namespace verdo
