// The windows the user-list popups open (URL sending, whisper windows, user
// and account information) while this build has none: each says so in the
// main chat view.
#include "ui/Chat.h"

namespace verdo {

namespace {

void notAvailable(TfrmChat& window, const std::string& what) {
    addStatusLine(window, what + " is not available yet.",
                  window.form().document().options().infoColor());
}

}  // namespace

void TfrmChat::sendUrlTo(const std::string& name) {
    notAvailable(*this, "Sending a URL to " + name);
}

void TfrmChat::openWhisperWindow(const std::string& name) {
    notAvailable(*this, "The whisper window for " + name);
}

void TfrmChat::showUserInfo(const std::string& name) {
    notAvailable(*this, name.empty() ? "The user information window"
                                     : "The user information window for " + name);
}

void TfrmChat::showAccountInfo(const std::string& name) {
    notAvailable(*this, name.empty() ? "The account information window"
                                     : "The account information window for " + name);
}

}  // namespace verdo
