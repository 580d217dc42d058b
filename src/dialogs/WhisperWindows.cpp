// The list of whisper windows: reuse by name, pane numbers, removal on close.
#include "dialogs/WhisperWindows.h"

#include <algorithm>

#include "dialogs/Whisper.h"
#include "platform/AnsiText.h"

namespace verdo {

tWhisperWindows::tWhisperWindows(const tOptions& options, DialogHost& host)
    : options_(options), host_(host) {}

tWhisperWindows::~tWhisperWindows() {
    for (const Entry& entry : entries_) {
        disconnect(entry.window, nullptr, this, nullptr);
        delete entry.window;
    }
}

TfrmWhisper* tWhisperWindows::find(std::string_view user) const {
    const auto found = std::find_if(entries_.begin(), entries_.end(), [user](const Entry& entry) {
        return equalsIgnoreCaseAZ(entry.window->user(), user);
    });
    return found == entries_.end() ? nullptr : found->window;
}

TfrmWhisper* tWhisperWindows::window(PaneId pane) const {
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [pane](const Entry& entry) { return entry.pane == pane; });
    return found == entries_.end() ? nullptr : found->window;
}

std::vector<TfrmWhisper*> tWhisperWindows::windows() const {
    std::vector<TfrmWhisper*> open;
    for (const Entry& entry : entries_)
        open.push_back(entry.window);
    return open;
}

TfrmWhisper* tWhisperWindows::OpenWhisperWindow(const std::string& user) {
    TfrmWhisper* window = find(user);
    if (window == nullptr) {
        window = new TfrmWhisper(user, options_, host_);
        connect(window, &TfrmWhisper::lineToSend, this, &tWhisperWindows::lineToSend);
        connect(window, &TfrmWhisper::closed, this, &tWhisperWindows::windowClosed);
        entries_.push_back({window, nextPane_++});
        emit paneRegistered(user, entries_.back().pane);
        emit listChanged();
    }
    // A minimised window comes back at its size; a maximised one stays so.
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void tWhisperWindows::windowClosed(TfrmWhisper* window) {
    // The first entry whose user is exactly the closing window's user, letter
    // case included; names are unique without regard to case, so it is that window.
    const auto found = std::find_if(entries_.begin(), entries_.end(), [window](const Entry& entry) {
        return entry.window->user() == window->user();
    });
    if (found == entries_.end()) return;
    const PaneId pane = found->pane;
    entries_.erase(found);
    emit paneUnregistered(pane);
    emit listChanged();
}

void tWhisperWindows::closeAll() {
    // Each close removes its entry, so the list is copied first.
    for (TfrmWhisper* window : windows())
        window->close();
}

void tWhisperWindows::ApplyAppearance() {
    for (const Entry& entry : entries_)
        entry.window->ApplyAppearance();
}

}  // namespace verdo
