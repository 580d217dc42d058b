// What the session reports to whoever shows it: lines, status, the roster and
// questions. The Qt window implements it with widgets, the headless runner on
// the console, tests by recording. Text is handed over as the 8-bit bytes the
// program carries; the view converts it for display. Colours are Windows
// colour values 0x00BBGGRR (top bit: system colour).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "view/ViewTypes.h"

namespace verdo {

class SessionView {
  public:
    virtual ~SessionView() = default;

    // One line of three coloured segments at the end of a pane, in the pane's
    // font (the chat font for the main view, the whisper font for the others).
    virtual void addChatLine(PaneId pane, const ChatLine& line) = 0;
    virtual void setStatusText(StatusPanel panel, const std::string& text) = 0;

    // The channel box and the roster were emptied or changed.
    virtual void setChannelText(const std::string& channel) = 0;
    virtual void rosterChanged() = 0;

    // Modal questions. May run a nested event loop: callers must survive
    // anything happening meanwhile.
    virtual void showMessage(const std::string& text, MessageKind kind) = 0;
    virtual std::optional<std::string> inputBox(const std::string& title, const std::string& prompt,
                                                const std::string& initial) = 0;
    virtual Answer askYesNoCancel(const std::string& question) = 0;
    virtual bool askYesNo(const std::string& question) = 0;
    // The chosen path, or nothing when the dialog is cancelled.
    virtual std::optional<std::string> chooseFile(const FileDialogRequest& request) = 0;

    // The options and lists were replaced: colours, fonts, tool bar, lists.
    virtual void optionsChanged() = 0;
    // Asks for one call of ChatForm::ActionListUpdate once the current batch of
    // events has been handled.
    virtual void requestIdleUpdate() = 0;
};

// Appends a status line of the program in one colour.
inline void addStatusLine(SessionView& view, const std::string& text, std::uint32_t color,
                          PaneId pane = ChatPane) {
    view.addChatLine(pane, ChatLine{ChatSegment{text, color}, ChatSegment{}, ChatSegment{}});
}

}  // namespace verdo
