// tWhisperWindows: the open whisper windows, in the order they were opened.
// The main window owns one for the whole run; the session learns through the
// pane signals which user's whispers go to which window.
#pragma once

#include <QObject>
#include <string>
#include <string_view>
#include <vector>

#include "view/ViewTypes.h"

namespace verdo {

class DialogHost;
class TfrmWhisper;
class tOptions;

class tWhisperWindows : public QObject {
    Q_OBJECT

  public:
    // `options` supplies every window's colours and font, `host` their file
    // chooser; both outlive the list.
    tWhisperWindows(const tOptions& options, DialogHost& host);
    ~tWhisperWindows() override;
    tWhisperWindows(const tWhisperWindows&) = delete;
    tWhisperWindows& operator=(const tWhisperWindows&) = delete;

    // Shows the first window whose user equals `user` without regard to
    // letter case; otherwise opens a new one for `user`, appends it and shows it.
    TfrmWhisper* OpenWhisperWindow(const std::string& user);
    // The open window with that user (letter case ignored), or none.
    TfrmWhisper* find(std::string_view user) const;
    // The window lines for `pane` go to, or none.
    TfrmWhisper* window(PaneId pane) const;
    // The open windows in the order they were opened.
    std::vector<TfrmWhisper*> windows() const;

    // Recolours every open window from the options.
    void ApplyAppearance();
    // Closes every open window, as its close box would: the program ends with
    // the main window, and a window without a parent would keep it running.
    void closeAll();

  signals:
    // Every window's whisper line to send, carriage return included.
    void lineToSend(const std::string& line);
    // A new window wants the whispers of `user` in `pane`; a closed window's
    // pane gets nothing more.
    void paneRegistered(const std::string& user, PaneId pane);
    void paneUnregistered(PaneId pane);
    // A window was opened or closed (the Window menu lists them).
    void listChanged();

  private:
    struct Entry {
        TfrmWhisper* window;
        PaneId pane;
    };
    void windowClosed(TfrmWhisper* window);

    const tOptions& options_;
    DialogHost& host_;
    std::vector<Entry> entries_;
    // Pane numbers are never reused, so a stale number reaches no other window.
    PaneId nextPane_ = WhisperPane + 1;
};

}  // namespace verdo
